#include "data/ServerAddress.h"
#include "DataTestSupport.h"
#include "common/TestRegistry.h"
#include "common/TestServer.h"

// Server addresses as --init-server and the settings take them, and opening one.
class ServerAddressTest : public QObject
{
    Q_OBJECT
private slots:
    void fromUri_data();
    void fromUri();
    void refusesAddresses_data();
    void refusesAddresses();
    void opensTheServerOrNamesWhyNot_data();
    void opensTheServerOrNamesWhyNot();
};

void ServerAddressTest::fromUri_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("tlsMode");

    QTest::newRow("host and database") << "postgresql://db.example.org/agency"
                                       << "db.example.org" << 5432 << "agency"
                                       << ""
                                       << "prefer";
    QTest::newRow("user, port and TLS mode")
        << "postgresql://inspector@10.0.0.5:6543/forms?sslmode=verify-full"
        << "10.0.0.5" << 6543 << "forms"
        << "inspector"
        << "verify-full";
    QTest::newRow("socket folder") << "postgresql:///forms?host=/run/postgresql"
                                   << "/run/postgresql" << 5432 << "forms"
                                   << ""
                                   << "prefer";
    QTest::newRow("socket folder and user")
        << "postgresql:///forms?host=/run/postgresql&user=inspector"
        << "/run/postgresql" << 5432 << "forms"
        << "inspector"
        << "prefer";
    QTest::newRow("short scheme") << "postgres://h/d"
                                  << "h" << 5432 << "d"
                                  << ""
                                  << "prefer";
}

void ServerAddressTest::fromUri()
{
    QFETCH(QString, uri);
    QString why;
    const std::optional<ServerAddress> address = ServerAddress::fromUri(uri, &why);
    QVERIFY2(address, qPrintable(why));
    QTEST(address->host, "host");
    QTEST(address->port, "port");
    QTEST(address->database, "database");
    QTEST(address->user, "user");
    QTEST(address->tlsMode, "tlsMode");
    // What the settings keep reads back as the same address.
    const std::optional<ServerAddress> again = ServerAddress::fromUri(address->toUri(), &why);
    QVERIFY2(again, qPrintable(address->toUri() + u' ' + why));
    QCOMPARE(again->toUri(), address->toUri());
    QCOMPARE(again->displayName(), address->displayName());
}

void ServerAddressTest::refusesAddresses_data()
{
    QTest::addColumn<QString>("uri");
    QTest::newRow("password in it") << "postgresql://u:secret@h/d";
    QTest::newRow("no database") << "postgresql://h";
    QTest::newRow("no server") << "postgresql:///d";
    QTest::newRow("another scheme") << "mysql://h/d";
    QTest::newRow("setting not used") << "postgresql://h/d?application_name=x";
    QTest::newRow("unknown TLS mode") << "postgresql://h/d?sslmode=maybe";
    QTest::newRow("port out of range") << "postgresql://h/d?port=0";
}

void ServerAddressTest::refusesAddresses()
{
    QFETCH(QString, uri);
    QString why;
    QVERIFY(!ServerAddress::fromUri(uri, &why));
    QVERIFY(!why.isEmpty());
}

void ServerAddressTest::opensTheServerOrNamesWhyNot_data()
{
    QTest::addColumn<bool>("ownDatabase");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the test database") << true << "";
    QTest::newRow("no such database") << false << "does not exist";
}

void ServerAddressTest::opensTheServerOrNamesWhyNot()
{
    QFETCH(bool, ownDatabase);
    QFETCH(QString, reason);
    TestServer server;
    QVERIFY2(server.ok(), qPrintable(server.error()));
    ServerAddress address;
    address.host = qEnvironmentVariable("FORM337_PG_SOCKET_DIR");
    address.user = server.db().userName();
    address.database = ownDatabase ? server.db().databaseName() : QStringLiteral("no_such_db");
    address.tlsMode = QStringLiteral("disable");
    const QString connection = QStringLiteral("server-address-test");
    try {
        QVERIFY(address.open(connection).isOpen());
        QVERIFY(ownDatabase);
    } catch (const DbError &error) {
        QCOMPARE(error.number(), int(EngineError::CannotOpenFile));
        QVERIFY2(error.message().contains(address.displayName())
                     && error.message().contains(reason),
                 qPrintable(error.message()));
        QVERIFY(!ownDatabase);
    }
    QSqlDatabase::removeDatabase(connection);
}

REGISTER_TEST(ServerAddressTest)

#include "ServerAddressTest.moc"
