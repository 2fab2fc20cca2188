#include "data/SchemaSql.h"

#include "data/Schema.h"
#include "data/SearchIndex.h"

#include <QRegularExpression>

namespace SchemaSql {

namespace {

QString columnType(const FieldSpec &field)
{
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::LongText:
        // Text compares without regard to case; NOCASE also lets prefix LIKE use an index.
        return QStringLiteral("TEXT COLLATE NOCASE");
    case FieldKind::Date:
        return QStringLiteral("TEXT");  // ISO "YYYY-MM-DD": text order is date order
    case FieldKind::YesNo:
    case FieldKind::Number:
        return QStringLiteral("INTEGER");
    }
    return QStringLiteral("TEXT");
}

struct IndexDefinition
{
    QString name;  // empty: the table's name and the fields
    QStringList fields;
    QString where;  // a partial index holds only the rows that satisfy it
};

// The unit flags of repairs (fields ending in 1) or alterations (ending in 2), written
// exactly as the period counts write their condition, so the engine matches the two.
QString anyUnitFlag(const char *suffix)
{
    QStringList flags;
    for (const char *unit : {"AirType", "PowType", "ProType", "AppType"})
        flags << QStringLiteral("\"%1%2\" = -1").arg(QLatin1String(unit), QLatin1String(suffix));
    return flags.join(QStringLiteral(" OR "));
}

// The indexes that the searches, lookups and counts of the program rely on. Every
// searched column has one (its NOCASE order answers a prefix Like). The period
// counts read the repairs (or alterations) of one approval in a date range: a partial
// index of those rows answers each count without reading the long rows of the table.
QList<IndexDefinition> indexesOf(const QString &table)
{
    if (table == QLatin1String("Form")) {
        QList<IndexDefinition> indexes;
        for (const QString &column : SearchIndex::columns())
            indexes.append(IndexDefinition{{}, {column}, {}});
        indexes.append(IndexDefinition{
            QStringLiteral("Form_Repairs"), {"Approved", "FormDate", "RegNum"}, anyUnitFlag("1")});
        indexes.append(IndexDefinition{QStringLiteral("Form_Alterations"),
                                       {"Approved", "FormDate", "RegNum"},
                                       anyUnitFlag("2")});
        return indexes;
    }
    if (table == QLatin1String("aircraft"))
        return {{{}, {"Make", "Model"}, {}}};
    if (table == QLatin1String("Narratives"))
        return {{{}, {"Title"}, {}}};
    if (table == QLatin1String("Agents"))
        return {{{}, {"Name"}, {}}};
    return {};
}

}  // namespace

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

bool isPlainIdentifier(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

bool countsChanges(const TableSpec &definition)
{
    // The records that people edit on screen; the other tables only gain and lose records.
    static const QStringList edited{QStringLiteral("Form"), QStringLiteral("Agents"),
                                    QStringLiteral("Agency"), QStringLiteral("Narratives")};
    return edited.contains(definition.name, Qt::CaseInsensitive);
}

namespace {

QString changeCounterColumn()
{
    return QStringLiteral("%1 INTEGER NOT NULL DEFAULT 0").arg(QLatin1String(kChangeCount));
}

}  // namespace

QString addChangeCounterStatement(const TableSpec &definition)
{
    return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
        .arg(quoted(definition.name), changeCounterColumn());
}

QString addColumnStatement(const TableSpec &definition, const FieldSpec &field)
{
    return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
        .arg(quoted(definition.name), quoted(field.name), columnType(field));
}

QStringList createStatements(const TableSpec &definition)
{
    // A key is never given again once its record is deleted, so an update meant for a
    // deleted record can never land on a newer one.
    QStringList columns{
        QStringLiteral("%1 INTEGER PRIMARY KEY AUTOINCREMENT").arg(QLatin1String(kRecordId))};
    for (const FieldSpec &field : definition.fields)
        columns << quoted(field.name) + QLatin1Char(' ') + columnType(field);
    if (countsChanges(definition))
        columns << changeCounterColumn();

    QStringList statements{QStringLiteral("CREATE TABLE %1 (%2)")
                               .arg(quoted(definition.name), columns.join(QStringLiteral(", ")))};
    statements << indexStatements(definition);
    if (definition.name == QLatin1String(SearchIndex::kIndexedTable))
        statements << SearchIndex::createStatements();
    return statements;
}

QStringList indexStatements(const TableSpec &definition)
{
    QStringList statements;
    for (const IndexDefinition &index : indexesOf(definition.name)) {
        QStringList quotedFields;
        for (const QString &f : index.fields)
            quotedFields << quoted(f);
        const QString name
            = index.name.isEmpty()
                  ? QStringLiteral("%1_%2").arg(definition.name, index.fields.join(u'_'))
                  : index.name;
        QString statement = QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                                .arg(quoted(name), quoted(definition.name),
                                     quotedFields.join(QStringLiteral(", ")));
        if (!index.where.isEmpty())
            statement += QStringLiteral(" WHERE ") + index.where;
        statements << statement;
    }
    return statements;
}

}  // namespace SchemaSql
