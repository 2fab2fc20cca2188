#include "data/Database.h"

#include "data/DataFolder.h"
#include "data/DbError.h"
#include "data/EngineFunctions.h"
#include "data/EngineValues.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRecursiveMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSet>
#include <sqlite3.h>

struct Database::Private {
    QString path;
    QString registryKey;
    QString connectionName;
    QSqlDatabase db;
};

namespace {

// Locks held by another program are waited out this long before the engine gives up.
const QString kConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");

QRecursiveMutex registryMutex;  // recursive: a failed open destroys its Database while holding it
QHash<QString, std::weak_ptr<Database>>& registry()
{
    static QHash<QString, std::weak_ptr<Database>> instances;
    return instances;
}

QString newConnectionName(const char* purpose)
{
    static QAtomicInt counter;
    return QStringLiteral("form337-%1-%2").arg(QLatin1String(purpose)).arg(counter.fetchAndAddRelaxed(1));
}

int engineNumberFor(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (!ok)
        return EngineError::GeneralFailure;
    const QString text = error.databaseText();
    switch (code) {
    case SQLITE_READONLY:
        return EngineError::ReadOnly;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return EngineError::LockedByAnother;
    case SQLITE_FULL:
        return EngineError::DiskFull;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return EngineError::UnrecognizedFormat;
    case SQLITE_CANTOPEN:
        return EngineError::InvalidPath;
    case SQLITE_ERROR:
        if (text.contains(QLatin1String("already exists")))
            return EngineError::ObjectExists;
        if (text.contains(QLatin1String("no such table")))
            return EngineError::TableNotFound;
        if (text.contains(QLatin1String("syntax error")) || text.contains(QLatin1String("unrecognized token")) ||
            text.contains(QLatin1String("incomplete input")) || text.contains(QLatin1String("no such column")) ||
            text.contains(QLatin1String("no such function")) || text.contains(QLatin1String("wrong number of arguments")))
            return EngineError::QuerySyntax;
        return EngineError::GeneralFailure;
    default:
        return EngineError::GeneralFailure;
    }
}

void runQuery(QSqlQuery& query, const QString& sql, const QVariantList& params)
{
    if (!query.prepare(sql))
        throwEngineError(query.lastError(), sql);
    for (const QVariant& p : params)
        query.addBindValue(EngineValues::toBound(p));
    if (!query.exec())
        throwEngineError(query.lastError(), sql);
}

[[noreturn]] void notOurs(const QString& path, const QString& why)
{
    throw DbError(EngineError::UnrecognizedFormat,
                  QStringLiteral("Unrecognized database format '%1': %2").arg(path, why));
}

// Every expected table with its key and all its fields, compared without regard to case.
void checkTables(const QSqlDatabase& db, const QString& path, const QList<const TableSpec*>& expected)
{
    for (const TableSpec* definition : expected) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        runQuery(query, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {definition->name});
        QSet<QString> columns;
        while (query.next())
            columns.insert(query.value(0).toString().toLower());
        if (columns.isEmpty())
            notOurs(path, QStringLiteral("table %1 is missing").arg(definition->name));
        if (!columns.contains(QString::fromLatin1(SchemaSql::kRecordId).toLower()))
            notOurs(path, QStringLiteral("table %1 has no record key").arg(definition->name));
        for (const FieldSpec& field : definition->fields) {
            if (!columns.contains(field.name.toLower()))
                notOurs(path, QStringLiteral("field %1.%2 is missing").arg(definition->name, field.name));
        }
    }
}

// Looks at the file without the possibility of changing it: the header first (an
// empty file would otherwise be taken as a new database), then, on a read-only
// connection, the tables.
void checkFormat(const QString& path, const QList<const TableSpec*>& expected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(EngineError::CannotOpenFile, QStringLiteral("Cannot read '%1': %2").arg(path, file.errorString()));
    static const QByteArray kHeader("SQLite format 3\0", 16);
    if (file.read(16) != kHeader)
        notOurs(path, QStringLiteral("not a database of this program"));
    file.close();

    auto checkOn = [&](const QString& options) {
        const QString name = newConnectionName("check");
        try {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(path);
                db.setConnectOptions(options);
                if (!db.open())
                    throwEngineError(db.lastError(), path);
                checkTables(db, path, expected);
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        } catch (...) {
            QSqlDatabase::removeDatabase(name);
            throw;
        }
    };
    try {
        checkOn(QStringLiteral("QSQLITE_OPEN_READONLY;") + kConnectOptions);
    } catch (const DbError& error) {
        // A program that died in the middle of a change left its journal behind, which
        // only a connection that may write can roll back: the file is one of ours (its
        // header said so), so it is recovered as any program of this engine would.
        if (error.number() != EngineError::ReadOnly)
            throw;
        checkOn(kConnectOptions);
    }
}

}  // namespace

void throwEngineError(const QSqlError& error, const QString& context)
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    throw DbError(engineNumberFor(error), context.isEmpty() ? detail : QStringLiteral("%1 (%2)").arg(detail, context));
}

std::shared_ptr<Database> Database::open(const QString& path, const QList<const TableSpec*>& expectedTables)
{
    if (path.trimmed().isEmpty() || path.contains(QChar(0)))
        throw DbError(EngineError::InvalidPath, QStringLiteral("'%1' is not a valid path.").arg(path));
    const QFileInfo given(QDir::cleanPath(path));
    const QFileInfo folder(given.path());
    if (!folder.isDir())
        throw DbError(EngineError::InvalidPath, QStringLiteral("'%1' is not a valid path.").arg(path));
    const QString resolved = DataFolder::resolve(given.path(), given.fileName());
    const QFileInfo file(resolved);
    if (!file.exists())
        throw DbError(EngineError::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    // The folder is valid, so this is no reason to give it up: the file is named instead.
    if (file.isDir())
        throw DbError(EngineError::CannotOpenFile, QStringLiteral("'%1' is a folder, not a file.").arg(resolved));

    const QString key = file.canonicalFilePath();
    QMutexLocker lock(&registryMutex);
    if (std::shared_ptr<Database> shared = registry().value(key).lock()) {
        checkTables(shared->connection(), resolved, expectedTables);
        return shared;
    }

    checkFormat(resolved, expectedTables);

    auto d = std::make_unique<Private>();
    d->path = resolved;
    d->registryKey = key;
    d->connectionName = newConnectionName("db");
    d->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connectionName);
    d->db.setDatabaseName(resolved);
    d->db.setConnectOptions(kConnectOptions);
    // From here the Database owns the connection and removes it when destroyed.
    auto database = std::make_shared<Database>(std::move(d));
    QSqlDatabase& db = database->d->db;
    if (!db.open())
        throwEngineError(db.lastError(), resolved);
    // Every change is on the disk before the call that made it returns. The rollback
    // journal is kept between commits instead of being deleted each time, which makes a
    // durable save several times faster and, unlike a write-ahead log, stays safe on
    // network shares.
    database->execute(QStringLiteral("PRAGMA synchronous = FULL"));
    database->rows(QStringLiteral("PRAGMA journal_mode = PERSIST"));
    if (!EngineFunctions::registerOn(db))
        throw DbError(EngineError::GeneralFailure, QStringLiteral("Could not prepare the connection to '%1'.").arg(resolved));
    // A file made by an earlier version gets the indexes it lacks, once. Where the file
    // cannot be written the searches still work, only slower.
    for (const TableSpec* definition : expectedTables) {
        for (const QString& statement : SchemaSql::indexStatements(*definition)) {
            try {
                database->execute(statement);
            } catch (const DbError&) {
            }
        }
    }
    registry().insert(key, database);
    return database;
}

Database::Database(std::unique_ptr<Private> priv) : d(std::move(priv)) {}

Database::~Database()
{
    d->db.close();
    d->db = QSqlDatabase();
    QSqlDatabase::removeDatabase(d->connectionName);
    QMutexLocker lock(&registryMutex);
    auto it = registry().find(d->registryKey);
    if (it != registry().end() && it->expired())
        registry().erase(it);
}

QString Database::path() const
{
    return d->path;
}

QSqlDatabase Database::connection() const
{
    return d->db;
}

void Database::execute(const QString& sql, const QVariantList& params)
{
    QSqlQuery query(d->db);
    runQuery(query, sql, params);
}

QList<QVariantList> Database::rows(const QString& sql, const QVariantList& params)
{
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    runQuery(query, sql, params);
    QList<QVariantList> result;
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << query.value(c);
        result << row;
    }
    if (query.lastError().isValid())
        throwEngineError(query.lastError(), sql);
    return result;
}

QVariant Database::value(const QString& sql, const QVariantList& params)
{
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    runQuery(query, sql, params);
    if (query.next())
        return query.value(0);
    if (query.lastError().isValid())
        throwEngineError(query.lastError(), sql);
    return QVariant();
}

namespace {

void checkQueryName(const QString& name)
{
    if (!SchemaSql::isPlainIdentifier(name))
        throw DbError(EngineError::QuerySyntax, QStringLiteral("'%1' is not a valid query name.").arg(name));
}

// Puts the values in place of the "?" placeholders that stand outside quotes,
// written as literals (a stored query cannot keep bound values).
QString withLiterals(const QString& sql, const QVariantList& params)
{
    QString result;
    qsizetype next = 0;
    QChar quote;
    for (QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'[') {
            quote = u']';
        } else if (c == u'?') {
            if (next >= params.size())
                throw DbError(EngineError::QuerySyntax, QStringLiteral("Too few values for the query."));
            result += EngineValues::toLiteral(params[next++]);
            continue;
        }
        result += c;
    }
    if (next != params.size())
        throw DbError(EngineError::QuerySyntax, QStringLiteral("Too many values for the query."));
    return result;
}

}  // namespace

void Database::createQuery(const QString& name, const QString& sql)
{
    checkQueryName(name);
    const QVariant taken = value(
        QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ? COLLATE NOCASE AND type IN ('view', 'table')"),
        {name});
    if (taken.toInt() > 0)
        throw DbError(EngineError::ObjectExists, QStringLiteral("Object '%1' already exists.").arg(name));
    execute(QStringLiteral("CREATE VIEW %1 AS %2").arg(SchemaSql::quoted(name), sql));
}

void Database::createQuery(const QString& name, const QString& sql, const QVariantList& params)
{
    createQuery(name, withLiterals(sql, params));
}

void Database::deleteQuery(const QString& name)
{
    checkQueryName(name);
    if (!hasQuery(name))
        throw DbError(EngineError::ItemNotFound, QStringLiteral("Item '%1' not found in this collection.").arg(name));
    execute(QStringLiteral("DROP VIEW %1").arg(SchemaSql::quoted(name)));
}

bool Database::hasQuery(const QString& name)
{
    return value(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'view' AND name = ? COLLATE NOCASE"),
                 {name})
               .toInt() > 0;
}

void Database::beginTransaction()
{
    // The write lock is taken at once, waiting out another program's write: a
    // transaction that first reads and then writes would otherwise fail at its first
    // write, without waiting, whenever another program wrote in between.
    execute(QStringLiteral("BEGIN IMMEDIATE"));
}

void Database::commit()
{
    if (!d->db.commit())
        throwEngineError(d->db.lastError(), QStringLiteral("commit"));
}

void Database::rollback()
{
    if (!d->db.rollback())
        throwEngineError(d->db.lastError(), QStringLiteral("rollback"));
}
