#pragma once

#include <QLineEdit>

// A line edit that turns every typed lower-case letter "a" to "z" into its capital
// while it is typed. Other keys, pasted text and text set by code are left as they are.
class CapitalsLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
