#pragma once

#include "common/TestServer.h"
#include "data/DbError.h"
#include "data/PostgresSchema.h"
#include "data/PostgresSchemaSql.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"
#include "data/ServerAddress.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>

// The engine a data test runs on: the program's data files or the throwaway server.
enum class TestEngine { File, Server };

// The forms and inspectors' tables of a test, for either engine: a new forms file in a
// folder of its own (the inspectors' file is made by the test where it needs one), or a
// database of the test server made by --init-server's initialize (one for the test
// class, emptied again by each fresh()).
class TestTables
{
public:
    explicit TestTables(TestEngine engine)
        : m_engine(engine)
    { }

    TestEngine engine() const { return m_engine; }
    bool onServer() const { return m_engine == TestEngine::Server; }

    // Empty tables for the next test; false (with error()) when they cannot be made, which
    // fails the test: a server that cannot be reached is never a reason to skip.
    bool fresh()
    {
        m_error.clear();
        try {
            if (onServer())
                return freshOnServer();
            m_dir = std::make_unique<QTemporaryDir>();
            if (!m_dir->isValid()) {
                m_error = m_dir->errorString();
                return false;
            }
            Schema::createFormsFile(m_dir->filePath(Schema::kFormsFile));
            return true;
        } catch (const DbError &error) {
            m_error = error.message();
            return false;
        }
    }

    QString error() const { return m_error; }

    // The names Database::open and Recordset take: file paths, or the server's address
    // (which holds the tables of both files).
    QString forms() const { return onServer() ? m_address : m_dir->filePath(Schema::kFormsFile); }
    QString agents() const { return onServer() ? m_address : m_dir->filePath(Schema::kAgentsFile); }
    // The same tables as another workstation reaches them: on the server through a
    // connection of its own (another address of the same database); a file is shared
    // through one connection in the program as well.
    QString elsewhere(const QString &name) const
    {
        return onServer() ? name + QStringLiteral("&sslmode=disable") : name;
    }
    // The folder of the files (tests of file names only).
    QString folder() const { return m_dir ? m_dir->path() : QString(); }

    // A value read through a connection of its own, as another program sees the data.
    QVariant readElsewhere(const QString &sql)
    {
        const QString name = QStringLiteral("form337-test-elsewhere");
        QVariant result;
        {
            QSqlDatabase other;
            if (onServer()) {
                other = ServerAddress::fromUri(m_address, nullptr)->open(name);
            } else {
                other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                other.setDatabaseName(forms());
                other.open();
            }
            QSqlQuery query(other);
            if (query.exec(sql) && query.next())
                result = query.value(0);
            other.close();
        }
        QSqlDatabase::removeDatabase(name);
        return result;
    }

private:
    bool freshOnServer()
    {
        if (!m_server) {
            m_server = std::make_unique<TestServer>();
            if (!m_server->ok()) {
                m_error = m_server->error();
                m_server.reset();
                return false;
            }
            PostgresSchema::initialize(m_server->db());
            m_address = m_server->address();
        }
        // Every table emptied and its keys started again; stored queries dropped.
        QSqlQuery query(m_server->db());
        QStringList views;
        if (!query.exec(QStringLiteral("SELECT table_name FROM information_schema.views WHERE "
                                       "table_schema = current_schema()"))) {
            m_error = query.lastError().text();
            return false;
        }
        while (query.next())
            views << query.value(0).toString();
        for (const QString &view : std::as_const(views))
            query.exec(QStringLiteral("DROP VIEW %1").arg(SchemaSql::quoted(view)));
        QStringList tables;
        for (const TableSpec *definition : PostgresSchemaSql::serverTables())
            tables << SchemaSql::quoted(definition->name);
        if (!query.exec(QStringLiteral("TRUNCATE %1 RESTART IDENTITY")
                            .arg(tables.join(QStringLiteral(", "))))) {
            m_error = query.lastError().text();
            return false;
        }
        for (const QString &statement : PostgresSchemaSql::firstRecordStatements())
            query.exec(statement);
        return true;
    }

    TestEngine m_engine;
    QString m_error;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestServer> m_server;
    QString m_address;
};
