#pragma once

#include "reports/InspectionActivity.h"

#include <QObject>
#include <array>
#include <functional>

class ActivityReportDialog;
class MessageService;
class QLineEdit;
class QPushButton;
class QWidget;
class Recordset;

// What the activity report and the statistics export are given of the window: their
// buttons beside the period statistics, the statistics' boxes, the Form data control (its
// file), the printer chosen in set-up and the message boxes.
struct ActivityParts
{
    QWidget *window;
    QPushButton *cmdActivityReport;     // "Inspection activity..."
    QPushButton *cmdStatisticsCsv;      // "Export CSV..." of the period statistics
    QLineEdit *periodStart;             // Text47(11)
    QLineEdit *periodEnd;               // Text47(13)
    std::array<QLineEdit *, 6> Text48;  // the counts: repair 0/2, alteration 1/4, total 3/5
    Recordset &Data1;
    const QString &selectedPrinterName;  // empty for the system default
    MessageService &messages;
};

// Opens the inspection activity report and writes it (print, CSV, PDF); writes the period
// statistics as CSV.
class ActivityHandlers : public QObject
{
    Q_OBJECT
public:
    explicit ActivityHandlers(const ActivityParts &parts);

    void openReport();
    void fillReport();
    void printReport();
    bool exportCsv();
    bool exportPdf();
    bool exportStatisticsCsv();

    // Asks for a file to write (title, suggested name); empty when declined. Tests replace it.
    std::function<QString(const QString &, const QString &)> chooseFile;

    ActivityReportDialog *dialog() const { return m_dialog; }

private:
    InspectionActivity::Year year() const;
    QString html() const;
    bool writeText(const QString &path, const QString &text);
    bool printTo(const QString &pdfPath);

    ActivityParts w;
    ActivityReportDialog *m_dialog;
    QList<InspectionActivity::Row> m_rows;
};
