#include "reports/ActivityHandlers.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "reports/ActivityReportDialog.h"
#include "ui/MessageService.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextDocument>

using namespace InspectionActivity;

namespace {

const QString kTitle = QObject::tr("Inspection activity");

}  // namespace

ActivityHandlers::ActivityHandlers(const ActivityParts &parts)
    : w(parts)
    , m_dialog(new ActivityReportDialog(parts.window))
{
    chooseFile = [this](const QString &title, const QString &suggested) {
        return QFileDialog::getSaveFileName(m_dialog, title, suggested);
    };
    connect(w.cmdActivityReport, &QPushButton::clicked, this, &ActivityHandlers::openReport);
    connect(w.cmdStatisticsCsv, &QPushButton::clicked, this,
            &ActivityHandlers::exportStatisticsCsv);
    connect(m_dialog->cboActivityYear, &QComboBox::currentIndexChanged, this,
            &ActivityHandlers::fillReport);
    connect(m_dialog->cmdActivityPrint, &QPushButton::clicked, this,
            &ActivityHandlers::printReport);
    connect(m_dialog->cmdActivityCsv, &QPushButton::clicked, this, &ActivityHandlers::exportCsv);
    connect(m_dialog->cmdActivityPdf, &QPushButton::clicked, this, &ActivityHandlers::exportPdf);
}

Year ActivityHandlers::year() const
{
    return m_dialog->cboActivityYear->currentIndex() == 1 ? Year::Authorization : Year::Calendar;
}

void ActivityHandlers::openReport()
{
    fillReport();
    m_dialog->show();
    m_dialog->raise();
}

void ActivityHandlers::fillReport()
{
    m_rows.clear();
    QTableWidget *list = m_dialog->lstActivity;
    list->setRowCount(0);
    const std::shared_ptr<Database> forms = w.Data1.database();
    if (!forms)
        return;
    try {
        m_rows = count(*forms, year());
    } catch (const DbError &error) {
        w.messages.tell(QObject::tr("The activity could not be counted: %1").arg(error.message()),
                        kTitle, Msg::Icon::Exclamation);
        return;
    }
    list->setRowCount(int(m_rows.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows[r];
        const QStringList cells{row.inspector,
                                row.period.first.toString(Qt::ISODate),
                                row.period.last.toString(Qt::ISODate),
                                QString::number(row.repairs),
                                QString::number(row.alterations),
                                QString::number(row.repairs + row.alterations)};
        for (int c = 0; c < cells.size(); ++c)
            list->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    list->resizeColumnsToContents();
}

QString ActivityHandlers::html() const
{
    QString out = QStringLiteral("<h3>%1</h3><p>%2</p><table border=\"1\" cellspacing=\"0\" "
                                 "cellpadding=\"4\"><tr>")
                      .arg(kTitle.toHtmlEscaped(),
                           m_dialog->cboActivityYear->currentText().toHtmlEscaped());
    for (int c = 0; c < m_dialog->lstActivity->columnCount(); ++c)
        out += QStringLiteral("<th>%1</th>")
                   .arg(m_dialog->lstActivity->horizontalHeaderItem(c)->text().toHtmlEscaped());
    out += QStringLiteral("</tr>");
    for (const Row &row : m_rows)
        out += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align=\"right\">%4</td>"
                              "<td align=\"right\">%5</td><td align=\"right\">%6</td></tr>")
                   .arg(row.inspector.toHtmlEscaped(), row.period.first.toString(Qt::ISODate),
                        row.period.last.toString(Qt::ISODate), QString::number(row.repairs),
                        QString::number(row.alterations),
                        QString::number(row.repairs + row.alterations));
    return out + QStringLiteral("</table>");
}

bool ActivityHandlers::printTo(const QString &pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    if (pdfPath.isEmpty()) {
        if (!w.selectedPrinterName.isEmpty())
            printer.setPrinterName(w.selectedPrinterName);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    QTextDocument document;
    document.setHtml(html());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        w.messages.tell(QObject::tr("The report could not be printed."), kTitle,
                        Msg::Icon::Exclamation);
        return false;
    }
    return true;
}

void ActivityHandlers::printReport()
{
    // With no printer at all the report goes to a PDF file, as the form does.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        exportPdf();
        return;
    }
    printTo(QString());
}

bool ActivityHandlers::exportPdf()
{
    const QString path
        = chooseFile(QObject::tr("Export PDF"), QStringLiteral("inspection-activity.pdf"));
    if (path.isEmpty())
        return false;
    return printTo(path);
}

bool ActivityHandlers::writeText(const QString &path, const QString &text)
{
    // Written whole or not at all: an existing file is replaced only once the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        w.messages.tell(QObject::tr("The file \"%1\" could not be written: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()),
                        kTitle, Msg::Icon::Exclamation);
        return false;
    }
    return true;
}

bool ActivityHandlers::exportCsv()
{
    const QString path
        = chooseFile(QObject::tr("Export CSV"), QStringLiteral("inspection-activity.csv"));
    return !path.isEmpty() && writeText(path, csv(m_rows));
}

bool ActivityHandlers::exportStatisticsCsv()
{
    const auto box = [this](int i) {
        return w.Text48[i]->text();
    };
    if (box(3).isEmpty() && box(5).isEmpty()) {
        w.messages.tell(QObject::tr("Calculate the period's counts first."),
                        QObject::tr("Export CSV"), Msg::Icon::Exclamation);
        return false;
    }
    const QString path
        = chooseFile(QObject::tr("Export CSV"), QStringLiteral("period-statistics.csv"));
    if (path.isEmpty())
        return false;
    const QList<QStringList> lines{
        {QObject::tr("Report period"), w.periodStart->text(), w.periodEnd->text()},
        {QString(), QObject::tr("Approved"), QObject::tr("Rejected")},
        {QObject::tr("Repair"), box(0), box(2)},
        {QObject::tr("Alteration"), box(1), box(4)},
        {QObject::tr("Total"), box(3), box(5)},
    };
    return writeText(path, csvLines(lines));
}
