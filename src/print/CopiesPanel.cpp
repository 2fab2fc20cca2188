#include "print/CopiesPanel.h"

#include "ui/RaisedPanel.h"

#include "print/PrintJob.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CopiesPanel::CopiesPanel(QWidget *parent)
    : QFrame(parent)
{
    makeRaisedPanel(this, QStringLiteral("Panel3D5"));

    Label13 = new QLabel(QStringLiteral("Copies"), this);
    Label13->setObjectName(QStringLiteral("Label13"));
    Text45 = new QLineEdit(QStringLiteral("1"), this);
    Text45->setObjectName(QStringLiteral("Text45"));
    Label13->setBuddy(Text45);
    const char *captions[] = {"OK", "Cancel"};
    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command1[0]->setDefault(true);

    auto *row = new QHBoxLayout;
    row->addWidget(Label13);
    row->addWidget(Text45);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1[0]);
    buttons->addWidget(Command1[1]);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    hide();
}

void CopiesPanel::open(const QVariant &organ1, bool extendedRangeFuel)
{
    Text45->setText(PrintJob::defaultCopiesText(organ1, extendedRangeFuel));
    show();
    raise();
    Text45->setFocus();
    Text45->selectAll();
}

QString CopiesPanel::copiesText() const
{
    return Text45->text();
}

void CopiesPanel::Command1_Click(int index)
{
    hide();
    if (index == 0)
        emit okPressed(Text45->text());
    else
        emit cancelPressed();
}
