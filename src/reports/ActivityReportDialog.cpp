#include "reports/ActivityReportDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ActivityReportDialog::ActivityReportDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgActivity"));
    setWindowTitle(tr("Inspection activity"));
    cboActivityYear = new QComboBox(this);
    cboActivityYear->setObjectName(QStringLiteral("cboActivityYear"));
    cboActivityYear->addItems({tr("Calendar year"), tr("Inspection-authorization year (1 April "
                                                       "to 31 March)")});
    lstActivity = new QTableWidget(0, 6, this);
    lstActivity->setObjectName(QStringLiteral("lstActivity"));
    lstActivity->setHorizontalHeaderLabels({tr("Inspector"), tr("First day"), tr("Last day"),
                                            tr("Major repairs"), tr("Major alterations"),
                                            tr("Total")});
    lstActivity->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstActivity->verticalHeader()->hide();
    cmdActivityPrint = new QPushButton(tr("Print"), this);
    cmdActivityPrint->setObjectName(QStringLiteral("cmdActivityPrint"));
    cmdActivityCsv = new QPushButton(tr("Export CSV..."), this);
    cmdActivityCsv->setObjectName(QStringLiteral("cmdActivityCsv"));
    cmdActivityPdf = new QPushButton(tr("Export PDF..."), this);
    cmdActivityPdf->setObjectName(QStringLiteral("cmdActivityPdf"));
    auto *close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Periods"), this));
    top->addWidget(cboActivityYear, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {cmdActivityPrint, cmdActivityCsv, cmdActivityPdf, close})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lstActivity, 1);
    layout->addLayout(buttons);
    resize(680, 400);
}
