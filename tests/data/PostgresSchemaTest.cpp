#include "data/PostgresSchema.h"
#include "DataTestSupport.h"
#include "common/TestRegistry.h"
#include "common/TestServer.h"
#include "data/Database.h"
#include "data/EngineValues.h"
#include "data/PostgresErrors.h"
#include "data/PostgresSchemaSql.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"
#include "data/ServerAddress.h"
#include "data/ServerCommand.h"

#include <QDate>
#include <QTemporaryFile>
#include <memory>

// The program's tables made on the throwaway server from the PostgreSQL dialect: every
// field keeps what the program stores, and what does not fit is refused with the engine
// numbers the program decides by.
class PostgresSchemaTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void storesEveryFieldInInsertionOrder_data();
    void storesEveryFieldInInsertionOrder();
    void refusesWhatDoesNotFit_data();
    void refusesWhatDoesNotFit();
    void refusesDatabasesItCannotUse_data();
    void refusesDatabasesItCannotUse();
    void initServerCommand_data();
    void initServerCommand();
    void passwordAskedWhereLibpqHasNone_data();
    void passwordAskedWhereLibpqHasNone();

private:
    // The engine number of the statement's failure; 0 when it ran.
    int failureOf(const QString &sql, const QVariantList &params = {});

    std::unique_ptr<TestServer> m_server;
    QString m_lastError;
};

namespace {

QString insertStatement(const TableSpec &definition, const QStringList &fields)
{
    QStringList names, marks;
    for (const QString &f : fields) {
        names << SchemaSql::quoted(f);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(SchemaSql::quoted(definition.name), names.join(u','), marks.join(u','));
}

}  // namespace

int PostgresSchemaTest::failureOf(const QString &sql, const QVariantList &params)
{
    QSqlQuery query(m_server->db());
    bool ran = false;
    if (params.isEmpty()) {
        ran = query.exec(sql);  // the server prepares no CREATE statements
    } else {
        ran = query.prepare(sql);
        for (const QVariant &p : params)
            query.addBindValue(EngineValues::toBound(p));
        ran = ran && query.exec();
    }
    m_lastError = query.lastError().text();
    return ran ? 0 : PostgresErrors::engineNumber(query.lastError());
}

void PostgresSchemaTest::initTestCase()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->ok(), qPrintable(m_server->error()));
    try {
        PostgresSchema::initialize(m_server->db());
        PostgresSchema::checkVersion(m_server->db());
    } catch (const DbError &error) {
        QFAIL(qPrintable(error.message()));
    }
    QCOMPARE(PostgresSchema::version(m_server->db()), PostgresSchemaSql::kSchemaVersion);
    // A new database starts with the records a new inspectors' file holds.
    QSqlQuery defaults(m_server->db());
    QVERIFY(defaults.exec("SELECT \"Organ1\" FROM \"Defaults\""));
    QVERIFY(defaults.next());
    QCOMPARE(defaults.value(0).toString(), QString("1"));
    QVERIFY(!defaults.next());
    try {
        QVERIFY(Database::open(m_server->address(), PostgresSchemaSql::serverTables()));
    } catch (const DbError &error) {
        QFAIL(qPrintable(error.message()));
    }
}

void PostgresSchemaTest::cleanupTestCase()
{
    m_server.reset();
}

void PostgresSchemaTest::storesEveryFieldInInsertionOrder_data()
{
    QTest::addColumn<QString>("table");
    for (const TableSpec *definition : PostgresSchemaSql::serverTables())
        QTest::newRow(qPrintable(definition->name)) << definition->name;
}

void PostgresSchemaTest::storesEveryFieldInInsertionOrder()
{
    QFETCH(QString, table);
    const TableSpec &definition = *Schema::table(table);
    QStringList fields;
    for (const FieldSpec &field : definition.fields)
        fields << field.name;
    // Three records: full values, other values, and Null in every field (alone in the table:
    // the first records of a new database are checked by initTestCase).
    QCOMPARE(failureOf(QStringLiteral("DELETE FROM %1").arg(SchemaSql::quoted(table))), 0);
    for (int variant : {0, 1, 2}) {
        QVariantList values;
        for (const FieldSpec &field : definition.fields)
            values << (variant == 2 ? QVariant() : sampleValue(field, variant, SampleText::Full));
        QCOMPARE(failureOf(insertStatement(definition, fields), values), 0);
    }

    QStringList columns;
    for (const QString &f : fields)
        columns << SchemaSql::quoted(f);
    const bool counted = SchemaSql::countsChanges(definition);
    if (counted)
        columns << SchemaSql::quoted(QLatin1String(SchemaSql::kChangeCount));
    QSqlQuery query(m_server->db());
    QVERIFY(query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                           .arg(columns.join(u','), SchemaSql::quoted(definition.name),
                                SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId)))));
    for (int variant : {0, 1, 2}) {
        QVERIFY(query.next());
        for (int i = 0; i < definition.fields.size(); ++i) {
            const FieldSpec &field = definition.fields[i];
            const QVariant expected
                = variant == 2 ? QVariant() : sampleValue(field, variant, SampleText::Full);
            const QVariant read = EngineValues::fromStored(field.kind, query.value(i));
            QVERIFY2(read == expected && read.isNull() == expected.isNull(),
                     qPrintable(QStringLiteral("%1.%2 (record %3): %4")
                                    .arg(table, field.name)
                                    .arg(variant)
                                    .arg(read.toString().left(40))));
        }
        if (counted)
            QCOMPARE(query.value(definition.fields.size()).toInt(), 0);
    }
    QVERIFY(!query.next());
}

void PostgresSchemaTest::refusesWhatDoesNotFit_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("params");
    QTest::addColumn<int>("expected");

    // One character past the limit of every text field of every table.
    for (const TableSpec *definition : PostgresSchemaSql::serverTables()) {
        for (const FieldSpec &field : definition->fields) {
            if (field.kind != FieldKind::Text && field.kind != FieldKind::LongText)
                continue;
            QTest::addRow("%s.%s too long", qPrintable(definition->name), qPrintable(field.name))
                << insertStatement(*definition, {field.name})
                << QVariantList{QString(field.maxLength + 1, u'x')}
                << int(EngineError::ValueTooLarge);
        }
    }
    const TableSpec &form = Schema::formTable();
    QTest::newRow("Yes/No other than -1 and 0")
        << insertStatement(form, {"Approved"}) << QVariantList{1}
        << int(EngineError::DataTypeConversion);
    QTest::newRow("no such date") << insertStatement(form, {"FormDate"})
                                  << QVariantList{"2011-02-30"}
                                  << int(EngineError::DataTypeConversion);
    QTest::newRow("text in a number")
        << insertStatement(form, {"ApprovedBy"}) << QVariantList{"five"}
        << int(EngineError::DataTypeConversion);
    QTest::newRow("table again") << PostgresSchemaSql::createStatements(form).first()
                                 << QVariantList{} << int(EngineError::ObjectExists);
    QTest::newRow("index again") << QStringLiteral(
        "CREATE INDEX \"Form_RegNum\" ON \"Form\" (\"RegNum\")")
                                 << QVariantList{} << int(EngineError::ObjectExists);
    QTest::newRow("stored query of a taken name")
        << QStringLiteral("CREATE VIEW \"Agents\" AS SELECT 1 AS \"One\"") << QVariantList{}
        << int(EngineError::ObjectExists);
    QTest::newRow("no such table") << QStringLiteral("SELECT * FROM \"Query1\"") << QVariantList{}
                                   << int(EngineError::TableNotFound);
    QTest::newRow("no such field") << QStringLiteral("SELECT \"Nothing\" FROM \"Form\"")
                                   << QVariantList{} << int(EngineError::QuerySyntax);
    QTest::newRow("syntax error") << QStringLiteral("SELECT FROM WHERE") << QVariantList{}
                                  << int(EngineError::QuerySyntax);
}

void PostgresSchemaTest::refusesWhatDoesNotFit()
{
    QFETCH(QString, sql);
    QFETCH(QVariantList, params);
    QFETCH(int, expected);
    QCOMPARE(failureOf(sql, params), expected);
}

void PostgresSchemaTest::refusesDatabasesItCannotUse_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<bool>("madeBefore");
    QTest::addColumn<QString>("change");  // run after the tables were made
    QTest::addColumn<bool>("makeAgain");  // else check the version
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("versionAfter");

    QTest::newRow("made twice") << "UTF8" << true << "" << true << int(EngineError::ObjectExists)
                                << PostgresSchemaSql::kSchemaVersion;
    QTest::newRow("tables of a later version")
        << "UTF8" << true << "UPDATE \"SchemaVersion\" SET \"Version\" = 99" << false
        << int(EngineError::UnrecognizedFormat) << 99;
    QTest::newRow("no tables of ours")
        << "UTF8" << false << "" << false << int(EngineError::UnrecognizedFormat) << 0;
    QTest::newRow("text not stored as UTF-8")
        << "SQL_ASCII" << false << "" << true << int(EngineError::UnrecognizedFormat) << 0;
}

void PostgresSchemaTest::refusesDatabasesItCannotUse()
{
    QFETCH(QString, encoding);
    QFETCH(bool, madeBefore);
    QFETCH(QString, change);
    QFETCH(bool, makeAgain);
    QFETCH(int, expected);
    QFETCH(int, versionAfter);

    TestServer server(encoding);
    QVERIFY2(server.ok(), qPrintable(server.error()));
    if (madeBefore)
        PostgresSchema::initialize(server.db());
    if (!change.isEmpty())
        QVERIFY(QSqlQuery(server.db()).exec(change));
    // Made again, or opened by the program through its address: refused.
    QVERIFY_DBERROR(makeAgain ? PostgresSchema::initialize(server.db())
                              : (void)Database::open(server.address(), Schema::formsFileTables()),
                    expected);
    // A refused database is left as it was.
    QCOMPARE(PostgresSchema::version(server.db()), versionAfter);
}

void PostgresSchemaTest::initServerCommand_data()
{
    QTest::addColumn<QString>("address");  // "DB" stands for the new database's name
    QTest::addColumn<bool>("madeBefore");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("versionAfter");
    const QString socket
        = QString::fromUtf8(QUrl::toPercentEncoding(qEnvironmentVariable("FORM337_PG_SOCKET_DIR")));
    const QString address = QStringLiteral("postgresql://form337@/DB?host=") + socket;
    QTest::newRow("empty database") << address << false << 0 << PostgresSchemaSql::kSchemaVersion;
    QTest::newRow("already set up") << address << true << 1 << PostgresSchemaSql::kSchemaVersion;
    QTest::newRow("no such database")
        << QStringLiteral("postgresql://form337@/DB_none?host=") + socket << false << 1 << 0;
    QTest::newRow("password in the address")
        << QStringLiteral("postgresql://form337:secret@/DB?host=") + socket << false << 1 << 0;
    QTest::newRow("not an address") << "/var/forms" << false << 1 << 0;
}

void PostgresSchemaTest::initServerCommand()
{
    QFETCH(QString, address);
    QFETCH(bool, madeBefore);
    QFETCH(int, exitCode);
    QFETCH(int, versionAfter);
    TestServer server;
    QVERIFY2(server.ok(), qPrintable(server.error()));
    if (madeBefore)
        PostgresSchema::initialize(server.db());
    QCOMPARE(runInitServerCommand(address.replace("DB", server.db().databaseName())), exitCode);
    QCOMPARE(PostgresSchema::version(server.db()), versionAfter);
    if (exitCode == 0)  // every workstation can open it
        QVERIFY(Database::open(address, PostgresSchemaSql::serverTables()));
}

REGISTER_TEST(PostgresSchemaTest)

#include "PostgresSchemaTest.moc"

void PostgresSchemaTest::passwordAskedWhereLibpqHasNone_data()
{
    QTest::addColumn<QStringList>("answers");  // typed in the box in turn; "-": Cancel
    QTest::addColumn<bool>("pgpassEntry");     // ~/.pgpass holds a (wrong) password for it
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right password") << QStringList{"secret"} << false << 1 << true;
    QTest::newRow("wrong, then right") << QStringList{"guess", "secret"} << false << 2 << true;
    QTest::newRow("cancelled") << QStringList{"-"} << false << 1 << false;
    // libpq's own password is used; the box would only repeat what the file says.
    QTest::newRow("~/.pgpass holds one") << QStringList{"secret"} << true << 0 << false;
}

void PostgresSchemaTest::passwordAskedWhereLibpqHasNone()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, pgpassEntry);
    QFETCH(int, asked);
    QFETCH(bool, opens);
    // The test server asks this role, and only this one, for its password.
    QSqlQuery setup(m_server->db());
    setup.exec("DO $$ BEGIN CREATE ROLE form337_password LOGIN PASSWORD 'secret'; "
               "EXCEPTION WHEN duplicate_object THEN NULL; END $$");
    QVERIFY2(setup.exec("GRANT SELECT ON ALL TABLES IN SCHEMA public TO form337_password"),
             qPrintable(setup.lastError().text()));
    std::optional<ServerAddress> address = ServerAddress::fromUri(m_server->address(), nullptr);
    QVERIFY(address);
    address->user = QStringLiteral("form337_password");

    QTemporaryFile pgpass;
    QVERIFY(pgpass.open());
    if (pgpassEntry)
        pgpass.write("localhost:*:*:form337_password:wrong\n");
    pgpass.close();
    qputenv("PGPASSFILE", QFile::encodeName(pgpass.fileName()));
    int times = 0;
    QString askedFor;
    Database::setPasswordSource([&](const QString &server, const QString &why) {
        Q_UNUSED(why);
        askedFor = server;
        const QString answer = answers.value(times++, QStringLiteral("-"));
        return answer == QLatin1String("-") ? std::nullopt : std::optional<QString>(answer);
    });
    bool opened = false;
    int refused = 0;
    try {
        opened = Database::open(address->toUri()) != nullptr;
    } catch (const DbError &error) {
        refused = error.number();
    }
    Database::setPasswordSource({});
    qunsetenv("PGPASSFILE");
    QCOMPARE(times, asked);
    if (asked > 0)
        QCOMPARE(askedFor, address->displayName());
    QCOMPARE(opened, opens);
    QCOMPARE(refused, opens ? 0 : int(EngineError::CannotOpenFile));
}
