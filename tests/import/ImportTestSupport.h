#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace ImportTest {

// The three Access files of the old layout (shared/fixtures/legacy-access), read in place.
inline QString fixtureFolder()
{
    return QStringLiteral(FORM337_LEGACY_ACCESS_FIXTURES);
}

inline const QStringList &oldFileNames()
{
    static const QStringList names{QStringLiteral("setup337.mdb"), QStringLiteral("Form337.mdb"),
                                   QStringLiteral("FAAForm337A.mdb")};
    return names;
}

inline QByteArray checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

// Every file of a folder (not below it) with its checksum.
inline QHash<QString, QByteArray> folderChecksums(const QString &folder)
{
    QHash<QString, QByteArray> sums;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        sums.insert(name, checksum(dir.filePath(name)));
    return sums;
}

// Copies the fixture files into folder (made when missing); writable copies.
inline bool copyFixtures(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const QString &name : oldFileNames()) {
        const QString target = QDir(folder).filePath(name);
        QFile::remove(target);
        if (!QFile::copy(QDir(fixtureFolder()).filePath(name), target))
            return false;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                          | QFile::ReadOther);
    }
    return true;
}

// One field of mdb-export's CSV: its text and whether it stood in quotes. mdb-export
// writes Null (and an empty text) as nothing, text-like values in quotes.
struct CsvField
{
    QString text;
    bool quoted = false;
    bool isEmpty() const { return text.isEmpty(); }
};

struct CsvTable
{
    QStringList header;
    QList<QList<CsvField>> rows;
    int column(const QString &name) const { return int(header.indexOf(name)); }
};

inline CsvTable parseCsv(const QString &csv)
{
    CsvTable table;
    QList<CsvField> row;
    CsvField field;
    bool inQuotes = false;
    bool atFieldStart = true;
    bool first = true;
    auto endField = [&] {
        row << field;
        field = CsvField();
        atFieldStart = true;
    };
    auto endRow = [&] {
        endField();
        if (first) {
            for (const CsvField &f : row)
                table.header << f.text;
            first = false;
        } else {
            table.rows << row;
        }
        row.clear();
    };
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < csv.size() && csv[i + 1] == u'"') {
                    field.text += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field.text += c;
            }
            continue;
        }
        if (c == u'"' && atFieldStart) {
            inQuotes = true;
            field.quoted = true;
            atFieldStart = false;
        } else if (c == u',') {
            endField();
        } else if (c == u'\n') {
            endRow();
        } else {
            field.text += c;
            atFieldStart = false;
        }
    }
    if (!row.isEmpty() || !field.text.isEmpty() || field.quoted)
        endRow();
    return table;
}

// mdb-export's own reading of a table, dates written as ISO date and time.
inline CsvTable mdbExport(const QString &file, const QString &table)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("MDB_ICONV"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("mdb-export"),
                  {QStringLiteral("-D"), QStringLiteral("%Y-%m-%d %H:%M:%S"), QStringLiteral("-T"),
                   QStringLiteral("%Y-%m-%d %H:%M:%S"), file, table});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        qFatal("mdb-export %s %s failed: %s", qPrintable(file), qPrintable(table),
               process.readAllStandardError().constData());
    return parseCsv(QString::fromUtf8(process.readAllStandardOutput()));
}

// mdb-export's reading of a table of the fixture files (file name as in the fixture folder).
inline CsvTable fixtureTable(const QString &file, const QString &table)
{
    return mdbExport(QDir(fixtureFolder()).filePath(file), table);
}

inline int fixtureRowCount(const QString &file, const QString &table)
{
    return int(fixtureTable(file, table).rows.size());
}

// The values of one column of a fixture table, in stored order.
inline QStringList fixtureColumn(const QString &file, const QString &table, const QString &column)
{
    const CsvTable t = fixtureTable(file, table);
    QStringList values;
    for (const auto &row : t.rows)
        values << row.value(t.column(column)).text;
    return values;
}

inline QSet<QString> fixtureDistinct(const QString &file, const QString &table,
                                     const QString &column)
{
    const QStringList values = fixtureColumn(file, table, column);
    return QSet<QString>(values.begin(), values.end());
}

}  // namespace ImportTest
