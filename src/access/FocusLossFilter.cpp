#include "access/FocusLossFilter.h"

#include <QFocusEvent>
#include <QWidget>

FocusLossFilter::FocusLossFilter(QWidget* control, std::function<void()> onLoss)
    : QObject(control), m_onLoss(std::move(onLoss))
{
    control->installEventFilter(this);
}

FocusLossFilter* FocusLossFilter::install(QWidget* control, std::function<void()> onLoss)
{
    return new FocusLossFilter(control, std::move(onLoss));
}

bool FocusLossFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            if (m_onLoss)
                m_onLoss();
            break;
        default:  // another window, a popup or the menu bar took the focus
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
