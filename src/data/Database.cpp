#include "data/Database.h"

#include "data/DataFolder.h"
#include "data/DbError.h"
#include "data/EngineFunctions.h"
#include "data/EngineLog.h"
#include "data/EngineValues.h"
#include "data/PgPass.h"
#include "data/PostgresDialect.h"
#include "data/PostgresErrors.h"
#include "data/PostgresSchema.h"
#include "data/PostgresSchemaSql.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"
#include "data/ServerAddress.h"

#include "data/LongWork.h"
#include "data/SearchIndex.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRecursiveMutex>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <QSqlRecord>
#include <sqlite3.h>
#include <sys/stat.h>

struct Database::Private
{
    QString path;
    QString registryKey;
    QString connectionName;
    QSqlDatabase db;
    bool inTransaction = false;
    // The file the connection has open, to notice when the path leads to another one.
    dev_t device = 0;
    ino_t inode = 0;
    QHash<QString, bool> countsChanges;  // by table name in lower case
    QSet<QString> prepared;              // tables whose counters and indexes were seen to
    bool hasSearchIndex = false;
    // A database on a server: path holds its address, displayName "host:port/database".
    bool onServer = false;
    QString displayName;
};

namespace {

// Locks held by another program are waited out this long before the engine gives up.
const QString kConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");

QRecursiveMutex registryMutex;  // recursive: a failed open destroys its Database while holding it
QHash<QString, std::weak_ptr<Database>> &registry()
{
    static QHash<QString, std::weak_ptr<Database>> instances;
    return instances;
}

QString newConnectionName(const char *purpose)
{
    static QAtomicInt counter;
    return QStringLiteral("form337-%1-%2")
        .arg(QLatin1String(purpose))
        .arg(counter.fetchAndAddRelaxed(1));
}

int engineNumberFor(const QSqlError &error)
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
        if (text.contains(QLatin1String("syntax error"))
            || text.contains(QLatin1String("unrecognized token"))
            || text.contains(QLatin1String("incomplete input"))
            || text.contains(QLatin1String("no such column"))
            || text.contains(QLatin1String("no such function"))
            || text.contains(QLatin1String("wrong number of arguments")))
            return EngineError::QuerySyntax;
        return EngineError::GeneralFailure;
    default:
        return EngineError::GeneralFailure;
    }
}

void runQuery(QSqlQuery &query, const QString &sql, const QVariantList &params, const QString &file)
{
    if (!query.prepare(sql))
        throwEngineError(query.lastError(), sql, file);
    for (const QVariant &p : params)
        query.addBindValue(EngineValues::toBound(p));
    if (!query.exec())
        throwEngineError(query.lastError(), sql, file);
}

[[noreturn]] void throwServerError(const QSqlError &error, const QString &statement,
                                   const Database::Private &d)
{
    const QString reason
        = (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
    EngineLog::write(d.displayName, statement, reason, error.nativeErrorCode());
    DbError failure(PostgresErrors::engineNumber(error),
                    QStringLiteral("%1 (server \"%2\")").arg(reason, d.displayName));
    failure.setFile(d.path);
    throw failure;
}

// Runs a statement on the database's own connection, on the server with the names as it
// reads them. The server prepares only statements that read or change records: the others
// (views, transactions) carry no values and run as they are.
void runOn(QSqlQuery &query, const QString &fileSql, const QVariantList &params,
           const Database::Private &d)
{
    if (!d.onServer) {
        runQuery(query, fileSql, params, d.path);
        return;
    }
    const QString sql = PostgresDialect::fromFileSql(fileSql);
    if (params.isEmpty()) {
        if (!query.exec(sql))
            throwServerError(query.lastError(), sql, d);
        return;
    }
    if (!query.prepare(sql))
        throwServerError(query.lastError(), sql, d);
    for (const QVariant &p : params)
        query.addBindValue(EngineValues::toBound(p));
    if (!query.exec())
        throwServerError(query.lastError(), sql, d);
}

bool fileIdentity(const QString &path, dev_t *device, ino_t *inode)
{
    struct stat info
    { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    *device = info.st_dev;
    *inode = info.st_ino;
    return true;
}

// The inspectors' file holds the passwords: its journal is deleted after each commit
// instead of being kept with the old pages in it.
bool isAgentsFile(const QString &path)
{
    return QFileInfo(path).fileName().compare(QString::fromLatin1(Schema::kAgentsFile),
                                              Qt::CaseInsensitive)
           == 0;
}

// How every file is written, by its own connection or attached to another's: every
// change is on the disk before the call that made it returns, and deleted content is
// overwritten rather than left in free pages. The rollback journal is kept between
// commits instead of being deleted each time, which makes a durable save several times
// faster and, unlike a write-ahead log, stays safe on network shares; the inspectors'
// file deletes it, so no old password stays in it. `schema` names an attached file.
QStringList writingPragmas(const QString &path, const QString &schema = {})
{
    const QString prefix = schema.isEmpty() ? QString() : schema + QLatin1Char('.');
    return {QStringLiteral("PRAGMA %1synchronous = FULL").arg(prefix),
            QStringLiteral("PRAGMA %1secure_delete = ON").arg(prefix),
            QStringLiteral("PRAGMA %1journal_mode = %2")
                .arg(prefix,
                     isAgentsFile(path) ? QStringLiteral("DELETE") : QStringLiteral("PERSIST"))};
}

[[noreturn]] void notOurs(const QString &path, const QString &why)
{
    throw DbError(EngineError::UnrecognizedFormat,
                  QStringLiteral("Unrecognized database format '%1': %2").arg(path, why));
}

// Every expected table with its key and all its fields, compared without regard to case.
void checkTables(const QSqlDatabase &db, const QString &path,
                 const QList<const TableSpec *> &expected)
{
    for (const TableSpec *definition : expected) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        runQuery(query, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {definition->name},
                 path);
        QSet<QString> columns;
        while (query.next())
            columns.insert(query.value(0).toString().toLower());
        if (columns.isEmpty())
            notOurs(path, QStringLiteral("table %1 is missing").arg(definition->name));
        if (!columns.contains(QString::fromLatin1(SchemaSql::kRecordId).toLower()))
            notOurs(path, QStringLiteral("table %1 has no record key").arg(definition->name));
        for (const FieldSpec &field : definition->fields) {
            if (!field.addedLater && !columns.contains(field.name.toLower()))
                notOurs(path,
                        QStringLiteral("field %1.%2 is missing").arg(definition->name, field.name));
        }
    }
}

// Looks at the file without the possibility of changing it: the header first (an
// empty file would otherwise be taken as a new database), then, on a read-only
// connection, the tables.
void checkFormat(const QString &path, const QList<const TableSpec *> &expected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(EngineError::CannotOpenFile,
                      QStringLiteral("Cannot read '%1': %2").arg(path, file.errorString()));
    static const QByteArray kHeader("SQLite format 3\0", 16);
    if (file.read(16) != kHeader)
        notOurs(path, QStringLiteral("not a database of this program"));
    file.close();

    auto checkOn = [&](const QString &options) {
        const QString name = newConnectionName("check");
        try {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(path);
                db.setConnectOptions(options);
                if (!db.open())
                    throwEngineError(db.lastError(), QString(), path);
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
    } catch (const DbError &error) {
        // A program that died in the middle of a change left its journal behind, which
        // only a connection that may write can roll back: the file is one of ours (its
        // header said so), so it is recovered as any program of this engine would.
        if (error.number() != EngineError::ReadOnly)
            throw;
        checkOn(kConnectOptions);
    }
}

}  // namespace

void throwEngineError(const QSqlError &error, const QString &statement, const QString &file)
{
    // The statement goes to the log only: the message names the file and the engine's reason.
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    EngineLog::write(file, statement, reason, error.nativeErrorCode());
    DbError failure(
        engineNumberFor(error),
        file.isEmpty()
            ? reason
            : QStringLiteral("%1 (file \"%2\")").arg(reason, QDir::toNativeSeparators(file)));
    failure.setFile(file);
    throw failure;
}

bool Database::isServerAddress(const QString &name)
{
    return name.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
           || name.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

namespace {

// The program names each file of a data folder by its name after the folder's; on a
// server one database holds the tables of every file, so the file name is dropped.
QString withoutFileName(const QString &name)
{
    for (const char *file : {Schema::kFormsFile, Schema::kAgentsFile}) {
        const QLatin1String fileName(file);
        if (name.endsWith(fileName, Qt::CaseInsensitive)) {
            QString address = name.chopped(fileName.size());
            if (address.endsWith(u'/'))
                address.chop(1);
            return address;
        }
    }
    return name;
}

}  // namespace

namespace {

Database::PasswordSource &passwordSource()
{
    static Database::PasswordSource source;
    return source;
}

QHash<QString, QString> &rememberedPasswords()
{
    static QHash<QString, QString> passwords;
    return passwords;
}

}  // namespace

void Database::setPasswordSource(PasswordSource source)
{
    QMutexLocker lock(&registryMutex);
    passwordSource() = std::move(source);
    rememberedPasswords().clear();
}

std::shared_ptr<Database> Database::openServer(const QString &text,
                                               const QList<const TableSpec *> &expectedTables)
{
    QString why;
    const std::optional<ServerAddress> address
        = ServerAddress::fromUri(withoutFileName(text), &why);
    if (!address)  // the text is not repeated: it may hold a password
        throw DbError(EngineError::InvalidPath,
                      QStringLiteral("The database server address is not valid: %1.").arg(why));
    const QString key = QStringLiteral("server:") + address->toUri();
    QMutexLocker lock(&registryMutex);
    std::shared_ptr<Database> database = registry().value(key).lock();
    if (!database) {
        auto d = std::make_unique<Private>();
        d->onServer = true;
        d->path = address->toUri();
        d->displayName = address->displayName();
        d->registryKey = key;
        d->connectionName = newConnectionName("server");
        QString password = rememberedPasswords().value(key);
        for (;;) {
            try {
                d->db = address->open(d->connectionName, password);
                break;
            } catch (const DbError &error) {
                // Where libpq has no password to give, the user may know one; the lock is
                // not held while they are asked.
                if (!passwordSource() || PgPass::hasEntryFor(*address))
                    throw;
                lock.unlock();
                const std::optional<QString> given
                    = passwordSource()(address->displayName(), error.message());
                lock.relock();
                if (!given)
                    throw;
                password = *given;
            }
        }
        // Kept in memory for the program's run, never written anywhere.
        if (!password.isEmpty())
            rememberedPasswords().insert(key, password);
        // From here the Database owns the connection and removes it when destroyed.
        database = std::make_shared<Database>(std::move(d));
        // A record another workstation holds locked is waited for as long as a data file's
        // lock, then refused (LockedByAnother), instead of without end.
        database->execute(QStringLiteral("SET lock_timeout = '5s'"));
        PostgresSchema::checkVersion(database->d->db);
        registry().insert(key, database);
    }
    // The schema version stands for the fields: a server database is made whole at once.
    const QList<const TableSpec *> held = PostgresSchemaSql::serverTables();
    for (const TableSpec *definition : expectedTables) {
        if (!held.contains(definition))
            notOurs(address->displayName(),
                    QStringLiteral("a server database holds no table %1").arg(definition->name));
    }
    return database;
}

std::shared_ptr<Database> Database::open(const QString &path,
                                         const QList<const TableSpec *> &expectedTables)
{
    if (isServerAddress(path))
        return openServer(path, expectedTables);
    if (path.trimmed().isEmpty() || path.contains(QChar(0)))
        throw DbError(EngineError::InvalidPath,
                      QStringLiteral("'%1' is not a valid path.").arg(path));
    const QFileInfo given(QDir::cleanPath(path));
    const QFileInfo folder(given.path());
    if (!folder.isDir())
        throw DbError(EngineError::InvalidPath,
                      QStringLiteral("'%1' is not a valid path.").arg(path));
    const QString resolved = DataFolder::resolve(given.path(), given.fileName());
    const QFileInfo file(resolved);
    if (!file.exists())
        throw DbError(EngineError::FileNotFound,
                      QStringLiteral("Could not find file '%1'.").arg(path));
    // The folder is valid, so this is no reason to give it up: the file is named instead.
    if (file.isDir())
        throw DbError(EngineError::CannotOpenFile,
                      QStringLiteral("'%1' is a folder, not a file.").arg(resolved));

    const QString key = file.canonicalFilePath();
    QMutexLocker lock(&registryMutex);
    if (std::shared_ptr<Database> shared = registry().value(key).lock()) {
        checkTables(shared->connection(), resolved, expectedTables);
        shared->addMissingParts(expectedTables);
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
    database->connect();
    database->addMissingParts(expectedTables);
    registry().insert(key, database);
    return database;
}

Database::Database(std::unique_ptr<Private> priv)
    : d(std::move(priv))
{ }

void Database::connect()
{
    QSqlDatabase &db = d->db;
    fileIdentity(d->path, &d->device, &d->inode);
    if (!db.open())
        throwEngineError(db.lastError(), QString(), d->path);
    for (const QString &pragma : writingPragmas(d->path))
        runOnce(pragma);
    if (!EngineFunctions::registerOn(db))
        throw DbError(EngineError::GeneralFailure,
                      QStringLiteral("Could not prepare the connection to '%1'.").arg(d->path));
}

void Database::attach(const QString &path, const QString &schema)
{
    execute(QStringLiteral("ATTACH DATABASE ? AS %1").arg(schema), {path});
    for (const QString &pragma : writingPragmas(path, schema))
        rows(pragma);  // journal_mode answers with a row
}

void Database::addMissingParts(const QList<const TableSpec *> &tables)
{
    // A file made by an earlier version gets the fields, change counters and indexes it
    // lacks, once. Where the file cannot be written the program still reads it, without them.
    // A server database was made whole for its schema version, which open() checked.
    if (d->onServer)
        return;
    for (const TableSpec *definition : tables) {
        const QString key = definition->name.toLower();
        if (d->prepared.contains(key))
            continue;
        d->prepared.insert(key);
        QStringList statements = SchemaSql::indexStatements(*definition);
        if (SchemaSql::countsChanges(*definition) && !countsChanges(definition->name))
            statements.prepend(SchemaSql::addChangeCounterStatement(*definition));
        QStringList newFields;
        for (const FieldSpec &field : definition->fields) {
            if (field.addedLater && !hasField(definition->name, field.name))
                newFields << SchemaSql::addColumnStatement(*definition, field);
        }
        statements = newFields + statements;
        // An index or counter that cannot be added (a read-only file) is left out: the
        // file still reads, only more slowly or without the lost-update check.
        for (const QString &statement : std::as_const(statements))
            skipFailingStep([&] { execute(statement); });
        d->countsChanges.remove(key);
        if (definition->name == QLatin1String(SearchIndex::kIndexedTable))
            skipFailingStep([&] { addSearchIndex(); });
    }
}

bool Database::searchIndexExists()
{
    return value(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                "name = ?"),
                 {QString::fromLatin1(SearchIndex::kIndexTable)})
               .toInt()
           > 0;
}

void Database::addSearchIndex()
{
    if (!value(SearchIndex::foldsAsciiOnlyQuery()).toBool())
        return;  // the index would fold otherwise than it is read: never used
    d->hasSearchIndex = searchIndexExists();
    if (d->hasSearchIndex || d->inTransaction)
        return;
    // Made and filled in one transaction, so that no program ever sees it half filled;
    // another program that made it meanwhile is seen once the write lock is ours.
    beginTransaction();
    try {
        if (!searchIndexExists()) {
            for (const QString &statement : SearchIndex::createStatements())
                execute(statement);
            fillReporting(SearchIndex::fillStatement(),
                          QStringLiteral("Preparing the search of %1 ...")
                              .arg(QFileInfo(d->path).fileName()));
        }
        commit();
    } catch (...) {
        skipFailingStep([&] { rollback(); });
        throw;
    }
    d->hasSearchIndex = true;
}

namespace {

int reportStep(void *observer)
{
    static_cast<LongWork *>(observer)->step();
    return 0;  // go on
}

}  // namespace

void Database::fillReporting(const QString &statement, const QString &what)
{
    LongWork *observer = LongWork::observer();
    if (!observer) {
        execute(statement);
        return;
    }
    sqlite3 *connection = *static_cast<sqlite3 *const *>(d->db.driver()->handle().constData());
    observer->begin(what);
    sqlite3_progress_handler(connection, 1000, reportStep, observer);
    try {
        execute(statement);
    } catch (...) {
        sqlite3_progress_handler(connection, 0, nullptr, nullptr);
        observer->end();
        throw;
    }
    sqlite3_progress_handler(connection, 0, nullptr, nullptr);
    observer->end();
}

bool Database::hasSearchIndex() const
{
    return d->hasSearchIndex;
}

void Database::runOnce(const QString &sql, const QVariantList &params)
{
    QSqlQuery query(d->db);
    runOn(query, sql, params, *d);
}

void Database::fail(const QSqlError &error, const QString &statement) const
{
    if (d->onServer)
        throwServerError(error, statement, *d);
    throwEngineError(error, statement, d->path);
}

bool Database::hasMoved() const
{
    dev_t device = 0;
    ino_t inode = 0;
    return !fileIdentity(d->path, &device, &inode) || device != d->device || inode != d->inode;
}

template<typename Work>
auto Database::reopeningOnce(Work work) -> decltype(work())
{
    if (d->onServer)
        return work();
    try {
        return work();
    } catch (const DbError &error) {
        // The data folder was replaced or mounted again while the program ran (a network
        // share that reconnected): the connection still holds the old, unlinked file, which
        // the engine refuses to write. The file at the path is opened again and the
        // statement tried once more. Inside a transaction the work done so far would be
        // lost, so the caller gets the error instead. A connection closed by an earlier
        // attempt that failed is tried again the same way, so the share can come back.
        const bool moved = error.number() == EngineError::ReadOnly && hasMoved();
        if (d->inTransaction || !(moved || !d->db.isOpen()))
            throw;
        try {
            d->db.close();
            // Never an empty database in place of a file that is not there (yet).
            if (!QFileInfo(d->path).isFile())
                throw DbError(EngineError::FileNotFound, QStringLiteral("the file is not there"));
            connect();
        } catch (const DbError &reopenError) {
            DbError failure(
                EngineError::ReadOnly,
                QStringLiteral(
                    "The data folder was replaced while the program ran and the file \"%1\" "
                    "could not be opened again: %2")
                    .arg(QDir::toNativeSeparators(d->path), reopenError.message()));
            failure.setFile(d->path);
            throw failure;
        }
        return work();
    }
}
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

void Database::execute(const QString &sql, const QVariantList &params)
{
    reopeningOnce([&] { runOnce(sql, params); });
}

Database::Written Database::write(const QString &sql, const QVariantList &params)
{
    return reopeningOnce([&] {
        QSqlQuery query(d->db);
        runOn(query, sql, params, *d);
        return Written{query.numRowsAffected(), query.lastInsertId().toLongLong()};
    });
}

QList<QVariantList> Database::rows(const QString &sql, const QVariantList &params,
                                   QStringList *columnNames)
{
    return reopeningOnce([&] {
        QSqlQuery query(d->db);
        query.setForwardOnly(true);
        runOn(query, sql, params, *d);
        QList<QVariantList> result;
        const QSqlRecord record = query.record();
        const int columns = record.count();
        if (columnNames) {
            columnNames->clear();
            for (int c = 0; c < columns; ++c)
                *columnNames << record.fieldName(c);
        }
        while (query.next()) {
            QVariantList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row << query.value(c);
            result << row;
        }
        if (query.lastError().isValid())
            fail(query.lastError(), sql);
        return result;
    });
}

void Database::forEachRow(const QString &sql, const QVariantList &params,
                          const std::function<void(const QVariantList &)> &take)
{
    QSqlQuery query(d->db);
    query.setForwardOnly(true);
    runOn(query, sql, params, *d);
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << query.value(c);
        take(row);
    }
    if (query.lastError().isValid())
        fail(query.lastError(), sql);
}

QVariant Database::value(const QString &sql, const QVariantList &params)
{
    return reopeningOnce([&] {
        QSqlQuery query(d->db);
        query.setForwardOnly(true);
        runOn(query, sql, params, *d);
        if (query.next())
            return query.value(0);
        if (query.lastError().isValid())
            fail(query.lastError(), sql);
        return QVariant();
    });
}

qint64 Database::insert(const QString &sql, const QVariantList &params)
{
    if (!d->onServer)
        return write(sql, params).lastInsertId;
    // The server tells the key it gave only when asked for it.
    return value(sql + QStringLiteral(" RETURNING ")
                     + SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId)),
                 params)
        .toLongLong();
}

Criterion Database::runnable(const Criterion &criterion) const
{
    if (d->onServer)
        return criterion.onServer();
    return d->hasSearchIndex ? criterion : criterion.scanning();
}

bool Database::hasField(const QString &table, const QString &field)
{
    if (d->onServer)
        return value(QStringLiteral("SELECT count(*) FROM information_schema.columns WHERE "
                                    "table_schema = current_schema() AND lower(table_name) = "
                                    "lower(?) AND lower(column_name) = lower(?)"),
                     {table, field})
                   .toInt()
               > 0;
    return value(QStringLiteral(
                     "SELECT count(*) FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
                 {table, field})
               .toInt()
           > 0;
}

bool Database::countsChanges(const QString &table)
{
    const QString key = table.toLower();
    auto known = d->countsChanges.constFind(key);
    if (known != d->countsChanges.constEnd())
        return *known;
    const bool counts = hasField(table, QString::fromLatin1(SchemaSql::kChangeCount));
    d->countsChanges.insert(key, counts);
    return counts;
}

namespace {

void checkQueryName(const QString &name)
{
    if (!SchemaSql::isPlainIdentifier(name))
        throw DbError(EngineError::QuerySyntax,
                      QStringLiteral("'%1' is not a valid query name.").arg(name));
}

// Puts the values in place of the "?" placeholders that stand outside quotes,
// written as literals (a stored query cannot keep bound values).
QString withLiterals(const QString &sql, const QVariantList &params)
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
                throw DbError(EngineError::QuerySyntax,
                              QStringLiteral("Too few values for the query."));
            result += EngineValues::toLiteral(params[next++]);
            continue;
        }
        result += c;
    }
    if (next != params.size())
        throw DbError(EngineError::QuerySyntax, QStringLiteral("Too many values for the query."));
    return result;
}

// The name a table or view (catalog "tables" or "views") is stored under on the server,
// found without regard to case as the file engine finds it; empty when there is none.
QString serverObjectName(Database &db, const QString &catalog, const QString &name)
{
    return db
        .value(QStringLiteral("SELECT table_name FROM information_schema.%1 WHERE table_schema "
                              "= current_schema() AND lower(table_name) = lower(?) LIMIT 1")
                   .arg(catalog),
               {name})
        .toString();
}

}  // namespace

void Database::createQuery(const QString &name, const QString &sql)
{
    checkQueryName(name);
    if (d->onServer) {
        if (!serverObjectName(*this, QStringLiteral("tables"), name).isEmpty())
            throw DbError(EngineError::ObjectExists,
                          QStringLiteral("Object '%1' already exists.").arg(name));
        execute(QStringLiteral("CREATE VIEW %1 AS %2").arg(SchemaSql::quoted(name), sql));
        return;
    }
    const QVariant taken = value(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ? "
                                                "COLLATE NOCASE AND type IN ('view', 'table')"),
                                 {name});
    if (taken.toInt() > 0)
        throw DbError(EngineError::ObjectExists,
                      QStringLiteral("Object '%1' already exists.").arg(name));
    execute(QStringLiteral("CREATE VIEW %1 AS %2").arg(SchemaSql::quoted(name), sql));
}

void Database::createQuery(const QString &name, const QString &sql, const QVariantList &params)
{
    createQuery(name, withLiterals(sql, params));
}

void Database::deleteQuery(const QString &name)
{
    checkQueryName(name);
    if (!hasQuery(name))
        throw DbError(EngineError::ItemNotFound,
                      QStringLiteral("Item '%1' not found in this collection.").arg(name));
    const QString stored
        = d->onServer ? serverObjectName(*this, QStringLiteral("views"), name) : name;
    execute(QStringLiteral("DROP VIEW %1").arg(SchemaSql::quoted(stored)));
}

bool Database::hasQuery(const QString &name)
{
    if (d->onServer)
        return !serverObjectName(*this, QStringLiteral("views"), name).isEmpty();
    return value(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'view' AND name = "
                                "? COLLATE NOCASE"),
                 {name})
               .toInt()
           > 0;
}

void Database::beginTransaction()
{
    // The write lock is taken at once, waiting out another program's write: a
    // transaction that first reads and then writes would otherwise fail at its first
    // write, without waiting, whenever another program wrote in between.
    // A server locks each record as it is written; the change counters find what another
    // workstation changed.
    execute(d->onServer ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    d->inTransaction = true;
}

void Database::commit()
{
    d->inTransaction = false;
    if (!d->db.commit())
        fail(d->db.lastError(), QStringLiteral("COMMIT"));
}

void Database::rollback()
{
    d->inTransaction = false;
    if (!d->db.rollback())
        fail(d->db.lastError(), QStringLiteral("ROLLBACK"));
}
