#include "data/PostgresDialect.h"
#include "common/TestRegistry.h"

#include <QtTest>

// The program's statements as the server reads them (the statements themselves run on
// the server in the Recordset, Criterion and Database tests).
class PostgresDialectTest : public QObject
{
    Q_OBJECT
private slots:
    void namesAsTheServerReadsThem_data();
    void namesAsTheServerReadsThem();
};

void PostgresDialectTest::namesAsTheServerReadsThem_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("onServer");
    QTest::newRow("names in any case")
        << "SELECT DISTINCT regnum FROM FORM WHERE RegNum IS NOT NULL ORDER BY REGNUM"
        << "SELECT DISTINCT \"RegNum\" FROM \"Form\" WHERE \"RegNum\" IS NOT NULL ORDER BY "
           "\"RegNum\"";
    QTest::newRow("brackets and quotes") << "SELECT [make] FROM \"AIRCRAFT\""
                                         << "SELECT \"Make\" FROM \"aircraft\"";
    QTest::newRow("table and field")
        << "SELECT Count(Form.RegNum) AS NewCount FROM Form"
        << "SELECT Count(\"Form\".\"RegNum\") AS NewCount FROM \"Form\"";
    QTest::newRow("other quoted names fold as the server folds the bare ones")
        << "SELECT \"NewCount\" FROM \"Query1\""
        << "SELECT \"newcount\" FROM \"query1\"";
    QTest::newRow("text is left as it is")
        << "SELECT RegNum FROM Form WHERE Make = 'Form ''RegNum'' \"Make\" [x]' AND Model <> ?"
        << "SELECT \"RegNum\" FROM \"Form\" WHERE \"Make\" = 'Form ''RegNum'' \"Make\" [x]' AND "
           "\"Model\" <> ?";
    QTest::newRow("functions and keywords") << "SELECT coalesce(ApproveDate, FormDate), "
                                               "substr(Back, 1, 300) FROM Form ORDER BY 1 DESC"
                                            << "SELECT coalesce(\"ApproveDate\", \"FormDate\"), "
                                               "substr(\"Back\", 1, 300) FROM \"Form\" ORDER BY "
                                               "1 DESC";
    QTest::newRow("the key and the counter")
        << "UPDATE Agents SET Name = ?, ChangeCount = ChangeCount + 1 WHERE RecordId = ?"
        << "UPDATE \"Agents\" SET \"Name\" = ?, \"ChangeCount\" = \"ChangeCount\" + 1 WHERE "
           "\"RecordId\" = ?";
    QTest::newRow("a table before its field list")
        << "INSERT INTO Form (OwnerName,RegNum) VALUES (?,?)"
        << "INSERT INTO \"Form\" (\"OwnerName\",\"RegNum\") VALUES (?,?)";
    QTest::newRow("a collation keeps its name")
        << "SELECT 1 FROM Form WHERE (RegNum COLLATE \"C\") ~ ?"
        << "SELECT 1 FROM \"Form\" WHERE (\"RegNum\" COLLATE \"C\") ~ ?";
    QTest::newRow("an unclosed quote is left alone") << "SELECT 'abc"
                                                     << "SELECT 'abc";
}

void PostgresDialectTest::namesAsTheServerReadsThem()
{
    QFETCH(QString, sql);
    QFETCH(QString, onServer);
    QCOMPARE(PostgresDialect::fromFileSql(sql), onServer);
}

REGISTER_TEST(PostgresDialectTest)

#include "PostgresDialectTest.moc"
