#pragma once

#include <QGroupBox>

class QLineEdit;

// The set-up panel's box for the FAA's mailing addresses: the usual one and the one for
// forms with extended-range fuel tanks. An emptied box goes back to today's address.
class MailingAddressBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit MailingAddressBox(QWidget *parent = nullptr);

    QLineEdit *txtFaaAddress;
    QLineEdit *txtFaaFuelTankAddress;
};
