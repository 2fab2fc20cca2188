#include "access/AdminPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QFormLayout>

AdminPanel::AdminPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("SSPanel3"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    Combo6 = new QComboBox(this);
    Combo6->setObjectName(QStringLiteral("Combo6"));
    Combo6->setEditable(true);
    Combo6->setInsertPolicy(QComboBox::NoInsert);
    Combo6->lineEdit()->setPlaceholderText(tr("Press New to enter new DMIR"));
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("DMIR Name"), Combo6);
}
