#include "data/SearchIndex.h"

#include "data/FormColumns.h"
#include "data/IndexFolding.h"
#include "data/SchemaSql.h"

#include <QChar>

namespace SearchIndex {

namespace {

const char *const kFoldedView = "FormSearchText";

QString q(const QString &identifier)
{
    return SchemaSql::quoted(identifier);
}

// The value as the index holds it: ASCII letters in lower case (the engine's lower()
// folds ASCII only in builds without ICU, such as Debian's; Database checks it), the
// long s and the Kelvin sign as "s" and "k", as the matcher folds them.
QString folded(const QString &value)
{
    return QStringLiteral("replace(replace(lower(%1), '%2', 's'), '%3', 'k')")
        .arg(value, QChar(0x017F), QChar(0x212A));
}

// "folded(prefix.A), folded(prefix.B), ..." over the indexed columns.
QString foldedValues(const QString &prefix)
{
    QStringList values;
    for (const QString &column : columns())
        values << folded(prefix + q(column));
    return values.join(QStringLiteral(", "));
}

QString quotedColumns()
{
    QStringList quoted;
    for (const QString &column : columns())
        quoted << q(column);
    return quoted.join(QStringLiteral(", "));
}

// A phrase of the index's query language: the text in double quotes, quotes doubled.
QString phrase(const std::u32string &run)
{
    QString text = QString::fromUcs4(run.data(), qsizetype(run.size()));
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

}  // namespace

const QStringList &columns()
{
    using namespace FormColumn;
    static const QStringList all{RegNum,    Serial,    Make,     Model,     Rating1,
                                 OwnerName, OwnerAdd2, PowMake,  ProMake,   AppMake,
                                 PowModel,  ProModel,  AppModel, AgencyName};
    return all;
}

bool covers(const QString &table, const QStringList &fields)
{
    if (table.compare(QLatin1String(kIndexedTable), Qt::CaseInsensitive) != 0 || fields.isEmpty())
        return false;
    for (const QString &field : fields) {
        if (!columns().contains(field, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

QStringList createStatements()
{
    const QString table = q(QLatin1String(kIndexedTable));
    const QString index = q(QLatin1String(kIndexTable));
    const QString key = QLatin1String(SchemaSql::kRecordId);
    const QString cols = quotedColumns();
    QStringList foldedColumns;
    for (const QString &column : columns())
        foldedColumns << folded(q(column)) + QStringLiteral(" AS ") + q(column);
    QStringList watched = columns();
    QStringList changed;
    for (QString &column : watched) {
        column = q(column);
        changed << QStringLiteral("old.%1 IS NOT new.%1").arg(column);
    }

    const QString insertNew = QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (new.%3, %4);")
                                  .arg(index, cols, key, foldedValues(QStringLiteral("new.")));
    const QString deleteOld
        = QStringLiteral("INSERT INTO %1 (%1, rowid, %2) VALUES ('delete', old.%3, %4);")
              .arg(index, cols, key, foldedValues(QStringLiteral("old.")));
    return {
        QStringLiteral("CREATE VIEW IF NOT EXISTS %1 AS SELECT %2, %3 FROM %4")
            .arg(q(QLatin1String(kFoldedView)), key, foldedColumns.join(QStringLiteral(", ")),
                 table),
        // Case-sensitive trigrams: the values are folded already.
        QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS %1 USING fts5(%2, content=%3, "
                       "content_rowid=%4, tokenize='trigram case_sensitive 1')")
            .arg(index, cols, q(QLatin1String(kFoldedView)), key),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER INSERT ON %2 BEGIN %3 END")
            .arg(q(QLatin1String(kIndexTable) + QLatin1String("_insert")), table, insertNew),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER DELETE ON %2 BEGIN %3 END")
            .arg(q(QLatin1String(kIndexTable) + QLatin1String("_delete")), table, deleteOld),
        // An edit that leaves the indexed values as they were leaves the index alone.
        QStringLiteral(
            "CREATE TRIGGER IF NOT EXISTS %1 AFTER UPDATE OF %2 ON %3 WHEN %4 BEGIN %5 %6 END")
            .arg(q(QLatin1String(kIndexTable) + QLatin1String("_update")),
                 watched.join(QStringLiteral(", ")), table, changed.join(QStringLiteral(" OR ")),
                 deleteOld, insertNew),
    };
}

QString foldsAsciiOnlyQuery()
{
    return QStringLiteral("SELECT lower('AZ%1%2') = 'az%1%2'").arg(QChar(0x00C9), QChar(0x0130));
}

QString fillStatement()
{
    return QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT %3, %2 FROM %4")
        .arg(q(QLatin1String(kIndexTable)), quotedColumns(), QLatin1String(SchemaSql::kRecordId),
             q(QLatin1String(kFoldedView)));
}

QString matchExpression(const QStringList &fields, const std::vector<std::u32string> &runs)
{
    QStringList phrases;
    for (const std::u32string &piece : IndexFolding::lookups(runs))
        phrases << phrase(piece);
    if (phrases.isEmpty())
        return {};
    QStringList names;
    for (const QString &field : fields) {
        for (const QString &column : columns()) {
            if (column.compare(field, Qt::CaseInsensitive) == 0)
                names << column;
        }
    }
    return QStringLiteral("{%1} : (%2)")
        .arg(names.join(QLatin1Char(' ')), phrases.join(QStringLiteral(" AND ")));
}

}  // namespace SearchIndex
