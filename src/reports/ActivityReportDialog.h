#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QTableWidget;

// The inspection activity report: approved major repairs and alterations per signing
// inspector and period, printable and exportable as CSV and PDF.
class ActivityReportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ActivityReportDialog(QWidget *parent = nullptr);

    QComboBox *cboActivityYear;  // 0 calendar year, 1 inspection-authorization year
    QTableWidget *lstActivity;
    QPushButton *cmdActivityPrint;
    QPushButton *cmdActivityCsv;
    QPushButton *cmdActivityPdf;
};
