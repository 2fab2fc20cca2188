#pragma once

#include <QFrame>

class QComboBox;
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
};
