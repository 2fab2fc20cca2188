#include "mailing/UnsentFormsPanel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

UnsentFormsPanel::UnsentFormsPanel(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgUnsentForms"));
    setWindowTitle(tr("FAA copies not yet sent"));
    lstUnsent = new QTableWidget(0, ColumnCount, this);
    lstUnsent->setObjectName(QStringLiteral("lstUnsent"));
    lstUnsent->setHorizontalHeaderLabels(
        {tr("Registration mark"), tr("Approved"), tr("Send by"), tr("Mail to")});
    lstUnsent->horizontalHeader()->setStretchLastSection(true);
    lstUnsent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstUnsent->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstUnsent->verticalHeader()->hide();

    txtSentDate = new QLineEdit(this);
    txtSentDate->setObjectName(QStringLiteral("txtSentDate"));
    txtSentTracking = new QLineEdit(this);
    txtSentTracking->setObjectName(QStringLiteral("txtSentTracking"));
    txtSentTracking->setMaxLength(100);  // typed only; the FaaTracking column's length
    auto *entry = new QFormLayout;
    entry->addRow(tr("Sent on"), txtSentDate);
    entry->addRow(tr("Tracking"), txtSentTracking);

    cmdRecordSent = new QPushButton(tr("Record ticked forms as sent"), this);
    cmdRecordSent->setObjectName(QStringLiteral("cmdRecordSent"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdCloseUnsent"));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::hide);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRecordSent);
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Tick the forms whose FAA copy was mailed, then record the "
                                    "date and tracking once for all of them."),
                                 this));
    layout->addWidget(lstUnsent, 1);
    layout->addLayout(entry);
    layout->addLayout(buttons);
    resize(720, 420);
}

QList<qint64> UnsentFormsPanel::tickedForms() const
{
    QList<qint64> ids;
    for (int row = 0; row < lstUnsent->rowCount(); ++row) {
        const QTableWidgetItem *item = lstUnsent->item(row, Mark);
        if (item && item->checkState() == Qt::Checked)
            ids << item->data(Qt::UserRole).toLongLong();
    }
    return ids;
}
