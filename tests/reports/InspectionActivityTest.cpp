#include "reports/InspectionActivity.h"
#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "data/Database.h"

#include <QtTest>

using namespace InspectionActivity;

namespace {

// Reads CSV back as written (quoted fields, doubled quotes, CRLF lines).
QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            fields << field;
            lines << fields;
            fields.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return lines;
}

}  // namespace

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
    }
};

REGISTER_TEST(InspectionActivityTest)
#include "InspectionActivityTest.moc"
