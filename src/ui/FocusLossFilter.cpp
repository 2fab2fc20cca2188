#include "ui/FocusLossFilter.h"

#include <QFocusEvent>
#include <QWidget>

FocusLossFilter::FocusLossFilter(QWidget *control, std::function<void()> onLoss)
    : QObject(control)
    , m_onLoss(std::move(onLoss))
{
    control->installEventFilter(this);
}

FocusLossFilter *FocusLossFilter::install(QWidget *control, std::function<void()> onLoss)
{
    return new FocusLossFilter(control, std::move(onLoss));
}

bool FocusLossFilter::isLossOfFocus(const QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    switch (static_cast<const QFocusEvent *>(event)->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:  // another window, a popup or the menu bar took the focus
        return false;
    }
}

bool FocusLossFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (isLossOfFocus(event) && m_onLoss)
        m_onLoss();
    return QObject::eventFilter(watched, event);
}
