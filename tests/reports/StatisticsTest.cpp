#include "CsvRead.h"
#include "access/AdminPanel.h"
#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "data/Database.h"
#include "reports/ActivityHandlers.h"
#include "reports/PeriodCountQueries.h"
#include "reports/StatisticsHandlers.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

namespace {

// One stored form as the counts see it.
struct StoredForm
{
    QVariant regNum;
    QDate date;
    QStringList flags;  // Yes/No unit fields set to -1, e.g. "AirType1"
    QVariant approved;  // -1, 0 or Null
};

void store(TestWindow &t, const StoredForm &form)
{
    QStringList fields{"RegNum", "FormDate", "Approved"};
    QVariantList values{form.regNum, form.date.toString(Qt::ISODate), form.approved};
    for (const QString &flag : form.flags) {
        fields << flag;
        values << -1;
    }
    QStringList marks;
    for (int i = 0; i < fields.size(); ++i)
        marks << QStringLiteral("?");
    t.exec(QStringLiteral("Form337.mdb"),
           QStringLiteral("INSERT INTO Form (%1) VALUES (%2)")
               .arg(fields.join(", "), marks.join(", ")),
           values);
}

QStringList boxes(const Form1 &w)
{
    QStringList out;
    for (QLineEdit *box : w.SSPanel3->Text48)
        out << box->text();
    return out;
}

void calculate(Form1 &w, const QString &from, const QString &to)
{
    w.SSPanel3->Text47[11]->setText(from);
    w.SSPanel3->Text47[13]->setText(to);
    QVERIFY(w.SSPanel3->SSCommand14->isEnabled());
    w.SSPanel3->SSCommand14->click();
}

bool hasQuery1(TestWindow &t)
{
    return t.value(QStringLiteral("Form337.mdb"),
                   QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'Query1'"))
               .toInt()
           > 0;
}

const QDate kStart(2001, 3, 1);
const QDate kEnd(2001, 3, 31);

}  // namespace

Q_DECLARE_METATYPE(StoredForm)

class StatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void calculateNeedsTwoDates_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("long forms") << "March 01, 2001"
                                    << "March 31, 2001" << true;
        QTest::newRow("ISO") << "2001-03-01"
                             << "2001-03-31" << true;
        QTest::newRow("short form of this system")
            << QLocale::system().toString(kStart, QLocale::ShortFormat)
            << QLocale::system().toString(kEnd, QLocale::ShortFormat) << true;
        QTest::newRow("no such day") << "13/45/2001"
                                     << "2001-03-31" << false;
        QTest::newRow("end missing") << "2001-03-01"
                                     << "" << false;
        QTest::newRow("words") << "2001-03-01"
                               << "soon" << false;
    }

    void calculateNeedsTwoDates()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, enabled);
        TestWindow t;
        Form1 &w = t.open();
        QVERIFY(!w.SSPanel3->SSCommand14->isEnabled());
        w.SSPanel3->Text47[11]->setText(from);
        w.SSPanel3->Text47[13]->setText(to);
        QCOMPARE(w.SSPanel3->SSCommand14->isEnabled(), enabled);
        // Clearing either box withdraws it again.
        w.SSPanel3->Text47[11]->clear();
        QVERIFY(!w.SSPanel3->SSCommand14->isEnabled());
    }

    void counts_data()
    {
        QTest::addColumn<QList<StoredForm>>("forms");
        // Text48(0..5): approved repairs, approved alterations, rejected repairs,
        // approved total, rejected alterations, rejected total.
        QTest::addColumn<QStringList>("expected");
        const QDate mid(2001, 3, 15);

        QTest::newRow("no forms at all")
            << QList<StoredForm>{} << QStringList{"0", "0", "0", "0", "0", "0"};
        QTest::newRow("no form in the period")
            << QList<StoredForm>{{"N1", kStart.addDays(-1), {"AirType1"}, -1},
                                 {"N2", kEnd.addDays(1), {"AirType2"}, 0}}
            << QStringList{"0", "0", "0", "0", "0", "0"};
        QTest::newRow("both ends included")
            << QList<StoredForm>{{"N1", kStart, {"AirType1"}, -1}, {"N2", kEnd, {"PowType1"}, -1}}
            << QStringList{"2", "0", "0", "2", "0", "0"};
        QList<StoredForm> spread;
        for (int i = 0; i < 3; ++i)
            spread << StoredForm{"R", mid, {"AirType1"}, -1};
        for (int i = 0; i < 2; ++i)
            spread << StoredForm{"A", mid, {"ProType2"}, -1};
        spread << StoredForm{"X", mid, {"AppType1"}, 0};
        for (int i = 0; i < 4; ++i)
            spread << StoredForm{"Y", mid, {"PowType2"}, 0};
        QTest::newRow("each class and the totals")
            << spread << QStringList{"3", "2", "1", "5", "4", "5"};
        QTest::newRow("repair and alteration in both rows")
            << QList<StoredForm>{{"N1", mid, {"AirType1", "PowType2"}, -1}}
            << QStringList{"1", "1", "0", "2", "0", "0"};
        QTest::newRow("several units of one kind once")
            << QList<StoredForm>{{"N1", mid, {"AirType1", "PowType1", "ProType1", "AppType1"}, 0}}
            << QStringList{"0", "0", "1", "0", "0", "1"};
        QTest::newRow("Null Approved in neither column")
            << QList<StoredForm>{{"N1", mid, {"AirType1"}, QVariant()},
                                 {"N2", mid, {"AirType2"}, QVariant()}}
            << QStringList{"0", "0", "0", "0", "0", "0"};
        QTest::newRow("Null RegNum not counted")
            << QList<StoredForm>{{QVariant(), mid, {"AirType1"}, -1}, {"N2", mid, {"AirType1"}, -1}}
            << QStringList{"1", "0", "0", "1", "0", "0"};
        QTest::newRow("no unit set")
            << QList<StoredForm>{{"N1", mid, {}, -1}} << QStringList{"0", "0", "0", "0", "0", "0"};
    }

    void counts()
    {
        QFETCH(QList<StoredForm>, forms);
        QFETCH(QStringList, expected);
        TestWindow t;
        t.install();
        for (const StoredForm &form : forms)
            store(t, form);
        Form1 &w = t.open();
        calculate(w, QStringLiteral("March 01, 2001"), QStringLiteral("March 31, 2001"));
        QCOMPARE(boxes(w), expected);
        QVERIFY(!hasQuery1(t));
        QVERIFY(t.messages.asked.isEmpty());

        // The counts export to CSV, read back as shown.
        const QString path = t.folder + "/counts.csv";
        w.activityHandlers().chooseFile = [&](const QString &, const QString &) {
            return path;
        };
        w.SSPanel3->cmdStatisticsCsv->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QStringList> expectedCsv{{"Report period", "March 01, 2001", "March 31, 2001"},
                                             {"", "Approved", "Rejected"},
                                             {"Repair", expected[0], expected[2]},
                                             {"Alteration", expected[1], expected[4]},
                                             {"Total", expected[3], expected[5]}};
        QCOMPARE(readCsv(QString::fromUtf8(file.readAll())), expectedCsv);
        QVERIFY(t.messages.asked.isEmpty());
    }

    void theDatesAreReadInTheUsersSettings()
    {
        // 5 March 2001 is 03/05 one way and 05/03 the other: typed in this system's
        // short form it must count the form of that day and not of the other one.
        TestWindow t;
        t.install();
        const QDate day(2001, 3, 5);
        store(t, {"N1", day, {"AirType1"}, -1});
        store(t, {"N2", QDate(2001, 5, 3), {"AirType1"}, 0});
        Form1 &w = t.open();
        const QString typed = QLocale::system().toString(day, QLocale::ShortFormat);
        calculate(w, typed, typed);
        QCOMPARE(boxes(w), (QStringList{"1", "0", "0", "1", "0", "0"}));
    }

    void aStaleQuery1IsReplaced()
    {
        TestWindow t;
        t.install();
        store(t, {"N1", QDate(2001, 3, 9), {"AirType2"}, -1});
        t.exec("Form337.mdb", "CREATE VIEW Query1 AS SELECT 99 AS NewCount");
        Form1 &w = t.open();
        calculate(w, QStringLiteral("March 01, 2001"), QStringLiteral("March 31, 2001"));
        QCOMPARE(boxes(w), (QStringList{"0", "1", "0", "1", "0", "0"}));
        QVERIFY(!hasQuery1(t));
    }

    void theCountsComeFromTheDataFolder()
    {
        // The data folder the settings name, not the program folder.
        TestWindow t;
        t.install();
        store(t, {"N1", QDate(2001, 3, 9), {"AirType1"}, -1});
        QTemporaryDir data;
        Schema::createFormsFile(data.path() + QStringLiteral("/Form337.mdb"));
        Schema::createAgentsFile(data.path() + QStringLiteral("/FAAForm337A.mdb"));
        Database::open(data.path() + QStringLiteral("/Form337.mdb"))
            ->execute(QStringLiteral("INSERT INTO Form (RegNum, FormDate, Approved, AppType1) "
                                     "VALUES ('D', '2001-03-10', 0, -1)"));
        t.exec("setup337.mdb", "UPDATE Setup SET DataPath = ?", {data.path() + QLatin1Char('/')});
        Form1 &w = t.open();
        calculate(w, QStringLiteral("March 01, 2001"), QStringLiteral("March 31, 2001"));
        QCOMPARE(boxes(w), (QStringList{"0", "0", "1", "0", "0", "1"}));
    }

    void aCountThatCannotRunClearsTheBoxes_data()
    {
        QTest::addColumn<QString>("removed");  // what goes missing after the first count
        QTest::addColumn<bool>("cleared");  // no count could be made: boxes emptied, and said why
        QTest::newRow("the data folder") << "folder" << true;
        QTest::newRow("the forms file") << "file" << true;
        // The file is there: each count that fails is skipped, its box keeps its number.
        QTest::newRow("the Form table") << "table" << false;
    }

    void aCountThatCannotRunClearsTheBoxes()
    {
        QFETCH(QString, removed);
        TestWindow t;
        t.install();
        QTemporaryDir data;
        Schema::createFormsFile(data.path() + QStringLiteral("/Form337.mdb"));
        Schema::createAgentsFile(data.path() + QStringLiteral("/FAAForm337A.mdb"));
        Database::open(data.path() + QStringLiteral("/Form337.mdb"))
            ->execute(QStringLiteral("INSERT INTO Form (RegNum, FormDate, Approved, AirType1) "
                                     "VALUES ('D', '2001-03-10', -1, -1)"));
        t.exec("setup337.mdb", "UPDATE Setup SET DataPath = ?", {data.path() + QLatin1Char('/')});
        Form1 &w = t.open();
        calculate(w, QStringLiteral("March 01, 2001"), QStringLiteral("March 31, 2001"));
        QCOMPARE(boxes(w), (QStringList{"1", "0", "0", "1", "0", "0"}));

        QFETCH(bool, cleared);
        if (removed == "folder")
            QVERIFY(data.remove());
        else if (removed == "file")
            QVERIFY(QFile::remove(data.path() + QStringLiteral("/Form337.mdb")));
        else
            Database::open(data.path() + QStringLiteral("/Form337.mdb"))
                ->execute(QStringLiteral("DROP TABLE Form"));
        calculate(w, QStringLiteral("March 01, 2000"), QStringLiteral("March 31, 2000"));
        if (!cleared) {
            QCOMPARE(boxes(w), (QStringList{"1", "0", "0", "1", "0", "0"}));
            QVERIFY(t.messages.asked.isEmpty());
            return;
        }
        // Another period's numbers must not stand as this one's.
        QCOMPARE(boxes(w), QStringList(6, QString()));
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY(t.messages.lastText().contains(QStringLiteral("FORM337.MDB"), Qt::CaseInsensitive));
    }

    void eachCountReadsItsPartialIndex()
    {
        // The counts must stay answerable from the small repair and alteration indexes,
        // or a large archive is read row by row.
        TestWindow t;
        t.install();
        auto forms = Database::open(t.folder + "/Form337.mdb");
        for (const PeriodCountQueries::Statement &statement :
             PeriodCountQueries::statements(QDate(2010, 1, 1), QDate(2019, 12, 31))) {
            forms->createQuery("Query1", statement.sql, statement.params);
            QString plan;
            for (const QVariantList &row : forms->rows("EXPLAIN QUERY PLAN SELECT * FROM Query1"))
                plan += row.last().toString();
            forms->deleteQuery("Query1");
            const bool repairs = statement.box == 0 || statement.box == 2;
            QVERIFY2(plan.contains(repairs ? "Form_Repairs" : "Form_Alterations"),
                     qPrintable(plan));
        }
    }
};

REGISTER_TEST(StatisticsTest)
#include "StatisticsTest.moc"
