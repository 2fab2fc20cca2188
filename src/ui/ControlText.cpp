#include "ui/ControlText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

QString withNewlines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

QString controlText(const QWidget *control)
{
    if (auto line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    if (auto plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (auto rich = qobject_cast<const QTextEdit *>(control))
        return rich->toPlainText();
    if (auto combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return {};
}

void setControlText(QWidget *control, const QString &text)
{
    if (auto line = qobject_cast<QLineEdit *>(control))
        line->setText(text);
    else if (auto plain = qobject_cast<QPlainTextEdit *>(control))
        plain->setPlainText(withNewlines(text));
    else if (auto rich = qobject_cast<QTextEdit *>(control))
        rich->setPlainText(withNewlines(text));
    else if (auto combo = qobject_cast<QComboBox *>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(
                combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    } else if (auto label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
}

void removeListItem(QComboBox *combo, int index)
{
    if (index < 0 || index >= combo->count())
        return;
    const int current = combo->currentIndex();
    const QString text = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->removeItem(index);
    combo->setCurrentIndex(current == index ? -1 : current > index ? current - 1 : current);
    if (combo->isEditable())
        combo->setEditText(text);
}

void addListItem(QComboBox *combo, const QString &item)
{
    const int index = combo->currentIndex();
    const QString text = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->addItem(item);
    combo->setCurrentIndex(index);
    if (combo->isEditable())
        combo->setEditText(text);
}
