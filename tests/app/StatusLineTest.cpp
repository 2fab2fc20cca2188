#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "form/FormHandlers.h"
#include "form/FormScreen.h"
#include "form/FormTestSupport.h"
#include "print/PreviewHandlers.h"
#include "print/PrintHandlers.h"
#include "print/QtPrintEnvironment.h"
#include "search/FindPanel.h"
#include "search/SearchHandlers.h"
#include "ui/ControlText.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

class StatusLineTest : public QObject
{
    Q_OBJECT

private slots:
    void tellsWhatHappened_data();
    void tellsWhatHappened();
};

void StatusLineTest::tellsWhatHappened_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("expected");  // %1: the temporary folder of the PDF
    QTest::addColumn<bool>("folderButton");
    QTest::newRow("nothing done yet") << ""
                                      << "" << false;
    QTest::newRow("saved") << "save"
                           << "Form N123AB saved" << false;
    QTest::newRow("deleted") << "delete"
                             << "Form deleted" << false;
    QTest::newRow("PDF exported") << "export"
                                  << "PDF written to %1" << true;
    QTest::newRow("printed with no printer") << "print"
                                             << "PDF written to %1" << true;
    // Searches run among thousands of other forms, where counting is only cheap when an
    // index narrows the search.
    QTest::newRow("found, narrowed by the index") << "find N1"
                                                  << "2 forms match" << false;
    QTest::newRow("walking the matches") << "find N1, next"
                                         << "Form 2 of 2" << false;
    QTest::newRow("wide search: no count") << "find *1"
                                           << "Matching forms found" << false;
    QTest::newRow("show all") << "show all"
                              << "All forms shown" << false;
}

void StatusLineTest::tellsWhatHappened()
{
    QFETCH(QString, step);
    QFETCH(QString, expected);
    QFETCH(bool, folderButton);
    TestWindow t;
    t.install();
    t.exec(QStringLiteral("Form337.mdb"),
           QStringLiteral("INSERT INTO Form (RegNum) VALUES ('N1')"));
    if (step.startsWith(QLatin1String("find")) || step == QLatin1String("show all")) {
        t.exec(QStringLiteral("Form337.mdb"),
               QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i < 6000) INSERT INTO Form (RegNum) SELECT 'X' || i FROM n"));
        t.exec(QStringLiteral("Form337.mdb"),
               QStringLiteral("INSERT INTO Form (RegNum) VALUES ('N1')"));
    }
    QTemporaryDir pdfFolder;
    const QString pdf = QDir(pdfFolder.path()).filePath(QStringLiteral("N1.pdf"));
    QtPrintEnvironment noPrinter;
    noPrinter.setPrinterNames([] { return QStringList(); });
    noPrinter.setAskFileName([&](const QString &) { return pdf; });
    t.printEnvironment = &noPrinter;
    Form1 &w = t.open();
    if (step == QLatin1String("save")) {
        FormTest::fillSavableForm(*w.Panel3D1);
        w.formHandlers().Command3D13_Click();
    } else if (step == QLatin1String("delete")) {
        w.NewFormFlag = 0;
        w.Data1.moveFirst();
        w.ShowRecord();
        w.formHandlers().Command3D15_Click();
    } else if (step == QLatin1String("export")) {
        setControlText(w.Panel3D1->Combo1[0], QStringLiteral("N1"));
        w.printHandlers().previewHandlers().setAskFileName([&](const QString &) { return pdf; });
        w.printHandlers().previewHandlers().cmdExportPdf_Click();
        QVERIFY(QFile::exists(pdf));
    } else if (step.startsWith(QLatin1String("find")) || step == QLatin1String("show all")) {
        w.searchHandlers().Command3D27_Click();
        if (step == QLatin1String("show all")) {
            w.searchHandlers().Command3D10_Click();
        } else {
            setControlText(w.Panel3D3->Text36, step.section(QLatin1Char(' '), 1, 1).remove(','));
            w.searchHandlers().Command3D7_Click();
        }
        if (step.endsWith(QLatin1String("next")))
            w.formHandlers().Command3D16_Click();
    } else if (step == QLatin1String("print")) {
        setControlText(w.Panel3D1->Combo1[0], QStringLiteral("N1"));
        w.printHandlers().PrintForm();
        QVERIFY(QFile::exists(pdf));
    }
    QCOMPARE(w.statusLine->currentMessage(), expected.contains(QLatin1String("%1"))
                                                 ? expected.arg(QDir::toNativeSeparators(pdf))
                                                 : expected);
    QCOMPARE(!w.findChild<QPushButton *>(QStringLiteral("openFolder"))->isHidden(), folderButton);
    // The data folder in use is always named.
    QVERIFY(w.dataFolderLabel->text().contains(QDir::toNativeSeparators(t.folder)));
}

REGISTER_TEST(StatusLineTest)
#include "StatusLineTest.moc"
