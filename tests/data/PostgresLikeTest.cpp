#include "data/PostgresLike.h"
#include "DataTestSupport.h"
#include "common/JetLikeCases.h"
#include "common/TestRegistry.h"
#include "common/TestServer.h"
#include "data/JetPattern.h"

#include <QDate>
#include <memory>

// The Jet Like operator evaluated by the throwaway server: the same answers as the
// program's own matcher for every case of the shared table.
class PostgresLikeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void matchesAsTheProgramDoes_data();
    void matchesAsTheProgramDoes();
    void fieldsOfOtherKindsMatchTheirStoredText_data();
    void fieldsOfOtherKindsMatchTheirStoredText();

private:
    // Whether the one record of the probe table holding value in field matches.
    bool serverMatches(const QString &field, FieldKind kind, const QVariant &value,
                       const QString &pattern);

    std::unique_ptr<TestServer> m_server;
};

void PostgresLikeTest::initTestCase()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->ok(), qPrintable(m_server->error()));
    QSqlQuery query(m_server->db());
    QVERIFY2(query.exec(QStringLiteral("CREATE TABLE \"Probe\" (\"Text\" VARCHAR(255), "
                                       "\"Day\" DATE, \"Amount\" DOUBLE PRECISION)")),
             qPrintable(query.lastError().text()));
}

void PostgresLikeTest::cleanupTestCase()
{
    m_server.reset();
}

bool PostgresLikeTest::serverMatches(const QString &field, FieldKind kind, const QVariant &value,
                                     const QString &pattern)
{
    QSqlQuery query(m_server->db());
    if (!query.exec(QStringLiteral("DELETE FROM \"Probe\""))
        || !query.prepare(QStringLiteral("INSERT INTO \"Probe\" (\"%1\") VALUES (?)").arg(field)))
        qFatal("%s", qPrintable(query.lastError().text()));
    query.addBindValue(value);
    if (!query.exec())
        qFatal("%s", qPrintable(query.lastError().text()));
    const Criterion like = PostgresLike::like(field, pattern, kind);
    query.prepare(QStringLiteral("SELECT count(*) FROM \"Probe\" WHERE %1").arg(like.sql));
    for (const QVariant &p : like.params)
        query.addBindValue(p);
    if (!query.exec() || !query.next()) {
        qWarning("%s", qPrintable(query.lastError().text()));
        return false;
    }
    return query.value(0).toInt() == 1;
}

void PostgresLikeTest::matchesAsTheProgramDoes_data()
{
    addJetLikeCases();
}

void PostgresLikeTest::matchesAsTheProgramDoes()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(JetPattern::matches(pattern, text), expected);
    QCOMPARE(serverMatches(QStringLiteral("Text"), FieldKind::Text, text, pattern), expected);
}

void PostgresLikeTest::fieldsOfOtherKindsMatchTheirStoredText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("expected");

    const int date = int(FieldKind::Date), number = int(FieldKind::Number);
    QTest::newRow("date as ISO text")
        << "Day" << date << QVariant("2011-03-17") << "2011-03-*" << true;
    QTest::newRow("date not in the local style")
        << "Day" << date << QVariant("2011-03-17") << "03/17/2011" << false;
    QTest::newRow("whole number") << "Amount" << number << QVariant(42) << "4#" << true;
    QTest::newRow("fraction") << "Amount" << number << QVariant(2.5) << "2.5" << true;
    QTest::newRow("Null text never matches")
        << "Text" << int(FieldKind::Text) << QVariant() << "*" << false;
}

void PostgresLikeTest::fieldsOfOtherKindsMatchTheirStoredText()
{
    QFETCH(QString, field);
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    QFETCH(QString, pattern);
    QFETCH(bool, expected);
    QCOMPARE(serverMatches(field, FieldKind(kind), value, pattern), expected);
}

REGISTER_TEST(PostgresLikeTest)

#include "PostgresLikeTest.moc"
