#pragma once

#include <QGroupBox>

class QLineEdit;
class QPlainTextEdit;

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

// The set-up panel's box for the template of the logbook entry; emptied, the default returns.
class LogbookTemplateBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit LogbookTemplateBox(QWidget *parent = nullptr);

    QPlainTextEdit *txtLogbookTemplate;
};
