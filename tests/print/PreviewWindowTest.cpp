#include "PreviewWindowTest.h"
#include "common/TestRegistry.h"

#include "PdfTools.h"
#include "PreviewTestSupport.h"
#include "PrintTestSupport.h"
#include "common/TestWindow.h"

#include "access/SignInPanel.h"
#include "form/FormFields.h"
#include "form/FormScreen.h"
#include "form/FormSnapshot.h"
#include "print/CopiesPanel.h"
#include "print/PagePictureView.h"
#include "print/PreviewDialog.h"
#include "print/PreviewHandlers.h"
#include "print/PrintHandlers.h"
#include "ui/ControlText.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

const FontsWithout &systemFonts()
{
    static const FontsWithout fonts;
    return fonts;
}

// A window whose printer is a recording environment, so a test sees whatever is printed;
// printing, the preview and the export see the same fonts.
struct PrintingWindow
{
    explicit PrintingWindow(const FontCheck &fonts = systemFonts())
        : printer(fonts)
    {
        t.install();
        AppContext context;
        context.programFolder = t.folder;
        context.messages = &t.messages;
        context.clock = &t.clock;
        context.endProgram = [this] {
            ++t.endCalls;
        };
        context.printEnvironment = &printer;
        t.window = std::make_unique<Form1>(context);
        t.window->activate();
        handlers().setFontCheck(&fonts);
    }

    Form1 &w() { return *t.window; }
    PreviewHandlers &handlers() { return t.window->printHandlers().previewHandlers(); }

    // Types a form onto the screen, as a user would before saving it.
    void fillScreen(int descriptionLines)
    {
        FormScreen &s = *w().Panel3D1;
        s.Combo1[0]->setEditText("N4721K");
        s.Combo1[1]->setEditText("Cessna");
        setControlText(s.Text2[0], "Blue Ridge Flying Club");
        s.Text18->setPlainText(descriptionOfLines(descriptionLines));
    }

    QByteArray dataChecksum()
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const char *file : {"setup337.mdb", "Form337.mdb", "FAAForm337A.mdb"}) {
            QFile f(t.folder + '/' + file);
            if (f.open(QIODevice::ReadOnly))
                hash.addData(f.readAll());
        }
        return hash.result();
    }

    TestWindow t;
    RecordingEnvironment printer;
};

// Every value of the screen that printing reads.
QStringList screenValues(const FormScreen &screen)
{
    const FormSnapshot f = FormSnapshot::read(screen);
    QStringList out;
    for (const FormFields::Field &field : FormFields::all())
        out << f.*field.value;
    for (int choice :
         {f.typeOfWork, f.unitKind, f.agencyKind, f.extendedRangeFuel, f.verdict, f.approvedBy})
        out << QString::number(choice);
    return out;
}

}  // namespace

void PreviewWindowTest::buttonsBesidePrint()
{
    TestWindow t;
    Form1 &w = t.open();
    QCOMPARE(w.cmdPreview->objectName(), QString("cmdPreview"));
    QCOMPARE(w.cmdPreview->text(), QString("Preview"));
    QCOMPARE(w.cmdPreview->shortcut(), QKeySequence("Ctrl+Shift+P"));
    QCOMPARE(w.cmdExportPdf->objectName(), QString("cmdExportPdf"));
    QCOMPARE(w.cmdExportPdf->text(), QString("Export PDF"));
    QCOMPARE(w.findChild<QPushButton *>("cmdPreview"), w.cmdPreview);
    // On the button bar, right after Print.
    QCOMPARE(w.cmdPreview->parentWidget(), w.Command3D14->parentWidget());
    QLayout *row = w.Command3D14->parentWidget()->layout();
    QVERIFY(row);
    const int print = row->indexOf(w.Command3D14);
    QCOMPARE(row->indexOf(w.cmdPreview), print + 1);
    QCOMPARE(row->indexOf(w.cmdExportPdf), print + 2);
}

void PreviewWindowTest::enabledExactlyWithPrint_data()
{
    // Steps on the window, then whether Print is enabled (-1: left to the subsystem that
    // handles the step; only the equality with Print is checked).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("printEnabled");
    QTest::newRow("start, sign-in panel shown") << QStringList{} << 1;
    QTest::newRow("after sign-in") << QStringList{"sign in"} << -1;
    QTest::newRow("set-up panel open") << QStringList{"set-up"} << 0;
    QTest::newRow("set-up panel closed") << QStringList{"set-up", "set-up"} << 1;
    QTest::newRow("find panel open") << QStringList{"find"} << -1;
    QTest::newRow("Print disabled by code") << QStringList{"disable print"} << 0;
    QTest::newRow("Print enabled again") << QStringList{"disable print", "enable print"} << 1;
    QTest::newRow("whole bar disabled") << QStringList{"disable bar"} << 0;
    QTest::newRow("whole bar enabled again") << QStringList{"disable bar", "enable bar"} << 1;
    QTest::newRow("bar enabled while Print stays off")
        << QStringList{"disable print", "disable bar", "enable bar"} << 0;
}

void PreviewWindowTest::enabledExactlyWithPrint()
{
    QFETCH(QStringList, steps);
    QFETCH(int, printEnabled);
    TestWindow t;
    t.install();
    t.exec("FAAForm337A.mdb", "INSERT INTO Agents (Name, Password) VALUES (?, ?)",
           {"Robert Lancaster", "pw"});
    Form1 &w = t.open();
    QWidget *bar = w.Command3D14->parentWidget();
    for (const QString &step : steps) {
        if (step == "sign in") {
            w.SSPanel1->Combo4->setCurrentIndex(w.SSPanel1->Combo4->findText("Robert Lancaster"));
            w.SSPanel1->Text44->setText("pw");
            w.SSPanel1->SSCommand2->click();
        } else if (step == "set-up") {
            w.Command3D18->click();
        } else if (step == "find") {
            w.Command3D27->click();
        } else if (step == "disable print" || step == "enable print") {
            w.Command3D14->setEnabled(step == "enable print");
        } else {
            bar->setEnabled(step == "enable bar");
        }
    }
    if (printEnabled >= 0)
        QCOMPARE(w.Command3D14->isEnabled(), bool(printEnabled));
    QCOMPARE(w.cmdPreview->isEnabled(), w.Command3D14->isEnabled());
    QCOMPARE(w.cmdExportPdf->isEnabled(), w.Command3D14->isEnabled());
}

void PreviewWindowTest::previewShowsTheScreenAndChangesNothing()
{
    PrintingWindow p;
    Form1 &w = p.w();
    p.fillScreen(61);
    const QStringList before = screenValues(*w.Panel3D1);
    const QByteArray data = p.dataChecksum();
    const int newFormFlag = w.NewFormFlag;

    w.cmdPreview->click();
    PreviewDialog *dialog = p.handlers().previewDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->pageCount(), 3);  // front, back, one continuation sheet
    QCOMPARE(dialog->currentPage(), 0);
    // The window system adds the program's name; the title does not repeat it.
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Preview - N4721K"));
    QCOMPARE(dialog->pageLabel->text(), QString("Page 1 of 3: Front"));

    // The unsaved screen was previewed; nothing was printed, stored or changed.
    QVERIFY(p.printer.documents.isEmpty());
    QVERIFY(p.t.messages.asked.isEmpty());
    QCOMPARE(screenValues(*w.Panel3D1), before);
    QCOMPARE(p.dataChecksum(), data);
    QCOMPARE(w.NewFormFlag, newFormFlag);
    QVERIFY(!QApplication::overrideCursor());

    dialog->closeButton->click();
    QTRY_VERIFY(!p.handlers().previewDialog());
    QCOMPARE(screenValues(*w.Panel3D1), before);
    QVERIFY(p.printer.documents.isEmpty());
}

void PreviewWindowTest::previewNavigationAndZoom()
{
    PrintingWindow p;
    Form1 &w = p.w();
    p.fillScreen(130);
    p.handlers().cmdPreview_Click();
    PreviewDialog *dialog = p.handlers().previewDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->pageCount(), 4);
    QVERIFY(!dialog->previousButton->isEnabled());
    dialog->nextButton->click();
    QCOMPARE(dialog->currentPage(), 1);
    QCOMPARE(dialog->pageLabel->text(), QString("Page 2 of 4: Back"));
    dialog->lastButton->click();
    QCOMPARE(dialog->pageLabel->text(), QString("Page 4 of 4: Continuation sheet 2"));
    QVERIFY(!dialog->nextButton->isEnabled());
    dialog->showPage(7);  // out of range: stays
    QCOMPARE(dialog->currentPage(), 3);
    dialog->firstButton->click();
    QCOMPARE(dialog->currentPage(), 0);

    dialog->setZoom(1.0);
    QCOMPARE(dialog->zoomBox->currentText(), QString("100%"));
    dialog->zoomInButton->click();
    QCOMPARE(qRound(dialog->zoom() * 100), 125);
    QCOMPARE(dialog->zoomBox->currentText(), QString("125%"));
    dialog->zoomOutButton->click();
    dialog->zoomOutButton->click();
    QCOMPARE(qRound(dialog->zoom() * 100), 75);
    dialog->setZoom(4.0);
    QVERIFY(!dialog->zoomInButton->isEnabled());
    // A fitted page fits: the whole sheet within the scroll area.
    dialog->setZoomMode(PreviewDialog::ZoomMode::FitPage);
    QCOMPARE(dialog->zoomBox->currentText(), QString("Fit page"));
    QVERIFY(dialog->pageView->height() <= dialog->scrollArea->viewport()->height());
    dialog->setZoomMode(PreviewDialog::ZoomMode::FitWidth);
    QVERIFY(dialog->pageView->width() <= dialog->scrollArea->viewport()->width());
    QVERIFY(dialog->pageView->height() > dialog->scrollArea->viewport()->height());
    dialog->close();
}

void PreviewWindowTest::printFromThePreviewIsTheUsualRequest()
{
    PrintingWindow p;
    Form1 &w = p.w();
    p.fillScreen(1);
    w.cmdPreview->click();
    PreviewDialog *dialog = p.handlers().previewDialog();
    QVERIFY(dialog);
    dialog->printButton->click();
    QTRY_VERIFY(!p.handlers().previewDialog());
    // The Copies box asks, as after Print; OK prints front and back on the printer.
    QVERIFY(!w.Panel3D5->isHidden());
    QVERIFY(p.printer.documents.isEmpty());
    w.Panel3D5->Command1[0]->click();
    QCOMPARE(p.printer.sides, (QList<PrintEnvironment::Side>{PrintEnvironment::Side::Front,
                                                             PrintEnvironment::Side::Back}));
    QCOMPARE(p.t.messages.asked.size(), 1);  // the reinsert prompt
}

void PreviewWindowTest::exportWritesTheScreenToTheChosenFile()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed");
    PrintingWindow p;
    Form1 &w = p.w();
    p.fillScreen(61);
    const QStringList before = screenValues(*w.Panel3D1);
    const QByteArray data = p.dataChecksum();
    QTemporaryDir dir;
    QStringList suggested;
    p.handlers().setAskFileName([&](const QString &path) {
        suggested << path;
        return dir.filePath("chosen");  // no suffix typed: ".pdf" is added
    });
    w.cmdExportPdf->click();
    QCOMPARE(suggested.size(), 1);
    QCOMPARE(QFileInfo(suggested[0]).fileName(), QString("N4721K-2001-03-05.pdf"));
    const QString pdf = dir.filePath("chosen.pdf");
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(PdfTools::pageCount(pdf), 3);
    const QString text = PdfTools::text(pdf);
    for (const char *expected :
         {"N4721K", "Cessna", "Blue Ridge Flying Club", "Line 1: removed", "Line 61: removed"})
        QVERIFY2(text.contains(expected), expected);
    QCOMPARE(PdfTools::info(pdf, "Creator"), QString("FAA Form 337 N4721K, March 05, 2001"));
    QVERIFY(p.t.messages.asked.isEmpty());
    QVERIFY(p.printer.documents.isEmpty());
    QCOMPARE(screenValues(*w.Panel3D1), before);
    QCOMPARE(p.dataChecksum(), data);

    // The next export offers the folder of the last one; from the preview too.
    w.cmdPreview->click();
    p.handlers().previewDialog()->exportButton->click();
    QCOMPARE(suggested.size(), 2);
    QCOMPARE(QFileInfo(suggested[1]).absolutePath(), QFileInfo(pdf).absolutePath());
    p.handlers().previewDialog()->close();
}

void PreviewWindowTest::exportDeclinedOrUnwritable()
{
    PrintingWindow p;
    Form1 &w = p.w();
    p.fillScreen(1);
    QTemporaryDir dir;
    p.handlers().setAskFileName([](const QString &) { return QString(); });
    w.cmdExportPdf->click();
    QVERIFY(p.t.messages.asked.isEmpty());

    p.handlers().setAskFileName(
        [](const QString &) { return QString("/nonexistent-folder/sub/form.pdf"); });
    w.cmdExportPdf->click();
    QCOMPARE(p.t.messages.asked.size(), 1);
    const Msg::Request &report = p.t.messages.asked[0];
    QCOMPARE(report.title, QString("PDF not written"));
    QCOMPARE(report.icon, Msg::Icon::Critical);
    QVERIFY(report.text.contains("/nonexistent-folder/sub/form.pdf"));
    QVERIFY(!QFile::exists("/nonexistent-folder/sub/form.pdf"));
    QVERIFY(!QApplication::overrideCursor());

    // Cancel in the progress dialog: no file, no preview, nothing to say.
    p.t.messages.clear();
    p.printer.progressTitles.clear();
    p.fillScreen(300);
    p.printer.cancelAtPage = 2;
    p.handlers().setAskFileName([&dir](const QString &) { return dir.filePath("form.pdf"); });
    w.cmdExportPdf->click();
    QVERIFY(!QFile::exists(dir.filePath("form.pdf")));
    w.cmdPreview->click();
    QVERIFY(!p.handlers().previewDialog());
    QVERIFY(p.t.messages.asked.isEmpty());
    QCOMPARE(p.printer.progressTitles, (QStringList{"Export PDF", "Preview"}));
    QVERIFY(!QApplication::overrideCursor());
}

void PreviewWindowTest::missingFontGivesThePrintingMessage()
{
    const FontsWithout fonts({"QuickType Condensed"});
    PrintingWindow p(fonts);
    Form1 &w = p.w();
    p.fillScreen(1);
    QTemporaryDir dir;
    p.handlers().setAskFileName([&](const QString &) { return dir.filePath("form.pdf"); });

    w.cmdPreview->click();
    QVERIFY(!p.handlers().previewDialog());
    w.cmdExportPdf->click();
    QVERIFY(!QFile::exists(dir.filePath("form.pdf")));

    // Print says the same.
    w.Command3D14->click();
    w.Panel3D5->Command1[0]->click();
    QCOMPARE(p.t.messages.asked.size(), 3);
    for (const Msg::Request &r : p.t.messages.asked) {
        QCOMPARE(r.text, QString("1) Save form. 2) Exit program. 3) Install fonts per manual."));
        QCOMPARE(r.title, QString("Necessary printer fonts not installed"));
        QCOMPARE(r.buttons, Msg::Buttons::Ok);
        QCOMPARE(r.icon, Msg::Icon::Critical);
    }
    QVERIFY(!QApplication::overrideCursor());
}

REGISTER_TEST(PreviewWindowTest)
