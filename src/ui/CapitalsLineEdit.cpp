#include "ui/CapitalsLineEdit.h"

#include <QKeyEvent>

void CapitalsLineEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0) >= QLatin1Char('a') && typed.at(0) <= QLatin1Char('z')) {
        QKeyEvent capital(event->type(), event->key(), event->modifiers(), typed.toUpper(),
                          event->isAutoRepeat(), ushort(event->count()));
        QLineEdit::keyPressEvent(&capital);
        event->setAccepted(capital.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}
