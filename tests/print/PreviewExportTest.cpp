#include "PreviewExportTest.h"
#include "common/TestRegistry.h"

#include "PdfTools.h"
#include "PreviewTestSupport.h"
#include "PrintTestSupport.h"
#include "common/ScriptedMessages.h"

#include "print/FormDocument.h"
#include "print/PdfExport.h"
#include "print/PreviewPages.h"
#include "print/PrintJob.h"
#include "print/QtPrintEnvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const FontsWithout &systemFonts()
{
    static const FontsWithout fonts;
    return fonts;
}

const QDate exportDay(2001, 3, 5);

QString exportTo(const QTemporaryDir &dir, const FormSnapshot &form,
                 const QString &name = "form.pdf")
{
    const QString path = dir.filePath(name);
    PdfExport(systemFonts()).write(path, form, 0, exportDay);
    return path;
}

// Mean darkness of blocks of block x block pixels: a coarse picture of a page that
// forgives anti-aliasing and rasterizers while catching anything misplaced.
QList<double> blocks(const QImage &image, int block)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QList<double> out;
    for (int by = 0; by + block <= grey.height(); by += block) {
        for (int bx = 0; bx + block <= grey.width(); bx += block) {
            double ink = 0;
            for (int y = by; y < by + block; ++y) {
                const uchar *row = grey.constScanLine(y);
                for (int x = bx; x < bx + block; ++x)
                    ink += 255 - row[x];
            }
            out << ink / (block * block);
        }
    }
    return out;
}

// The largest difference of block darkness (blocks of a tenth of an inch at 150 dpi)
// between two pages of the same size.
double largestBlockDifference(const QImage &a, const QImage &b)
{
    const QList<double> left = blocks(a, 15);
    const QList<double> right = blocks(b, 15);
    if (a.size() != b.size() || left.size() != right.size())
        return 255;
    double largest = 0;
    for (int i = 0; i < left.size(); ++i)
        largest = qMax(largest, qAbs(left[i] - right[i]));
    return largest;
}

bool sameOp(const PrintOp &a, const PrintOp &b)
{
    return a.kind == b.kind && a.area == b.area && a.at == b.at && a.text == b.text
           && a.font == b.font && a.drawWidth == b.drawWidth && a.lineFeed == b.lineFeed
           && a.topShift == b.topShift;
}

}  // namespace

void PreviewExportTest::sameDrawingAsThePrintedCopy()
{
    // What the printer gets: the front document, then the back with its continuation sheets.
    const FormSnapshot form = previewSampleForm(61);
    RecordingEnvironment printer(systemFonts());
    ScriptedMessages messages;
    PrintJob job(printer, messages, [] { return std::optional<int>(120); });
    QCOMPARE(job.PrintForm(form), PrintJob::Outcome::Printed);
    QCOMPARE(printer.documents.size(), 2);
    PrintLog printed = *printer.documents[0];
    QCOMPARE(printed.takeLast().kind, PrintOp::EndDoc);
    PrintOp pageBreak;
    pageBreak.kind = PrintOp::NewPage;
    printed << pageBreak << *printer.documents[1];

    // What the preview and the PDF draw: one document of the same pages.
    RecordingSurface surface(systemFonts());
    FormDocument::draw(surface, form, 120);
    const PrintLog &whole = surface.ops();
    QCOMPARE(whole.size(), printed.size());
    for (int i = 0; i < whole.size(); ++i) {
        if (whole[i].kind == PrintOp::NewPage)
            continue;  // the page break's own font and width are not drawn
        QVERIFY2(sameOp(whole[i], printed[i]),
                 qPrintable(QString("operation %1: %2").arg(i).arg(whole[i].text)));
    }
    QCOMPARE(countKind(whole, PrintOp::NewPage), 2);  // back page and one continuation sheet
}

void PreviewExportTest::pageCounts_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("no description") << 0 << 2 << QString();
    QTest::newRow("one line") << 1 << 2 << "Line 1: removed";
    QTest::newRow("60 lines fill the back") << 60 << 2 << "Line 60: removed";
    QTest::newRow("61 lines need a sheet") << 61 << 3 << "Line 61: removed";
    QTest::newRow("180 lines") << 180 << 4 << "Line 180: removed";
}

void PreviewExportTest::pageCounts()
{
    QFETCH(int, lines);
    QFETCH(int, pages);
    QFETCH(QString, lastLine);
    if (!PdfTools::available())
        QSKIP("poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed");
    FormSnapshot form = previewSampleForm(lines);
    if (lines == 0)
        form.description.clear();
    QTemporaryDir dir;
    const QString pdf = exportTo(dir, form);
    QCOMPARE(PdfTools::pageCount(pdf), pages);
    QCOMPARE(PreviewPages::render(form, 0, systemFonts()).size(), pages);
    // Every page is reported as it is done, counted up to the whole.
    QList<QPair<int, int>> reported;
    ScriptedProgress progress(reported);
    QCOMPARE(PreviewPages::render(form, 0, systemFonts(), &progress).size(), pages);
    QCOMPARE(reported.size(), pages);
    for (int i = 0; i < pages; ++i)
        QCOMPARE(reported[i].first, i + 1);
    QCOMPARE(reported.last(), qMakePair(pages, pages));

    const QString text = PdfTools::text(pdf);
    for (const char *expected :
         {"MAJOR REPAIR AND ALTERATION", "N4721K", "Cessna", "Blue Ridge Flying Club", "Lycoming",
          "IO-360-L2A", "Valley Aircraft Services", "March 17, 2011", "Helen Carter", "DMIR-2207",
          "NOTICE", "8. Description of Work Accomplished"})
        QVERIFY2(text.contains(expected), expected);
    if (!lastLine.isEmpty()) {
        QVERIFY(text.contains("Line 1: removed, inspected and reinstalled the fitting."));
        QVERIFY(text.contains(lastLine));
    }
    QCOMPARE(text.count("Description of Work Accomplished - Continued ..... Robert Lancaster"),
             pages - 2);
    QCOMPARE(PdfTools::info(pdf, "Page size").startsWith("612 x 792 pts"), true);  // US Letter
}

void PreviewExportTest::documentInformation()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed");
    QTemporaryDir dir;
    const QString pdf = exportTo(dir, previewSampleForm());
    QCOMPARE(PdfTools::info(pdf, "Title"), QString("FAA Form 337"));
    QCOMPARE(PdfTools::info(pdf, "Creator"), QString("FAA Form 337 N4721K, March 05, 2001"));
    const QString xmp = PdfTools::run("pdfinfo", {"-meta", pdf});
    QVERIFY2(xmp.contains("<rdf:li>N4721K</rdf:li>"), qPrintable(xmp));
    QVERIFY(xmp.contains("<rdf:li>2001-03-05</rdf:li>"));

    // Markup in the mark stays text in the packet.
    FormSnapshot form = previewSampleForm();
    form.registrationMark = "N<1>&";
    const QString odd = exportTo(dir, form, "odd.pdf");
    QVERIFY(PdfTools::run("pdfinfo", {"-meta", odd}).contains("<rdf:li>N&lt;1&gt;&amp;</rdf:li>"));
    QCOMPARE(PdfTools::pageCount(odd), 2);
}

void PreviewExportTest::defaultFileName_data()
{
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("name");
    QTest::newRow("mark") << "N4721K"
                          << "N4721K-2001-03-05.pdf";
    QTest::newRow("blanks around") << "  N4721K "
                                   << "N4721K-2001-03-05.pdf";
    QTest::newRow("no mark") << ""
                             << "FAA-Form-337-2001-03-05.pdf";
    QTest::newRow("only unsafe characters") << "*?/"
                                            << "FAA-Form-337-2001-03-05.pdf";
    QTest::newRow("a folder in the mark stays in the name") << "../N1 2"
                                                            << "N1-2-2001-03-05.pdf";
}

void PreviewExportTest::defaultFileName()
{
    QFETCH(QString, mark);
    QFETCH(QString, name);
    QCOMPARE(PdfExport::defaultFileName(mark, exportDay), name);
}

void PreviewExportTest::unwritableFileIsReported()
{
    const QString path = "/nonexistent-folder/sub/form.pdf";
    try {
        PdfExport(systemFonts()).write(path, previewSampleForm(), 0, exportDay);
        QFAIL("an unwritable file was reported written");
    } catch (const PrintError &error) {
        QCOMPARE(error.number(), PrintError::PrinterError);
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
    }
    QVERIFY(!QFile::exists(path));
}

void PreviewExportTest::missingFontLeavesEarlierFileAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("form.pdf");
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier export");
    }
    const FontsWithout fonts({"QuickType Condensed"});
    try {
        PdfExport(fonts).write(path, previewSampleForm(), 0, exportDay);
        QFAIL("a missing font was not reported");
    } catch (const PrintError &error) {
        QCOMPARE(error.number(), PrintError::InvalidPropertyValue);
    }
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier export"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList{"form.pdf"});  // no temporary file left

    try {
        PreviewPages::render(previewSampleForm(), 0, fonts);
        QFAIL("the preview drew without the font");
    } catch (const PrintError &error) {
        QCOMPARE(error.number(), PrintError::InvalidPropertyValue);
    }
}

void PreviewExportTest::previewPagesLookLikeThePdf()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed");
    const FormSnapshot form = previewSampleForm(61);
    QTemporaryDir dir;
    const QString pdf = exportTo(dir, form);
    const QList<QPicture> pages = PreviewPages::render(form, 0, systemFonts());
    QCOMPARE(pages.size(), 3);
    constexpr int dpi = 150;
    QList<QImage> printed;
    for (int i = 0; i < pages.size(); ++i) {
        printed << PdfTools::page(pdf, i + 1, dpi);
        QVERIFY(!printed.last().isNull());
        const QImage shown = PreviewPages::rasterize(pages[i], dpi);
        const double difference = largestBlockDifference(shown, printed[i]);
        QVERIFY2(difference < 40,
                 qPrintable(QString("page %1 differs by %2").arg(i + 1).arg(difference)));
    }
    // The comparison tells pages apart: the back is not the front, nor a sheet the back.
    QVERIFY(largestBlockDifference(PreviewPages::rasterize(pages[1], dpi), printed[0]) > 80);
    QVERIFY(largestBlockDifference(PreviewPages::rasterize(pages[2], dpi), printed[1]) > 80);
}

namespace {

// Prints to PDF files as on a system without printers, with Cancel pressed once a page is done.
class CancellingPdfEnvironment : public QtPrintEnvironment
{
public:
    CancellingPdfEnvironment(const QString &chosen, int cancelAt)
        : QtPrintEnvironment(systemFonts())
        , m_cancelAt(cancelAt)
    {
        setPrinterNames([] { return QStringList(); });
        setAskFileName([chosen](const QString &) { return chosen; });
    }
    std::unique_ptr<PageProgress> watchProgress(const QString &) override
    {
        return std::make_unique<ScriptedProgress>(reported, m_cancelAt);
    }
    QList<QPair<int, int>> reported;

private:
    int m_cancelAt;
};

}  // namespace

void PreviewExportTest::cancelStopsCleanly_data()
{
    QTest::addColumn<QString>("run");
    QTest::newRow("export") << "export";
    QTest::newRow("preview") << "preview";
    QTest::newRow("print to a PDF file") << "print";
}

void PreviewExportTest::cancelStopsCleanly()
{
    QFETCH(QString, run);
    const FormSnapshot form = previewSampleForm(300);  // front, back and four continuation sheets
    QTemporaryDir dir;
    const QString path = dir.filePath("form.pdf");
    QList<QPair<int, int>> reported;
    ScriptedProgress progress(reported, 3);
    if (run == "print") {
        CancellingPdfEnvironment environment(path, 3);
        ScriptedMessages messages;
        PrintJob job(environment, messages, [] { return std::optional<int>(0); });
        QCOMPARE(job.PrintForm(form), PrintJob::Outcome::Stopped);
        // The one file of the whole form stopped on its third page and was never written.
        QVERIFY(messages.asked.isEmpty());  // no reinsert prompt for a file; Cancel says nothing
        QCOMPARE(environment.reported.last(), qMakePair(3, 6));  // front, back, four sheets
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        return;
    }
    try {
        if (run == "export") {
            {
                QFile earlier(path);
                QVERIFY(earlier.open(QIODevice::WriteOnly));
                earlier.write("an earlier export");
            }
            PdfExport(systemFonts()).write(path, form, 0, exportDay, &progress);
        } else {
            PreviewPages::render(form, 0, systemFonts(), &progress);
        }
        QFAIL("Cancel did not stop the run");
    } catch (const PrintError &error) {
        QCOMPARE(error.number(), PrintError::Cancelled);
    }
    QCOMPARE(reported.last(), qMakePair(3, 6));
    if (run == "export") {
        // No half-written file takes the place of the earlier one, and none is left beside it.
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("an earlier export"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"form.pdf"});
    }
}

REGISTER_TEST(PreviewExportTest)
