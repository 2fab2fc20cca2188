#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Reports when a control loses the focus to another control of the same window
// (Tab, Backtab, mouse, shortcut, or code moving it). A message box or another
// window taking the focus, or a popup opening, is no loss of focus: a check run on
// focus loss must not run again because its own message box opened.
class FocusLossFilter : public QObject
{
    Q_OBJECT
public:
    // Installs itself on control; the control owns it.
    static FocusLossFilter *install(QWidget *control, std::function<void()> onLoss);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // True for a focus-out that hands the focus to another control of the window.
    static bool isLossOfFocus(const QEvent *event);

private:
    FocusLossFilter(QWidget *control, std::function<void()> onLoss);

    std::function<void()> m_onLoss;
};
