#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QUrl>
#include <QUuid>
#include <QtTest>

// A database of its own on the throwaway PostgreSQL server of the test run (started by
// the CTest fixture, which names its socket folder in FORM337_PG_SOCKET_DIR), dropped
// again at the end. A test that cannot reach the server fails: check ok() with QVERIFY2
// and error() in initTestCase.
class TestServer
{
public:
    // A database that stores its text in the given encoding (the program's own need UTF8).
    explicit TestServer(const QString &encoding = QStringLiteral("UTF8"))
    {
        const QString socketFolder = qEnvironmentVariable("FORM337_PG_SOCKET_DIR");
        if (socketFolder.isEmpty()) {
            m_error = QStringLiteral("FORM337_PG_SOCKET_DIR is not set: run the test through "
                                     "CTest, which starts the test server");
            return;
        }
        m_database = QStringLiteral("form337_test_%1")
                         .arg(QUuid::createUuid().toString(QUuid::Id128).left(16));
        const QString locale
            = encoding == QLatin1String("UTF8") ? QStringLiteral("C.UTF-8") : QStringLiteral("C");
        if (!runOnServer(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING '%2' "
                                        "LC_COLLATE '%3' LC_CTYPE '%3'")
                             .arg(m_database, encoding, locale)))
            return;
        m_connection = m_database;
        QSqlDatabase db = connect(m_connection, m_database);
        if (!db.open())
            m_error = db.lastError().text();
    }

    ~TestServer()
    {
        if (m_connection.isEmpty())
            return;
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
        runOnServer(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_database));
    }

    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_connection, false); }
    // The database's address, as the program is given it.
    QString address() const
    {
        return QStringLiteral("postgresql://form337@/%1?host=%2")
            .arg(m_database, QString::fromUtf8(QUrl::toPercentEncoding(
                                 qEnvironmentVariable("FORM337_PG_SOCKET_DIR"))));
    }

private:
    static QSqlDatabase connect(const QString &connection, const QString &database)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(qEnvironmentVariable("FORM337_PG_SOCKET_DIR"));
        db.setUserName(QStringLiteral("form337"));
        db.setDatabaseName(database);
        return db;
    }

    // Runs one statement on the server's maintenance database.
    bool runOnServer(const QString &sql)
    {
        const QString connection = QStringLiteral("form337-test-server-admin");
        bool done = false;
        {
            QSqlDatabase admin = connect(connection, QStringLiteral("postgres"));
            if (!admin.open()) {
                m_error = QStringLiteral("cannot reach the test server: %1")
                              .arg(admin.lastError().text());
            } else {
                QSqlQuery query(admin);
                done = query.exec(sql);
                if (!done)
                    m_error = query.lastError().text();
            }
            admin.close();
        }
        QSqlDatabase::removeDatabase(connection);
        return done;
    }

    QString m_database;
    QString m_connection;
    QString m_error;
};
