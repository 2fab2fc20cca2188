#pragma once

#include <QObject>

#include <functional>

// Watches one control for key presses and for the focus moving on to another
// control of the window. Focus taken by a popup, a message box or another window
// is not a loss of focus: the control gets it back, and a handler must not run twice.
class TitleBoxEvents : public QObject
{
    Q_OBJECT
public:
    // keyPressed gets the key and returns true when it consumed it.
    TitleBoxEvents(QObject *control, std::function<bool(int key)> keyPressed,
                   std::function<void()> lostFocus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QObject *m_control;
    std::function<bool(int)> m_keyPressed;
    std::function<void()> m_lostFocus;
};
