#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

// One Access (Jet) database file of the old program, read with mdbtools' libmdb.
//
// The file is opened read-only and never written. Jet 3 (Access 97) and Jet 4
// (Access 2000-2003) files are read, and the later Access formats that libmdb knows.
// Before libmdb sees the file its header is checked here, so that a file that is no
// Access file, one of a format libmdb cannot read, or one cut short is refused with a
// message naming the file instead of being read in part.
//
// Values come back as the program uses them: text and memo as QString (an empty
// text stays an empty string, Null is a null QVariant), Yes/No as -1/0 (int), whole
// numbers as int, other numbers as double, date/time as QDate with the time dropped.
// Deleted records are not read (libmdb skips them).
class AccessFile
{
public:
    // Opens the file; throws ImportError naming the file when it cannot be read.
    explicit AccessFile(const QString &path);
    ~AccessFile();
    AccessFile(const AccessFile &) = delete;
    AccessFile &operator=(const AccessFile &) = delete;

    QString path() const;
    QString fileName() const;    // for messages
    QString formatName() const;  // e.g. "Access 2000-2003 (Jet 4)"

    QStringList tableNames() const;            // user tables only
    bool hasTable(const QString &name) const;  // without regard to case

    // The number of records the table's definition declares (deleted ones not counted).
    int declaredRowCount(const QString &table) const;

    struct Table
    {
        QString name;         // as the file spells it
        QStringList columns;  // as the file spells them, in the table's column order
        QList<QVariantList> rows;
    };

    // Reads every record of the table, in stored order. afterEachRow runs after each
    // record; returning false stops the reading with ImportCancelled. Throws ImportError
    // (naming the file and table) for a table that is missing or damaged: a record or
    // memo that points outside the file, or fewer records than the table declares.
    Table readTable(const QString &table, const std::function<bool()> &afterEachRow = {}) const;

    // True when the file starts like an Access file of a format libmdb reads and
    // libmdb opens it (the data folder test of the window). Never throws.
    static bool isAccessFile(const QString &path);

    // True when the first bytes are those of an Access file, whatever its version.
    static bool hasAccessHeader(const QString &path);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
