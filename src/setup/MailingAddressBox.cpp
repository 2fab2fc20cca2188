#include "setup/MailingAddressBox.h"

#include "ui/MultiLineBox.h"
#include "ui/TypingLengthValidator.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

MailingAddressBox::MailingAddressBox(QWidget *parent)
    : QGroupBox(tr("FAA copy mailed to"), parent)
{
    setObjectName(QStringLiteral("grpFaaAddresses"));
    txtFaaAddress = new QLineEdit(this);
    txtFaaAddress->setObjectName(QStringLiteral("txtFaaAddress"));
    txtFaaFuelTankAddress = new QLineEdit(this);
    txtFaaFuelTankAddress->setObjectName(QStringLiteral("txtFaaFuelTankAddress"));
    for (QLineEdit *box : {txtFaaAddress, txtFaaFuelTankAddress})
        TypingLengthValidator::install(box, 255);  // the Setup fields' length
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("FAA"), txtFaaAddress);
    layout->addRow(tr("Extended-range fuel tanks"), txtFaaFuelTankAddress);
}

LogbookTemplateBox::LogbookTemplateBox(QWidget *parent)
    : QGroupBox(tr("Logbook entry"), parent)
{
    setObjectName(QStringLiteral("grpLogbookTemplate"));
    auto *box = new MultiLineBox(4, this);
    box->setTypingLimit(4000);  // the LogbookTemplate field's length; a paste is cut to it
    txtLogbookTemplate = box;
    txtLogbookTemplate->setObjectName(QStringLiteral("txtLogbookTemplate"));
    txtLogbookTemplate->setTabChangesFocus(true);
    txtLogbookTemplate->setMaximumHeight(90);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtLogbookTemplate);
    layout->addWidget(new QLabel(tr("{date} {mark} {make} {model} {serial} {unit} {work} "
                                    "{description} {agency} {certificate}"),
                                 this));
}
