#pragma once

#include <QObject>

class QWidget;

// Lets a timing harness see when the program is ready for the user. With the environment
// variable FORM337_REPORT_FIRST_PAINT set, the first paint of the window after its data is
// bound prints the line "first paint" on standard output; with the value "quit" the
// program then ends. Without the variable nothing is watched.
class FirstPaintReport : public QObject
{
public:
    // Call once the window has bound its data: the whole window is repainted and reported.
    static void watchIfAsked(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstPaintReport(QWidget *window, bool quit);
    bool m_quit;
};
