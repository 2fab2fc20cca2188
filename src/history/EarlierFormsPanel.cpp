#include "history/EarlierFormsPanel.h"

#include <QHeaderView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

EarlierFormsPanel::EarlierFormsPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlEarlierForms"));
    setFrameShape(QFrame::StyledPanel);
    cmdEarlierForms = new QToolButton(this);
    cmdEarlierForms->setObjectName(QStringLiteral("cmdEarlierForms"));
    cmdEarlierForms->setText(tr("Earlier forms"));
    cmdEarlierForms->setToolTip(
        tr("The stored forms of this aircraft (by registration mark, and by make, model and "
           "serial number): check a new alteration against the earlier ones"));
    cmdEarlierForms->setCheckable(true);
    cmdEarlierForms->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdEarlierForms->setArrowType(Qt::LeftArrow);

    lstEarlierForms = new QTreeWidget(this);
    lstEarlierForms->setObjectName(QStringLiteral("lstEarlierForms"));
    lstEarlierForms->setColumnCount(ColumnCount);
    lstEarlierForms->setHeaderLabels({tr("Date"), tr("Mark"), tr("Unit"), tr("Repair/Alteration"),
                                      tr("Approved/Rejected"), tr("Description")});
    lstEarlierForms->setRootIsDecorated(false);
    lstEarlierForms->setAlternatingRowColors(true);
    lstEarlierForms->setMinimumWidth(360);
    lstEarlierForms->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(cmdEarlierForms);
    layout->addWidget(lstEarlierForms, 1);

    connect(cmdEarlierForms, &QToolButton::toggled, this, &EarlierFormsPanel::setOpen);
    connect(lstEarlierForms, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        emit formChosen(item->data(Date, Qt::UserRole).toLongLong());
    });
}

bool EarlierFormsPanel::isOpen() const
{
    return !lstEarlierForms->isHidden();
}

void EarlierFormsPanel::setOpen(bool open)
{
    if (open == isOpen())
        return;
    cmdEarlierForms->setChecked(open);
    cmdEarlierForms->setArrowType(open ? Qt::RightArrow : Qt::LeftArrow);
    lstEarlierForms->setVisible(open);
    if (open)
        emit opened();
}
