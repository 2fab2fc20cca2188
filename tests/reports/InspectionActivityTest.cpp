#include "reports/InspectionActivity.h"
#include "CsvRead.h"
#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "data/Database.h"

#include "access/AdminPanel.h"
#include "reports/ActivityHandlers.h"
#include "reports/ActivityReportDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace InspectionActivity;

class InspectionActivityTest : public QObject
{
    Q_OBJECT

private slots:
    void periodBoundaries_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("authorizationYear");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("31 March, IA year")
            << QDate(2024, 3, 31) << true << QDate(2023, 4, 1) << QDate(2024, 3, 31);
        QTest::newRow("1 April, IA year")
            << QDate(2024, 4, 1) << true << QDate(2024, 4, 1) << QDate(2025, 3, 31);
        QTest::newRow("31 December, IA year")
            << QDate(2024, 12, 31) << true << QDate(2024, 4, 1) << QDate(2025, 3, 31);
        QTest::newRow("31 March, calendar")
            << QDate(2024, 3, 31) << false << QDate(2024, 1, 1) << QDate(2024, 12, 31);
        QTest::newRow("1 January, calendar")
            << QDate(2025, 1, 1) << false << QDate(2025, 1, 1) << QDate(2025, 12, 31);
    }
    void periodBoundaries()
    {
        QFETCH(QDate, date);
        QFETCH(bool, authorizationYear);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const Period p = periodOf(date, authorizationYear ? Year::Authorization : Year::Calendar);
        QCOMPARE(p.first, first);
        QCOMPARE(p.last, last);
    }

    // Counted per signing inspector and period, approved work only; the CSV reads back as
    // the rows, a name with a comma and a quote included.
    void countsAndCsv()
    {
        TestWindow t;
        t.install();
        const char *sql = "INSERT INTO Form (RegNum, Signed, ApproveDate, Approved, AirType1, "
                          "PowType2) VALUES ('N1', ?, ?, ?, ?, ?)";
        const QString odd = "O'Brien, \"Jo\"";
        const QVariant null;
        t.exec("Form337.mdb", sql, {"Adams", "2024-03-31", -1, -1, 0});  // repair, IA 2023-24
        t.exec("Form337.mdb", sql, {"Adams", "2024-04-01", -1, -1, 0});  // repair, IA 2024-25
        t.exec("Form337.mdb", sql, {"Adams", "2025-03-31", -1, 0, -1});  // alteration, 2024-25
        t.exec("Form337.mdb", sql, {"Adams", "2024-05-01", 0, -1, 0});   // rejected
        t.exec("Form337.mdb", sql, {"Adams", null, -1, -1, 0});          // no approval date
        t.exec("Form337.mdb", sql, {odd, "2024-06-01", -1, 0, -1});
        auto db = Database::open(t.folder + "/Form337.mdb");

        const QList<Row> ia = count(*db, Year::Authorization);
        const QList<QStringList> read = readCsv(csv(ia));
        const QList<QStringList> expected{
            {"Inspector", "First day", "Last day", "Major repairs", "Major alterations", "Total"},
            {"Adams", "2024-04-01", "2025-03-31", "1", "1", "2"},
            {"Adams", "2023-04-01", "2024-03-31", "1", "0", "1"},
            {odd, "2024-04-01", "2025-03-31", "0", "1", "1"}};
        QCOMPARE(read, expected);

        const QList<Row> calendar = count(*db, Year::Calendar);
        QCOMPARE(calendar.size(), 3);
        QCOMPARE(calendar[0].period.name, QStringLiteral("2025"));
        QCOMPARE(calendar[1].period.name, QStringLiteral("2024"));
        QCOMPARE(calendar[1].repairs, 2);

        // Through the window: the report opens beside the statistics, and its CSV and PDF
        // files are written.
        Form1 &w = t.open();
        ActivityHandlers &h = w.activityHandlers();
        QString asked;
        h.chooseFile = [&](const QString &, const QString &suggested) {
            asked = t.folder + "/" + suggested;
            return asked;
        };
        w.SSPanel3->cmdActivityReport->click();
        QVERIFY(h.dialog()->isVisible());
        QCOMPARE(h.dialog()->lstActivity->rowCount(), 3);
        h.dialog()->cboActivityYear->setCurrentIndex(1);
        QCOMPARE(h.dialog()->lstActivity->item(0, 1)->text(), QStringLiteral("2024-04-01"));
        h.dialog()->cmdActivityCsv->click();
        QFile file(asked);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readCsv(QString::fromUtf8(file.readAll())), expected);
        h.dialog()->cmdActivityPdf->click();
        QFile pdf(asked);
        QVERIFY(asked.endsWith(".pdf") && pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(t.messages.asked.isEmpty());
    }
};

REGISTER_TEST(InspectionActivityTest)
#include "InspectionActivityTest.moc"
