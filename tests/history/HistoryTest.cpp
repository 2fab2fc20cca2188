#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "data/Database.h"
#include "form/FormScreen.h"
#include "history/EarlierForms.h"
#include "history/EarlierFormsPanel.h"
#include "history/HistoryHandlers.h"
#include "ui/ControlText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Four forms of one aircraft, registered as N100 and later as N200, and one of another.
void storeHistory(TestWindow &t)
{
    const char *sql = "INSERT INTO Form (RegNum, Make, Model, Serial, FormDate, ApproveDate, "
                      "Approved, AirType1, AirType2, PowType2, Back) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    const QVariant null;
    // 1: repair of the airframe, approved
    t.exec("Form337.mdb", sql,
           {"N100", "Cessna", "172S", "S-1", "2019-05-01", "2019-05-02", -1, -1, 0, 0,
            "Repaired left wing spar.\r\nPer AC 43.13-1B."});
    // 2: alteration of the engine, rejected, no approval date
    t.exec("Form337.mdb", sql,
           {"N100", "Cessna", "172S", "S-1", "2020-06-01", null, 0, 0, 0, -1, "Engine swap."});
    // 3: re-registered, an alteration of the airframe
    t.exec("Form337.mdb", sql,
           {"N200", "CESSNA", "172s", "S-1", "2022-01-10", "2022-01-11", -1, 0, -1, 0,
            "Installed STC SA01234CH fuel tank."});
    // 4: another aircraft with the same make and model
    t.exec("Form337.mdb", sql,
           {"N300", "Cessna", "172S", "S-2", "2023-01-01", "2023-01-02", -1, -1, 0, 0, "Other."});
}

QStringList marksAndDates(const QList<EarlierForms::Entry> &entries)
{
    QStringList out;
    for (const EarlierForms::Entry &e : entries)
        out << e.registrationMark + " " + e.date.toString(Qt::ISODate);
    return out;
}

}  // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void found_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<qint64>("except");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{"N200 2022-01-11", "N100 2020-06-01", "N100 2019-05-02"};
        QTest::newRow("by mark and serial, newest first") << "N200"
                                                          << "S-1" << qint64(0) << all;
        QTest::newRow("re-registered aircraft found by serial") << "N999"
                                                                << "S-1" << qint64(0) << all;
        QTest::newRow("mark alone, any case")
            << "n100"
            << "" << qint64(0) << QStringList{"N100 2020-06-01", "N100 2019-05-02"};
        QTest::newRow("the form on screen left out") << "N200"
                                                     << "S-1" << qint64(3) << all.mid(1);
        QTest::newRow("nothing to go by") << ""
                                          << "" << qint64(0) << QStringList{};
        QTest::newRow("a quote is just a character") << "N1' OR '1'='1"
                                                     << "" << qint64(0) << QStringList{};
    }
    void found()
    {
        QFETCH(QString, mark);
        QFETCH(QString, serial);
        QFETCH(qint64, except);
        QFETCH(QStringList, expected);
        TestWindow t;
        t.install();
        storeHistory(t);
        auto db = Database::open(t.folder + "/Form337.mdb");
        const auto entries = EarlierForms::find(*db, {mark, "Cessna", "172S", serial}, except);
        QCOMPARE(marksAndDates(entries), expected);
    }

    void entryDescribesTheWork()
    {
        TestWindow t;
        t.install();
        storeHistory(t);
        auto db = Database::open(t.folder + "/Form337.mdb");
        const auto e = EarlierForms::find(*db, {"N100", {}, {}, {}});
        QCOMPARE(e.size(), 2);
        QCOMPARE((QStringList{e[0].unit, e[0].work, e[0].verdict, e[0].firstLine}),
                 (QStringList{"Powerplant", "Alteration", "Rejected", "Engine swap."}));
        QCOMPARE((QStringList{e[1].unit, e[1].work, e[1].verdict, e[1].firstLine}),
                 (QStringList{"Airframe", "Repair", "Approved", "Repaired left wing spar."}));
    }

    // In the window: the list follows the form shown, and a double-click shows the chosen form.
    void listBesideTheFormScreen()
    {
        TestWindow t;
        t.install();
        storeHistory(t);
        Form1 &w = t.open();
        EarlierFormsPanel *panel = w.findChild<EarlierFormsPanel *>("pnlEarlierForms");
        QVERIFY(panel);
        QVERIFY(!panel->isOpen());
        w.Command3D27->click();
        w.findChild<QLineEdit *>("Text36")->setText("N200");
        w.findChild<QPushButton *>("Command3D7")->click();
        QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), QStringLiteral("N200"));
        panel->cmdEarlierForms->click();
        QVERIFY(panel->isOpen());
        QTreeWidget *list = panel->lstEarlierForms;
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(EarlierFormsPanel::Mark), QStringLiteral("N100"));
        QCOMPARE(list->topLevelItem(0)->text(EarlierFormsPanel::Verdict),
                 QStringLiteral("Rejected"));

        emit list->itemDoubleClicked(list->topLevelItem(1), 0);
        QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), QStringLiteral("N100"));
        QVERIFY(controlText(w.Panel3D1->Text18).startsWith("Repaired left wing spar."));
        // The list now follows the form shown: the others of the aircraft.
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(EarlierFormsPanel::Mark), QStringLiteral("N200"));
        QVERIFY(t.messages.asked.isEmpty());
    }
};

REGISTER_TEST(HistoryTest)
#include "HistoryTest.moc"
