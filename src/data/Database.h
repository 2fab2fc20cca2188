#pragma once

#include "data/Criterion.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

struct TableSpec;

// One open database: a file, or a database on a PostgreSQL server named by its
// "postgresql://" address (ServerAddress). Instances are shared: opening the same file
// twice (under any case of its name) or the same server database returns the same
// connection while someone still holds it. Every call that touches the engine throws
// DbError with the engine error number the program decides by, whichever the engine.
class Database
{
public:
    // Opens an existing file and checks that it holds the expected tables.
    //   folder missing or not a path -> InvalidPath (3044)
    //   file missing                 -> FileNotFound (3024)
    //   not a database of ours (garbage, empty, an old Access file, tables missing)
    //                                -> UnrecognizedFormat (3343); the file is not changed
    // Locks are waited out for a few seconds before LockedByAnother (3260) is thrown.
    // A server address opens the server database instead (a data file's name after the
    // address, as a data folder names its files, is dropped); one it cannot reach gives
    // CannotOpenFile (3051) naming the server, and one that does not hold the tables of
    // this program's version UnrecognizedFormat (3343) naming both versions.
    static std::shared_ptr<Database> open(const QString &path,
                                          const QList<const TableSpec *> &expectedTables = {});
    // True when the name is a server address rather than a file path.
    static bool isServerAddress(const QString &name);
    // Asked for a server's password when connecting without one failed and libpq's
    // password file holds none for it: the server's name and why the attempt failed; the
    // password, or nullopt when the user declines. A password that let the program in is
    // kept in memory for the rest of the run.
    using PasswordSource
        = std::function<std::optional<QString>(const QString &server, const QString &why)>;
    static void setPasswordSource(PasswordSource source);

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QString path() const;  // the resolved file path, or the server's address
    QSqlDatabase connection() const;

    // Runs one statement with bound values (bool binds as -1/0, QDate as ISO text).
    // A statement the engine refuses because the file at the path was replaced (the data
    // folder mounted again) is run once more on the file opened anew.
    void execute(const QString &sql, const QVariantList &params = {});
    // The same, telling what it wrote.
    struct Written
    {
        int rowsAffected = 0;
        qint64 lastInsertId = 0;
    };
    Written write(const QString &sql, const QVariantList &params = {});
    // Runs an INSERT of one record into a table of the schema and gives the record's key.
    qint64 insert(const QString &sql, const QVariantList &params = {});
    // Runs a query and returns all its rows (for small results only), and the names of
    // its columns when asked.
    QList<QVariantList> rows(const QString &sql, const QVariantList &params = {},
                             QStringList *columnNames = nullptr);
    // Runs a query and hands its rows to take one at a time (for results of any size).
    void forEachRow(const QString &sql, const QVariantList &params,
                    const std::function<void(const QVariantList &)> &take);
    // A single value (first column of the first row), null when there is no row.
    QVariant value(const QString &sql, const QVariantList &params = {});
    // Attaches another of the program's files to this connection under `schema`, written
    // as it is through its own connection; changes to both then commit together.
    void attach(const QString &path, const QString &schema);

    // Stored queries (views). createQuery throws ObjectExists (3012) when the name is taken.
    void createQuery(const QString &name, const QString &sql);
    // The same with values for the "?" placeholders of sql: a stored query cannot keep
    // bound values, so they are written into it as properly quoted literals (dates as
    // ISO text, bool as -1/0). DeleteQuery throws ItemNotFound (3265) for an unknown name.
    void createQuery(const QString &name, const QString &sql, const QVariantList &params);
    void deleteQuery(const QString &name);
    bool hasQuery(const QString &name);

    // True when the table carries the change counter (a file that could not be given
    // one, being read-only, has none).
    bool countsChanges(const QString &table);

    // True when the file holds the search index of the find panel's columns (a file of
    // an earlier version that could not be given one, being read-only, has none).
    bool hasSearchIndex() const;
    // True when the table of the file has the field (matched without regard to case).
    bool hasField(const QString &table, const QString &field);

    // The criterion as this database runs it: its server form on a server; in a file
    // without the search index, without narrowing by it.
    Criterion runnable(const Criterion &criterion) const;

    // Explicit transactions for multi-statement changes; begin takes the write lock
    // at once (waiting for another program's write like any other lock).
    void beginTransaction();
    void commit();
    void rollback();

    // Internal: the constructor is public for make_shared only; use open().
    struct Private;
    explicit Database(std::unique_ptr<Private> d);

private:
    static std::shared_ptr<Database> openServer(const QString &address,
                                                const QList<const TableSpec *> &expectedTables);
    void connect();
    void addMissingParts(const QList<const TableSpec *> &tables);
    bool searchIndexExists();
    void addSearchIndex();
    // Runs a long statement telling LongWork's observer how it goes.
    void fillReporting(const QString &statement, const QString &what);
    void runOnce(const QString &sql, const QVariantList &params = {});
    bool hasMoved() const;
    [[noreturn]] void fail(const QSqlError &error, const QString &statement) const;
    template<typename Work>
    auto reopeningOnce(Work work) -> decltype(work());

    std::unique_ptr<Private> d;
};

// Maps a failed Qt SQL call to a DbError with the engine number. The message names the
// file and the engine's reason; the statement is written to the engine log only.
[[noreturn]] void throwEngineError(const class QSqlError &error, const QString &statement,
                                   const QString &file);
