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
    // 1 when the one record of the probe table, holding value in field, matches; 0 when
    // not; -1 when the server refused a statement (m_lastError says why).
    int serverMatches(const QString &field, FieldKind kind, const QVariant &value,
                      const QString &pattern);

    std::unique_ptr<TestServer> m_server;
    QString m_lastError;
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

int PostgresLikeTest::serverMatches(const QString &field, FieldKind kind, const QVariant &value,
                                    const QString &pattern)
{
    QSqlQuery query(m_server->db());
    const auto runWith = [&query](const QString &sql, const QVariant &bound) {
        if (!query.prepare(sql))
            return false;
        query.addBindValue(bound);
        return query.exec();
    };
    const Criterion like = PostgresLike::like(field, pattern, kind);
    const bool ran
        = query.exec(QStringLiteral("DELETE FROM \"Probe\""))
          && runWith(QStringLiteral("INSERT INTO \"Probe\" (\"%1\") VALUES (?)").arg(field), value)
          && runWith(QStringLiteral("SELECT count(*) FROM \"Probe\" WHERE %1").arg(like.sql),
                     like.params.value(0))
          && query.next();
    if (!ran) {
        m_lastError = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
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
    const int matched = serverMatches(QStringLiteral("Text"), FieldKind::Text, text, pattern);
    QVERIFY2(matched >= 0, qPrintable(m_lastError));
    QCOMPARE(matched == 1, expected);
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
    const int matched = serverMatches(field, FieldKind(kind), value, pattern);
    QVERIFY2(matched >= 0, qPrintable(m_lastError));
    QCOMPARE(matched == 1, expected);
}

REGISTER_TEST(PostgresLikeTest)

#include "PostgresLikeTest.moc"
