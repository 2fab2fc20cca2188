#include "PrintJobTest.h"
#include "common/TestRegistry.h"

#include "PrintTestSupport.h"
#include "common/ScriptedMessages.h"

#include "common/SampleForm.h"
#include "print/BackPage.h"
#include "print/CopiesPanel.h"
#include "print/PrintChecklist.h"
#include "print/PrintJob.h"
#include "print/QtPrintEnvironment.h"
#include "print/QtPrintSurface.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const FontsWithout &systemFonts()
{
    static const FontsWithout fonts;
    return fonts;
}

const Msg::Request *find(const ScriptedMessages &messages, const QString &title)
{
    for (const Msg::Request &r : messages.asked) {
        if (r.title == title)
            return &r;
    }
    return nullptr;
}

}  // namespace

void PrintJobTest::copies_data()
{
    QTest::addColumn<QString>("copies");
    QTest::addColumn<int>("runs");
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("2.5 prints two") << "2.5" << 2;
    QTest::newRow("3 copies") << "3 copies" << 3;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("-1") << "-1" << 0;
    QTest::newRow("words") << "words" << 0;
}

void PrintJobTest::copies()
{
    QFETCH(QString, copies);
    QFETCH(int, runs);
    RecordingEnvironment environment(systemFonts());
    ScriptedMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    QCOMPARE(job.printCopies(copies, sampleForm()), runs);
    // Each copy: front, the reinsert prompt, back; nothing else is said.
    QCOMPARE(environment.sides.size(), 2 * runs);
    for (int i = 0; i < environment.sides.size(); ++i)
        QCOMPARE(environment.sides[i],
                 i % 2 == 0 ? PrintEnvironment::Side::Front : PrintEnvironment::Side::Back);
    QCOMPARE(messages.asked.size(), runs);
    for (const auto &doc : environment.documents)
        QCOMPARE(doc->last().kind, PrintOp::EndDoc);
    QVERIFY(!QApplication::overrideCursor());
}

void PrintJobTest::defaultCopies_data()
{
    QTest::addColumn<QVariant>("organ1");
    QTest::addColumn<bool>("check2");
    QTest::addColumn<QString>("text");
    QTest::newRow("Null") << QVariant() << false << "1";
    QTest::newRow("2") << QVariant("2") << false << "2";
    QTest::newRow("3 followed by words") << QVariant("3 copies") << false << "3";
    QTest::newRow("no number") << QVariant("some") << false << "0";
    QTest::newRow("a fraction") << QVariant("2.5") << false << "2.5";
    // Extended-range fuel tanks: owner, FAA and one aboard, or more when the default says so.
    QTest::newRow("fuel tanks, Null") << QVariant() << true << "3";
    QTest::newRow("fuel tanks, 1") << QVariant("1") << true << "3";
    QTest::newRow("fuel tanks, no number") << QVariant("some") << true << "3";
    QTest::newRow("fuel tanks, 2.5") << QVariant("2.5") << true << "3";
    QTest::newRow("fuel tanks, 3") << QVariant("3") << true << "3";
    QTest::newRow("fuel tanks, 5") << QVariant("5") << true << "5";
}

void PrintJobTest::defaultCopies()
{
    QFETCH(QVariant, organ1);
    QFETCH(bool, check2);
    QFETCH(QString, text);
    QCOMPARE(PrintJob::defaultCopiesText(organ1, check2), text);
}

void PrintJobTest::cancelAtReinsertPrintsFrontOnly()
{
    RecordingEnvironment environment(systemFonts());
    ScriptedMessages messages;
    messages.script = {Msg::Answer::Cancel};
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    QCOMPARE(job.PrintForm(sampleForm()), PrintJob::Outcome::FrontOnly);
    QCOMPARE(environment.sides, QList<PrintEnvironment::Side>{PrintEnvironment::Side::Front});
    QCOMPARE(environment.documents[0]->last().kind, PrintOp::EndDoc);
    QCOMPARE(messages.asked.size(), 1);
    const Msg::Request &prompt = messages.asked[0];
    QCOMPARE(prompt.text, QString("Press OK when ready or Cancel to not print back of form"));
    QCOMPARE(prompt.title, QString("Reinsert form to print back"));
    QCOMPARE(prompt.buttons, Msg::Buttons::OkCancel);
    QCOMPARE(prompt.icon, Msg::Icon::Information);
    QVERIFY(!QApplication::overrideCursor());

    // Cancel for one copy of the loop; the next copy still prints front and back.
    messages.script = {Msg::Answer::Cancel, Msg::Answer::Ok};
    QCOMPARE(job.printCopies("2", sampleForm()), 2);
    QCOMPARE(environment.count(PrintEnvironment::Side::Front), 3);
    QCOMPARE(environment.count(PrintEnvironment::Side::Back), 1);
}

void PrintJobTest::missingFontEndsTheRunOnTheFrontPage()
{
    const FontsWithout fonts({"QuickType Condensed"});
    RecordingEnvironment environment(fonts);
    ScriptedMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    QCOMPARE(job.printCopies("3", sampleForm()), 1);  // stopped, not failed three times over

    QCOMPARE(messages.asked.size(), 1);
    const Msg::Request &m = messages.asked[0];
    QCOMPARE(m.text, QString("1) Save form. 2) Exit program. 3) Install fonts per manual."));
    QCOMPARE(m.title, QString("Necessary printer fonts not installed"));
    QCOMPARE(m.buttons, Msg::Buttons::Ok);
    QCOMPARE(m.icon, Msg::Icon::Critical);

    // One document: the rules, the emblem and the Arial header, ended and printed.
    QCOMPARE(environment.documents.size(), 1);
    const PrintLog &front = *environment.documents[0];
    QCOMPARE(front.last().kind, PrintOp::EndDoc);
    QVERIFY(countKind(front, PrintOp::Line) > 50);
    QCOMPARE(countKind(front, PrintOp::Picture), 1);
    const QList<PrintOp> texts = textOps(front);
    QCOMPARE(texts.first().text, QString("US Department"));
    QCOMPARE(texts.last().text, QString("such violation (49 U.S.C. 46301(a))"));
    for (const PrintOp &op : texts)
        QCOMPARE(op.font.name, QString("Arial"));
    QVERIFY(!QApplication::overrideCursor());
}

void PrintJobTest::printerFailure_data()
{
    QTest::addColumn<int>("failAtDocument");
    QTest::addColumn<int>("documentsPrinted");
    QTest::newRow("cannot start the front") << 0 << 0;
    QTest::newRow("lost before the back") << 1 << 1;
}

void PrintJobTest::printerFailure()
{
    QFETCH(int, failAtDocument);
    QFETCH(int, documentsPrinted);
    RecordingEnvironment environment(systemFonts());
    environment.failAtDocument = failAtDocument;
    ScriptedMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    QCOMPARE(job.printCopies("2", sampleForm()), 1);
    QCOMPARE(environment.documents.size(), documentsPrinted);
    const Msg::Request *report = find(messages, "Printing stopped");
    QVERIFY(report);
    QVERIFY(report->text.contains("The printer is offline."));
    QCOMPARE(report->icon, Msg::Icon::Critical);
    QVERIFY(!QApplication::overrideCursor());
}

namespace {

// A recording surface whose device goes away after a number of drawing operations.
class VanishingSurface : public RecordingSurface
{
public:
    VanishingSurface(const FontCheck &fonts, int opsLeft)
        : RecordingSurface(fonts)
        , m_opsLeft(opsLeft)
    { }

protected:
    void drawLine(const QLineF &line) override
    {
        if (--m_opsLeft < 0)
            throw PrintError(PrintError::PrinterError, "The printer is no longer available.");
        RecordingSurface::drawLine(line);
    }

private:
    int m_opsLeft;
};

class VanishingEnvironment : public PrintEnvironment
{
public:
    std::unique_ptr<PrintSurface> beginDocument(const Document &) override
    {
        return std::make_unique<VanishingSurface>(systemFonts(), 10);
    }
};

}  // namespace

void PrintJobTest::unwritablePdfIsReportedNotCrashed()
{
    // A printer lost in the middle of a page.
    {
        VanishingEnvironment environment;
        ScriptedMessages messages;
        PrintJob job(environment, messages, {});
        QCOMPARE(job.PrintForm(sampleForm()), PrintJob::Outcome::Stopped);
        QVERIFY(find(messages, "Printing stopped"));
        QVERIFY(!QApplication::overrideCursor());
    }
    // The real device: a PDF file that cannot be written.
    QtPrintEnvironment environment(systemFonts());
    environment.setPrinterNames([] { return QStringList(); });
    environment.setAskFileName(
        [](const QString &) { return QString("/nonexistent-folder/sub/form.pdf"); });
    ScriptedMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    QCOMPARE(job.PrintForm(sampleForm()), PrintJob::Outcome::Stopped);
    const Msg::Request *report = find(messages, "Printing stopped");
    QVERIFY(report);
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(!QApplication::overrideCursor());
}

void PrintJobTest::shiftWithoutRoomIsReported()
{
    RecordingEnvironment environment(systemFonts());
    ScriptedMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(14400); });
    QCOMPARE(job.PrintForm(sampleForm()), PrintJob::Outcome::Stopped);
    const Msg::Request *report = find(messages, "Printing stopped");
    QVERIFY(report);
    QVERIFY(report->text.contains("14400"));
    QVERIFY(!QApplication::overrideCursor());
}

void PrintJobTest::declinedFileDialogPrintsNothing()
{
    QTemporaryDir folder;
    QtPrintEnvironment environment(systemFonts());
    environment.setPrinterNames([] { return QStringList(); });
    QString suggested;
    environment.setAskFileName([&suggested](const QString &s) {
        suggested = s;
        return QString();
    });
    ScriptedMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    QCOMPARE(job.printCopies("2", sampleForm()), 1);
    QVERIFY(suggested.endsWith("FAA-Form-337-N4721K.pdf"));
    QVERIFY(messages.asked.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

void PrintJobTest::scaleFromTopShift_data()
{
    QTest::addColumn<QVariant>("topShift");  // invalid = Null
    QTest::addColumn<QPointF>("page");
    QTest::addColumn<QPointF>("inches");  // from the paper's top-left corner
    QTest::newRow("0: origin") << QVariant(0) << QPointF(0, 0) << QPointF(0.25, 0.5);
    QTest::newRow("0: far corner") << QVariant(0) << QPointF(11520, 14400) << QPointF(8.25, 10.5);
    QTest::newRow("0: one inch in") << QVariant(0) << QPointF(1440, 1440) << QPointF(1.25, 1.5);
    QTest::newRow("100: y 100 is the top edge")
        << QVariant(100) << QPointF(0, 100) << QPointF(0.25, 0.5);
    QTest::newRow("100: bottom stays")
        << QVariant(100) << QPointF(11520, 14400) << QPointF(8.25, 10.5);
    QTest::newRow("100: y 0 above the area")
        << QVariant(100) << QPointF(0, 0) << QPointF(0.25, 0.5 - 1000.0 / 14300);
    QTest::newRow("-200 moves down")
        << QVariant(-200) << QPointF(0, 0) << QPointF(0.25, 0.5 + 2000.0 / 14600);
    QTest::newRow("Null: twips from the top")
        << QVariant() << QPointF(1440, 1440) << QPointF(1.25, 1.5);
}

void PrintJobTest::scaleFromTopShift()
{
    QFETCH(QVariant, topShift);
    QFETCH(QPointF, page);
    QFETCH(QPointF, inches);
    QTemporaryDir folder;
    auto writer = std::make_unique<QPdfWriter>(folder.filePath("scale.pdf"));
    const double dpi = writer->resolution();
    QtPrintSurface surface(std::move(writer), systemFonts());
    const std::optional<int> shift
        = topShift.isValid() ? std::optional<int>(topShift.toInt()) : std::nullopt;
    surface.setScale(shift);
    const QPointF device = surface.toDevice(page);
    QVERIFY(qAbs(device.x() - inches.x() * dpi) < 0.5);
    QVERIFY2(qAbs(device.y() - inches.y() * dpi) < 0.5,
             qPrintable(QString::number(device.y() / dpi)));

    // The print job sets that scale at the start of each of its two documents.
    RecordingEnvironment environment(systemFonts());
    ScriptedMessages messages;
    int reads = 0;
    PrintJob job(environment, messages, [&] {
        ++reads;
        return shift;
    });
    job.PrintForm(sampleForm());
    QCOMPARE(reads, 2);
    for (const auto &doc : environment.documents) {
        QCOMPARE(doc->first().kind, PrintOp::Scale);
        QCOMPARE(doc->first().topShift, shift);
    }
}

void PrintJobTest::pdfNamesSortTogether_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("back");
    QTest::newRow("with .pdf") << "/tmp/N1.pdf"
                               << "/tmp/N1-1-front.pdf"
                               << "/tmp/N1-2-back.pdf";
    QTest::newRow("without suffix") << "/tmp/N1"
                                    << "/tmp/N1-1-front.pdf"
                                    << "/tmp/N1-2-back.pdf";
    QTest::newRow("a front name chosen again") << "/tmp/N1-1-front.pdf"
                                               << "/tmp/N1-1-front.pdf"
                                               << "/tmp/N1-2-back.pdf";
}

void PrintJobTest::pdfNamesSortTogether()
{
    QFETCH(QString, chosen);
    QFETCH(QString, front);
    QFETCH(QString, back);
    QCOMPARE(QtPrintEnvironment::pdfPath(chosen, PrintEnvironment::Side::Front), front);
    QCOMPARE(QtPrintEnvironment::pdfPath(chosen, PrintEnvironment::Side::Back), back);
    QVERIFY(front < back);
}

void PrintJobTest::completeFormToPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir folder;
    QtPrintEnvironment environment(systemFonts());
    environment.setPrinterNames([] { return QStringList(); });
    int asked = 0;
    environment.setAskFileName([&](const QString &) {
        ++asked;
        return folder.filePath("N4721K");
    });
    ScriptedMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    FormSnapshot form = sampleForm();
    QStringList paragraphs;
    for (int i = 1; i <= 135; ++i)
        paragraphs << QString("Step %1: inspected fitting %1, torqued and safety-wired.").arg(i);
    form.description = paragraphs.join("\r\n");
    QCOMPARE(job.PrintForm(form), PrintJob::Outcome::Printed);
    QCOMPARE(asked, 1);                 // one file for the whole form
    QVERIFY(messages.asked.isEmpty());  // a file needs no reinserted sheet
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"N4721K.pdf"});

    auto text = [&](const QString &file) {
        QProcess p;
        p.start(pdftotext, {"-layout", folder.filePath(file), "-"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    // pdftotext writes runs of blanks as one: compare with single blanks.
    auto contains = [](const QString &text, const char *expected) {
        return text.simplified().contains(QString(expected).simplified());
    };
    const QString whole = text("N4721K.pdf");
    const QString front = whole.section('\f', 0, 0);
    for (const char *expected :
         {"MAJOR  REPAIR  AND  ALTERATION", "1. Aircraft", "Nationality and Registration Mark",
          "N4721K", "Cessna", "Blue Ridge Flying Club", "Lycoming", "IO-360-L2A",
          "Valley Aircraft Services", "March 17, 2011", "Helen Carter", "DMIR-2207",
          "7. Approval for Return to Service", "FAA Form 337"})
        QVERIFY2(contains(front, expected), expected);
    const QString back = whole.section('\f', 1);
    QCOMPARE(whole.count('\f'), 4);  // front, back page and two continuation sheets
    for (const char *expected :
         {"NOTICE", "8.  Description of Work Accomplished", "Step 1: inspected fitting 1,",
          "Step 135: inspected", "Description of Work Accomplished - Continued ..... Robert",
          "Additional Sheets Are Attached"})
        QVERIFY2(contains(back, expected), expected);
    // The letter-spaced closing line comes out of pdftotext with its blanks taken out.
    QVERIFY(QString(back).remove(' ').contains("-----END-----"));
    QCOMPARE(back.count("Description of Work Accomplished - Continued"), 2);
}

void PrintJobTest::copiesPanel()
{
    QWidget window;
    auto *panel = new CopiesPanel(&window);
    QCOMPARE(panel->objectName(), QString("Panel3D5"));
    QCOMPARE(window.findChild<QLabel *>("Label13")->text(), QString("Copies"));
    auto *text45 = window.findChild<QLineEdit *>("Text45");
    QCOMPARE(text45->text(), QString("1"));
    auto *ok = window.findChild<QPushButton *>("Command1(0)");
    auto *cancel = window.findChild<QPushButton *>("Command1(1)");
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(cancel->text(), QString("Cancel"));
    QVERIFY(panel->isHidden());

    window.show();
    panel->open(QVariant("2"));
    QVERIFY(panel->isVisible());
    QCOMPARE(text45->text(), QString("2"));
    QSignalSpy okSpy(panel, &CopiesPanel::okPressed);
    QSignalSpy cancelSpy(panel, &CopiesPanel::cancelPressed);
    text45->setText("3");
    ok->click();
    QVERIFY(panel->isHidden());
    QCOMPARE(okSpy.size(), 1);
    QCOMPARE(okSpy[0][0].toString(), QString("3"));

    panel->open(QVariant());
    QCOMPARE(text45->text(), QString("1"));
    cancel->click();
    QVERIFY(panel->isHidden());
    QCOMPARE(cancelSpy.size(), 1);
    QCOMPARE(okSpy.size(), 1);
}

void PrintJobTest::checklist_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("check2");
    QTest::addColumn<QString>("approvalDate");
    // One character per line: x ticked by the program, o left to the inspector.
    QTest::addColumn<QString>("ticks");
    QTest::newRow("sample form") << "Installed engine per STC SE09201SC." << 0 << "March 18, 2011"
                                 << "xox";
    QTest::newRow("data, weight and balance, fuel tanks")
        << "Installed fuel tank per AC 43.13-2B.\r\nWeight & balance revised." << 1
        << "March 18, 2011"
        << "xxox";
    QTest::newRow("equipment list, approval before the work")
        << "Revised the equipment list." << 0 << "March 16, 2011"
        << "oxo";
    QTest::newRow("approval date missing") << "Field approval 8110-3." << 0 << ""
                                           << "xoo";
}

void PrintJobTest::checklist()
{
    QFETCH(QString, description);
    QFETCH(int, check2);
    QFETCH(QString, approvalDate);
    QFETCH(QString, ticks);
    FormSnapshot form = sampleForm();  // item 6 dated 3/17/2011
    form.description = description;
    form.extendedRangeFuel = check2;
    form.approvalDate = approvalDate;
    QString got;
    for (const PrintChecklist::Line &line : PrintChecklist::lines(form))
        got += line.ticked ? 'x' : 'o';
    QCOMPARE(got, ticks);

    // It warns and never blocks: OK prints, Cancel goes back; either way one question.
    for (Msg::Answer answer : {Msg::Answer::Ok, Msg::Answer::Cancel}) {
        ScriptedMessages messages;
        messages.script = {answer};
        QCOMPARE(PrintChecklist::confirm(messages, form), answer == Msg::Answer::Ok);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked[0].title, QString("Before printing"));
        QCOMPARE(messages.asked[0].buttons, Msg::Buttons::OkCancel);
    }
}

REGISTER_TEST(PrintJobTest)
