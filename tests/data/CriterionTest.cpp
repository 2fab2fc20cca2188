#include "data/Criterion.h"
#include "DataTestSupport.h"
#include "common/TestEngine.h"
#include "common/TestRegistry.h"
#include "data/Database.h"
#include "data/LongWork.h"
#include "data/Schema.h"

#include <QTemporaryDir>

// Criteria are checked by what they select in a real forms file, and on a real server.
class CriterionTest : public QObject
{
    Q_OBJECT
public:
    explicit CriterionTest(TestEngine engine = TestEngine::File)
        : m_tables(engine)
    { }

private slots:
    void init();
    void cleanup();
    void selects_data();
    void selects();
    void fieldNamesMustBePlain_data();
    void fieldNamesMustBePlain();
    void searchUsesAnIndex_data();
    void searchUsesAnIndex();
    void emptyPartsAreLeftOut();
    void searchIndexFollowsEveryChange();

private:
    QStringList regNumsWhere(const Criterion &criterion);

    TestTables m_tables;
    std::shared_ptr<Database> m_db;
};

void CriterionTest::init()
{
    QVERIFY2(m_tables.fresh(), qPrintable(m_tables.error()));
    m_db = Database::open(m_tables.forms(), Schema::formsFileTables());
    const QList<QVariantList> rows = {
        {"N123", "Cessna", "Dallas, TX", QDate(2011, 3, 17), -1},
        {"n1ab", "cessna", "Austin,TX", QDate(2011, 2, 28), 0},
        {"XN1", "Piper", "Reno, NV", QDate(2011, 10, 1), -1},
        {"O'B\"1", "Beech*", QVariant(), QVariant(), QVariant()},
        {"50%off", QString::fromUtf8("\xC3\x89mile"), QVariant(), QVariant(), QVariant()},
        {"50abc", QString::fromUtf8("\xC3\xA9tude"), QVariant(), QVariant(), QVariant()},
        {"a\\b", "A_B", QVariant(), QVariant(), QVariant()},
        {"aXb", "AxB", QVariant(), QVariant(), QVariant()},
        // The long s and the Kelvin sign fold onto "s" and "k" for the matcher.
        {"K1", QString::fromUtf8("\xC5\xBFmith \xE2\x84\xAAline"), QVariant(), QVariant(),
         QVariant()},
    };
    m_db->beginTransaction();
    for (const QVariantList &row : rows)
        m_db->execute(QStringLiteral("INSERT INTO \"Form\" (\"RegNum\", \"Make\", \"OwnerAdd2\", "
                                     "\"FormDate\", \"Approved\") VALUES (?, ?, ?, ?, ?)"),
                      row);
    m_db->commit();
}

void CriterionTest::cleanup()
{
    m_db.reset();
}

QStringList CriterionTest::regNumsWhere(const Criterion &given)
{
    const Criterion criterion = m_tables.onServer() ? m_db->runnable(given) : given;
    QString sql = QStringLiteral("SELECT \"RegNum\" FROM \"Form\"");
    if (!criterion.isEmpty())
        sql += QStringLiteral(" WHERE ") + criterion.sql;
    sql += QStringLiteral(" ORDER BY \"RecordId\"");
    QStringList result;
    for (const QVariantList &row : m_db->rows(sql, criterion.params))
        result << row.first().toString();
    return result;
}

void CriterionTest::selects_data()
{
    QTest::addColumn<Criterion>("criterion");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("like prefix, case ignored")
        << Criterion::like("RegNum", "N1*") << QStringList{"N123", "n1ab"};
    QTest::newRow("like on lower-case field name")
        << Criterion::like("regnum", "n1*") << QStringList{"N123", "n1ab"};
    QTest::newRow("like percent is plain")
        << Criterion::like("RegNum", "50%*") << QStringList{"50%off"};
    QTest::newRow("like backslash is plain")
        << Criterion::like("RegNum", "a\\*") << QStringList{"a\\b"};
    QTest::newRow("like underscore is plain")
        << Criterion::like("Make", "A_*") << QStringList{"a\\b"};
    QTest::newRow("like with quotes")
        << Criterion::like("RegNum", "O'B\"*") << QStringList{"O'B\"1"};
    QTest::newRow("like non-ASCII prefix")
        << Criterion::like("Make", QString::fromUtf8("\xC3\xA9*"))
        << QStringList{"50%off", "50abc"};
    QTest::newRow("like state after comma")
        << Criterion::like("OwnerAdd2", "*, TX*") << QStringList{"N123"};
    QTest::newRow("like never matches Null")
        << Criterion::like("OwnerAdd2", "*") << QStringList{"N123", "n1ab", "XN1"};
    QTest::newRow("like set") << Criterion::like(
        "RegNum", "[!n]*") << QStringList{"XN1", "O'B\"1", "50%off", "50abc", "a\\b", "aXb", "K1"};
    QTest::newRow("like k prefix, Kelvin sign")
        << Criterion::like("Make", "smith k*") << QStringList{"K1"};
    // Through the trigram index: runs of three or more literal characters.
    const auto anyOf = [](const QStringList &fields, const QString &pattern) {
        return Criterion::likeAnyOf("Form", fields, pattern);
    };
    QTest::newRow("index: substring, case ignored")
        << anyOf({"Make"}, "*ESSN*") << QStringList{"N123", "n1ab"};
    QTest::newRow("index: long s and Kelvin sign")
        << anyOf({"Make"}, "*SMITH KLINE*") << QStringList{"K1"};
    QTest::newRow("index: non-ASCII letters fold")
        << anyOf({"Make"}, QString::fromUtf8("*\xC3\x89TUDE*")) << QStringList{"50abc"};
    QTest::newRow("index: non-ASCII prefix")
        << anyOf({"Make"}, QString::fromUtf8("\xC3\xA9mi*")) << QStringList{"50%off"};
    QTest::newRow("index: wildcards split the runs")
        << anyOf({"OwnerAdd2"}, "*all?s, #[!x]*") << QStringList{};
    QTest::newRow("index: runs around one character")
        << anyOf({"OwnerAdd2"}, "*all?s, T*") << QStringList{"N123"};
    QTest::newRow("index: an empty set joins the runs")
        << anyOf({"OwnerAdd2"}, "*Dal[]las*") << QStringList{"N123"};
    QTest::newRow("index: a digit between runs") << anyOf({"RegNum"}, "*50#bc*") << QStringList{};
    QTest::newRow("index: percent and underscore are plain")
        << anyOf({"RegNum", "Make"}, "*0%o*") << QStringList{"50%off"};
    QTest::newRow("index: quotes and backslash")
        << anyOf({"RegNum", "Make"}, "*'B\"1*") << QStringList{"O'B\"1"};
    QTest::newRow("index: lone bracket is plain") << anyOf({"Make"}, "*eech*[*") << QStringList{};
    QTest::newRow("index: any of several fields")
        << anyOf({"OwnerAdd2", "Make"}, "*PER*") << QStringList{"XN1"};
    QTest::newRow("index: a star inside a stored text")
        << anyOf({"Make"}, "*eech[*]") << QStringList{"O'B\"1"};
    QTest::newRow("index: short runs scan")
        << anyOf({"Make"}, "*a?b*") << QStringList{"a\\b", "aXb"};
    QTest::newRow("index: field it does not hold")
        << anyOf({"OwnerAdd1"}, "*abc*") << QStringList{};
    QTest::newRow("equals ignores case")
        << Criterion::equals("Make", "CESSNA") << QStringList{"N123", "n1ab"};
    QTest::newRow("equals takes a star literally")
        << Criterion::equals("Make", "Beech*") << QStringList{"O'B\"1"};
    QTest::newRow("equals with quotes")
        << Criterion::equals("RegNum", "O'B\"1") << QStringList{"O'B\"1"};
    QTest::newRow("equals non-ASCII ignores case")
        << Criterion::equals("Make", QString::fromUtf8("\xC3\xA9MILE")) << QStringList{"50%off"};
    QTest::newRow("equals Null") << Criterion::equals("FormDate", QVariant())
                                 << QStringList{"O'B\"1", "50%off", "50abc", "a\\b", "aXb", "K1"};
    QTest::newRow("equals bool is -1")
        << Criterion::equals("Approved", true) << QStringList{"N123", "XN1"};
    QTest::newRow("is yes") << Criterion::isYes("Approved") << QStringList{"N123", "XN1"};
    QTest::newRow("is no") << Criterion::isYes("Approved", false) << QStringList{"n1ab"};
    QTest::newRow("dates compare as dates")
        << Criterion::allOf({Criterion::atLeast("FormDate", QDate(2011, 3, 1)),
                             Criterion::atMost("FormDate", QDate(2011, 9, 30))})
        << QStringList{"N123"};
    QTest::newRow("date bounds are inclusive")
        << Criterion::atMost("FormDate", QDate(2011, 3, 17)) << QStringList{"N123", "n1ab"};
    QTest::newRow("any of") << Criterion::anyOf(
        {Criterion::equals("RegNum", "XN1"), Criterion::like("Make", "beech*")})
                            << QStringList{"XN1", "O'B\"1"};
    QTest::newRow("all of") << Criterion::allOf(
        {Criterion::like("RegNum", "N*"), Criterion::isYes("Approved")})
                            << QStringList{"N123"};
}

void CriterionTest::selects()
{
    QFETCH(Criterion, criterion);
    QFETCH(QStringList, expected);
    // Narrowed by the indexes, and reading every record: the same records.
    QCOMPARE(regNumsWhere(criterion), expected);
    QCOMPARE(regNumsWhere(criterion.scanning()), expected);
}

void CriterionTest::fieldNamesMustBePlain_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("statement") << "RegNum; DROP TABLE Form";
    QTest::newRow("quote") << "Reg\"Num";
    QTest::newRow("blank") << "Reg Num";
    QTest::newRow("empty") << "";
    QTest::newRow("leading digit") << "1RegNum";
}

void CriterionTest::fieldNamesMustBePlain()
{
    QFETCH(QString, field);
    QVERIFY_DBERROR(Criterion::equals(field, "x"), EngineError::QuerySyntax);
    QVERIFY_DBERROR(Criterion::like(field, "x*"), EngineError::QuerySyntax);
    QVERIFY_DBERROR(Criterion::atLeast(field, 1), EngineError::QuerySyntax);
}

void CriterionTest::searchUsesAnIndex_data()
{
    QTest::addColumn<Criterion>("criterion");
    QTest::addColumn<QString>("index");  // as the engine's plan names it
    QTest::newRow("prefix") << Criterion::like("RegNum", "N1*") << "Form_RegNum";
    QTest::newRow("prefix of any field")
        << Criterion::likeAnyOf("Form", {"PowMake", "AppMake"}, "Lyc*") << "Form_AppMake";
    QTest::newRow("substring") << Criterion::likeAnyOf("Form", {"OwnerName"}, "*Tanaka*")
                               << "FormSearch";
    QTest::newRow("short prefix, longer run")
        << Criterion::likeAnyOf("Form", {"Serial"}, "17[0-9]27*") << "Form_Serial";
    QTest::newRow("prefix stopped at s, run")
        << Criterion::likeAnyOf("Form", {"Make"}, "Cessna*") << "FormSearch";
}

void CriterionTest::searchUsesAnIndex()
{
    QFETCH(Criterion, criterion);
    QFETCH(QString, index);
    if (m_tables.onServer())
        QSKIP("the search index is the data files' own");
    QString plan;
    for (const QVariantList &row :
         m_db->rows(QStringLiteral("EXPLAIN QUERY PLAN SELECT RecordId FROM Form WHERE ")
                        + criterion.sql + QStringLiteral(" ORDER BY RecordId"),
                    criterion.params))
        plan += row.last().toString() + QLatin1Char('\n');
    QVERIFY2(plan.contains(index) && !plan.contains(QLatin1String("SCAN Form\n")),
             qPrintable(plan));
}

void CriterionTest::emptyPartsAreLeftOut()
{
    QVERIFY(Criterion::allOf({}).isEmpty());
    QVERIFY(Criterion::anyOf({Criterion(), Criterion()}).isEmpty());
    const Criterion one = Criterion::allOf({Criterion(), Criterion::equals("RegNum", "XN1")});
    QCOMPARE(regNumsWhere(one), QStringList{"XN1"});
}

// A file of an earlier version gets the index when it is opened; every save and delete
// keeps it in step.
void CriterionTest::searchIndexFollowsEveryChange()
{
    if (m_tables.onServer())
        QSKIP("the search index is the data files' own");
    for (const char *statement :
         {"DROP TRIGGER FormSearch_insert", "DROP TRIGGER FormSearch_update",
          "DROP TRIGGER FormSearch_delete", "DROP TABLE FormSearch", "DROP VIEW FormSearchText"})
        m_db->execute(QString::fromLatin1(statement));
    m_db->execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                  "INSERT INTO Form (RegNum) SELECT 'Z' || i FROM n");
    const QString path = m_db->path();
    m_db.reset();
    m_db = Database::open(path);
    QVERIFY(!m_db->hasSearchIndex());
    m_db.reset();
    struct Counting : LongWork
    {
        QStringList calls;
        void begin(const QString &what) override { calls << what; }
        void step() override
        {
            if (calls.last() != QLatin1String("step"))
                calls << QStringLiteral("step");
        }
        void end() override { calls << QStringLiteral("end"); }
    } observer;
    LongWork::setObserver(&observer);
    m_db = Database::open(path, Schema::formsFileTables());
    LongWork::setObserver(nullptr);
    QVERIFY(m_db->hasSearchIndex());
    // The window is told of the work while it goes on.
    QCOMPARE(observer.calls,
             (QStringList{"Preparing the search of Form337.mdb ...", "step", "end"}));

    const auto found = [&](const QString &pattern) {
        const Criterion c = Criterion::likeAnyOf("Form", {"Make", "OwnerAdd2"}, pattern);
        const QStringList indexed = regNumsWhere(c);
        const QStringList scanned = regNumsWhere(c.scanning());
        return indexed == scanned ? indexed : QStringList{"indexed:"} + indexed + scanned;
    };
    QCOMPARE(found("*ESSN*"), (QStringList{"N123", "n1ab"}));
    m_db->execute("INSERT INTO Form (RegNum, Make) VALUES ('N5', 'Mooney')");
    QCOMPARE(found("*oone*"), QStringList{"N5"});
    m_db->execute("UPDATE Form SET Make = 'Maule', OwnerAdd2 = 'Moose, WY' WHERE RegNum = 'N5'");
    QCOMPARE(found("*oone*"), QStringList{});
    QCOMPARE(found("*aul*"), QStringList{"N5"});
    QCOMPARE(found("*, wy*"), QStringList{"N5"});
    m_db->execute("DELETE FROM Form WHERE RegNum IN ('N5', 'N123')");
    QCOMPARE(found("*aul*"), QStringList{});
    QCOMPARE(found("*ESSN*"), QStringList{"n1ab"});
    m_db->execute("INSERT INTO FormSearch (FormSearch) VALUES ('integrity-check')");
}

class CriterionOnServerTest : public CriterionTest
{
    Q_OBJECT
public:
    CriterionOnServerTest()
        : CriterionTest(TestEngine::Server)
    { }
};

REGISTER_TEST(CriterionTest)
REGISTER_TEST(CriterionOnServerTest)

#include "CriterionTest.moc"
