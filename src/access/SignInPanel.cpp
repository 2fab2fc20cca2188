#include "access/SignInPanel.h"

#include "ui/RaisedPanel.h"
#include "ui/TypingLengthValidator.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SignInPanel::SignInPanel(QWidget *parent)
    : QFrame(parent)
{
    makeRaisedPanel(this, QStringLiteral("SSPanel1"));

    auto *caption = new QLabel(tr("Access Control"), this);
    QFont big = caption->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    caption->setFont(big);
    caption->setAlignment(Qt::AlignCenter);

    Combo4 = new QComboBox(this);
    Combo4->setObjectName(QStringLiteral("Combo4"));
    Combo4->setMinimumWidth(220);
    Text44 = new QLineEdit(this);
    Text44->setObjectName(QStringLiteral("Text44"));
    Text44->setEchoMode(QLineEdit::Password);
    TypingLengthValidator::install(Text44, 8);  // a paste is cut between characters
    SSCommand2 = new QPushButton(tr("&Submit"), this);
    SSCommand2->setObjectName(QStringLiteral("SSCommand2"));
    SSCommand1 = new QPushButton(tr("E&xit"), this);
    SSCommand1->setObjectName(QStringLiteral("SSCommand1"));
    // A click on a button leaves the focus in the password box: leaving the box runs
    // the check, and Submit runs it too, so a click that moved the focus would run it twice.
    SSCommand2->setFocusPolicy(Qt::TabFocus);
    SSCommand1->setFocusPolicy(Qt::TabFocus);

    firstStartHint = new QLabel(
        tr("No inspectors are set up yet. To begin, click \"Set-up\" on the button bar, then "
           "\"Agents\", and add the first inspector as administrator."),
        this);
    firstStartHint->setObjectName(QStringLiteral("firstStartHint"));
    firstStartHint->setWordWrap(true);
    firstStartHint->hide();

    auto *fields = new QFormLayout;
    fields->addRow(tr("Select name"), Combo4);
    fields->addRow(tr("Enter password"), Text44);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SSCommand2);
    buttons->addWidget(SSCommand1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(firstStartHint);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setTabOrder(Combo4, Text44);
    setTabOrder(Text44, SSCommand2);
    setTabOrder(SSCommand2, SSCommand1);
}

void SignInPanel::setFirstStart(bool noInspectors)
{
    firstStartHint->setVisible(noInspectors);
    adjustSize();
}
