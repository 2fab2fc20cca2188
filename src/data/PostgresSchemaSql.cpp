#include "data/PostgresSchemaSql.h"

#include "data/Schema.h"
#include "data/SchemaSql.h"

namespace PostgresSchemaSql {

namespace {

QString columnDefinition(const FieldSpec &field)
{
    const QString name = SchemaSql::quoted(field.name);
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::LongText:
        return QStringLiteral("%1 VARCHAR(%2) COLLATE %3")
            .arg(name)
            .arg(field.maxLength)
            .arg(QLatin1String(kTextCollation));
    case FieldKind::YesNo:
        return QStringLiteral("%1 SMALLINT CHECK (%1 IN (-1, 0))").arg(name);
    case FieldKind::Date:
        return name + QStringLiteral(" DATE");
    case FieldKind::Number:
        return name + QStringLiteral(" DOUBLE PRECISION");
    }
    return name + QStringLiteral(" TEXT");
}

}  // namespace

QList<const TableSpec *> serverTables()
{
    return Schema::formsFileTables() + Schema::agentsFileTables();
}

QStringList createStatements(const TableSpec &definition)
{
    QStringList columns{QStringLiteral("%1 BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY")
                            .arg(SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId)))};
    for (const FieldSpec &field : definition.fields)
        columns << columnDefinition(field);
    if (SchemaSql::countsChanges(definition))
        columns << QStringLiteral("%1 INTEGER NOT NULL DEFAULT 0")
                       .arg(SchemaSql::quoted(QLatin1String(SchemaSql::kChangeCount)));

    QStringList statements{
        QStringLiteral("CREATE TABLE %1 (%2)")
            .arg(SchemaSql::quoted(definition.name), columns.join(QStringLiteral(", ")))};
    // The index statements of the data files are plain SQL that the server reads alike.
    statements << SchemaSql::indexStatements(definition);
    return statements;
}

QStringList firstRecordStatements()
{
    return {QStringLiteral("INSERT INTO \"Defaults\" (\"Organ1\") VALUES ('1')")};
}

QStringList newDatabaseStatements()
{
    // The collation first, and the comparison the data files' connections add to their
    // engine, for statements that compare text in any alphabet without regard to case.
    QStringList statements{
        QStringLiteral("CREATE COLLATION %1 (provider = icu, locale = 'und-u-ks-level2', "
                       "deterministic = false)")
            .arg(QLatin1String(kTextCollation)),
        QStringLiteral("CREATE FUNCTION jet_same_text(a TEXT, b TEXT) RETURNS BOOLEAN LANGUAGE sql "
                       "IMMUTABLE AS 'SELECT a COLLATE %1 = b'")
            .arg(QLatin1String(kTextCollation))};
    for (const TableSpec *definition : serverTables())
        statements << createStatements(*definition);
    statements << firstRecordStatements();
    const QString versionTable = SchemaSql::quoted(QLatin1String(kVersionTable));
    const QString versionField = SchemaSql::quoted(QLatin1String(kVersionField));
    statements
        << QStringLiteral("CREATE TABLE %1 (%2 INTEGER NOT NULL)").arg(versionTable, versionField)
        << QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
               .arg(versionTable, versionField)
               .arg(kSchemaVersion);
    return statements;
}

}  // namespace PostgresSchemaSql
