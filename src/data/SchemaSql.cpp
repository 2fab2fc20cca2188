#include "data/SchemaSql.h"

#include "data/Schema.h"

#include <QRegularExpression>

namespace SchemaSql {

namespace {

QString columnType(const FieldSpec& field)
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

// The indexes that the searches and lookups of the program rely on.
QList<QStringList> indexesOf(const QString& table)
{
    // The period counts read approval, date and unit flags only: an index holding all
    // of them answers the counts without reading the long rows of the table.
    if (table == QLatin1String("Form"))
        return {{"RegNum"}, {"Make"},
                {"Approved", "FormDate", "AirType1", "PowType1", "ProType1", "AppType1", "AirType2", "PowType2",
                 "ProType2", "AppType2", "RegNum"}};
    if (table == QLatin1String("aircraft"))
        return {{"Make", "Model"}};
    if (table == QLatin1String("Narratives"))
        return {{"Title"}};
    if (table == QLatin1String("Agents"))
        return {{"Name"}};
    return {};
}

}  // namespace

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

bool isPlainIdentifier(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

QStringList createStatements(const TableSpec& definition)
{
    QStringList columns{QStringLiteral("%1 INTEGER PRIMARY KEY").arg(QLatin1String(kRecordId))};
    for (const FieldSpec& field : definition.fields)
        columns << quoted(field.name) + QLatin1Char(' ') + columnType(field);

    QStringList statements{
        QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(definition.name), columns.join(QStringLiteral(", ")))};
    statements << indexStatements(definition);
    return statements;
}

QStringList indexStatements(const TableSpec& definition)
{
    QStringList statements;
    for (const QStringList& indexFields : indexesOf(definition.name)) {
        QStringList quotedFields;
        for (const QString& f : indexFields)
            quotedFields << quoted(f);
        statements << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                          .arg(quoted(QStringLiteral("%1_%2").arg(definition.name, indexFields.join(u'_'))),
                               quoted(definition.name), quotedFields.join(QStringLiteral(", ")));
    }
    return statements;
}

}  // namespace SchemaSql
