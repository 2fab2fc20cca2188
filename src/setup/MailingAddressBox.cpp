#include "setup/MailingAddressBox.h"

#include "ui/TypingLengthValidator.h"

#include <QFormLayout>
#include <QLineEdit>

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
