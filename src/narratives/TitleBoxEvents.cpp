#include "narratives/TitleBoxEvents.h"

#include "ui/FocusLossFilter.h"

#include <QKeyEvent>

TitleBoxEvents::TitleBoxEvents(QObject *control, std::function<bool(int key)> keyPressed,
                               std::function<void()> lostFocus)
    : QObject(control)
    , m_control(control)
    , m_keyPressed(std::move(keyPressed))
    , m_lostFocus(std::move(lostFocus))
{
    control->installEventFilter(this);
}

bool TitleBoxEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return false;
    if (event->type() == QEvent::KeyPress)
        return m_keyPressed && m_keyPressed(static_cast<QKeyEvent *>(event)->key());
    if (FocusLossFilter::isLossOfFocus(event) && m_lostFocus)
        m_lostFocus();
    return false;
}
