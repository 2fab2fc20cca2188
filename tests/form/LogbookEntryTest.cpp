#include "form/LogbookEntry.h"
#include "common/SampleForm.h"
#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "form/FormScreen.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>

class LogbookEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QString>("templateText");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("unitKind");
        QTest::addColumn<QString>("expected");
        const QString entry = "March 17, 2011  N4721K  Cessna 172S, S/N 172S10485\n"
                              "Alteration, Powerplant: Lycoming IO-360-L2A S/N L-31842-51A: "
                              "Installed engine per STC SE09201SC.\n"
                              "See FAA Form 337 dated March 17, 2011.\n"
                              "Valley Aircraft Services, Certificate No. VQ4R123K";
        QTest::newRow("default template")
            << ""
            << "Installed engine per STC SE09201SC." << int(FormSnapshot::Powerplant) << entry;
        QTest::newRow("first paragraph only")
            << ""
            << "Installed engine per STC SE09201SC.\r\nWeight and balance revised."
            << int(FormSnapshot::Powerplant) << entry;
        QTest::newRow("airframe has no unit details")
            << "{unit}|{work}"
            << "x" << int(FormSnapshot::Airframe) << "Airframe|Alteration";
        QTest::newRow("agency's own template, unknown names kept")
            << "{mark} on {date}: {description} {nothing}"
            << "Rib.\r\n"
            << -1 << "N4721K on March 17, 2011: Rib. {nothing}";
        // No agency set up: its boxes show their placeholders, and no agency line is made.
        QTest::newRow("no agency: its line left out")
            << "{mark}\n{agency}, Certificate No. {certificate}\nend"
            << "x" << -1 << "N4721K\nend";
        QTest::newRow("an entry holding a name stays as typed")
            << "{description}/{mark}"
            << "See {mark}" << -1 << "See {mark}/N4721K";
    }
    void text()
    {
        QFETCH(QString, templateText);
        QFETCH(QString, description);
        QFETCH(int, unitKind);
        QFETCH(QString, expected);
        FormSnapshot form = sampleForm();
        if (QTest::currentDataTag() == QLatin1String("no agency: its line left out")) {
            form.agencyName = QStringLiteral("Name");
            form.agencyCertificate.clear();
        }
        form.description = description;
        form.unitKind = unitKind;
        QCOMPARE(LogbookEntry::text(templateText, form), expected);
    }

    // The button copies the entry of the form on screen, from the template of the settings.
    void buttonCopiesToTheClipboard()
    {
        TestWindow t;
        t.install();
        t.exec("setup337.mdb", "UPDATE Setup SET LogbookTemplate = ?", {"{mark} {make}"});
        Form1 &w = t.open();
        w.Panel3D1->Combo1[0]->setEditText("N12345");
        w.Panel3D1->Combo1[1]->setEditText("Piper");
        QVERIFY(w.cmdLogbookEntry->parentWidget());
        QCOMPARE(w.cmdLogbookEntry->isEnabled(), w.Command3D14->isEnabled());
        w.cmdLogbookEntry->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("N12345 Piper"));
        QVERIFY(t.messages.lastText().endsWith("N12345 Piper"));
    }
};

REGISTER_TEST(LogbookEntryTest)
#include "LogbookEntryTest.moc"
