#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Access Control" panel that covers the form screen until an inspector signs in.
class SignInPanel : public QFrame
{
    Q_OBJECT
public:
    explicit SignInPanel(QWidget *parent = nullptr);

    QComboBox *Combo4;        // inspector names
    QLineEdit *Text44;        // password, echoed as "*", at most 8 characters
    QPushButton *SSCommand2;  // "Submit"
    QPushButton *SSCommand1;  // "Exit"
    QLabel *firstStartHint;   // how to begin, while no inspector is stored

    // A new installation has no inspectors: the panel says how to add the first one.
    void setFirstStart(bool noInspectors);
};
