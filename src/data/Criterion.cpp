#include "data/Criterion.h"

#include "data/DbError.h"
#include "data/EngineValues.h"
#include "data/IndexFolding.h"
#include "data/JetMatcher.h"
#include "data/JetPattern.h"
#include "data/PostgresLike.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"
#include "data/SearchIndex.h"

#include <QRegularExpression>

namespace {

// The field of the program's tables of that name; nullptr for the record key.
const FieldSpec *schemaField(const QString &field)
{
    for (const TableSpec *definition :
         Schema::formsFileTables() + Schema::agentsFileTables() + Schema::settingsFileTables()) {
        if (const FieldSpec *known = definition->field(field))
            return known;
    }
    return nullptr;
}

// The field name as the schema spells it: a server finds quoted names only in their case.
QString plainField(const QString &field)
{
    if (!SchemaSql::isPlainIdentifier(field))
        throw DbError(EngineError::QuerySyntax,
                      QStringLiteral("Syntax error in query expression: '%1' is not a field name.")
                          .arg(field));
    const FieldSpec *known = schemaField(field);
    return known ? known->name : field;
}

QString checkedField(const QString &field)
{
    return SchemaSql::quoted(plainField(field));
}

// The kind of a field of the program's tables; the record key, in no table, is a number.
FieldKind kindOf(const QString &field)
{
    const FieldSpec *known = schemaField(field);
    return known ? known->kind : FieldKind::Number;
}

// The field matches the pattern, as the server runs it.
Criterion serverLike(const QString &field, const QString &pattern)
{
    return PostgresLike::like(plainField(field), pattern, kindOf(field));
}

bool isAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return true;
}

// A LIKE pattern of the engine that matches exactly the texts starting with prefix
// (ASCII letters without regard to case).
QString enginePrefixPattern(const QString &prefix)
{
    QString escaped;
    for (QChar c : prefix) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped += u'\\';
        escaped += c;
    }
    return escaped + u'%';
}

Criterion compare(const QString &field, const char *op, const QVariant &value)
{
    return {QStringLiteral("%1 %2 ?").arg(checkedField(field), QLatin1String(op)),
            {EngineValues::toBound(value)}};
}

Criterion joinSql(const QList<Criterion> &parts, const char *op)
{
    QStringList texts;
    QVariantList params;
    for (const Criterion &part : parts) {
        if (part.isEmpty())
            continue;
        texts << QLatin1Char('(') + part.sql + QLatin1Char(')');
        params << part.params;
    }
    if (texts.size() == 1)
        return {texts.first(), params};
    return {texts.join(QLatin1String(op)), params};
}

// Gives the joined criterion the join of the parts' server forms, where one differs.
void withServerForm(Criterion &joined, const QList<Criterion> &parts, const char *op)
{
    bool differs = false;
    QList<Criterion> onServer;
    for (const Criterion &part : parts) {
        differs = differs || !part.serverSql.isEmpty();
        onServer << part.onServer();
    }
    if (!differs)
        return;
    const Criterion server = joinSql(onServer, op);
    joined.serverSql = server.sql;
    joined.serverParams = server.params;
}

Criterion join(const QList<Criterion> &parts, const char *op)
{
    Criterion joined = joinSql(parts, op);
    bool narrows = false;
    QList<Criterion> scans;
    for (const Criterion &part : parts) {
        narrows = narrows || !part.scanSql.isEmpty();
        scans << part.scanning();
    }
    if (narrows) {
        const Criterion scan = joinSql(scans, op);
        joined.scanSql = scan.sql;
        joined.scanParams = scan.params;
    }
    withServerForm(joined, parts, op);
    return joined;
}

// The prefix every text the pattern matches starts with, as far as the engine's own
// LIKE can narrow by it through the column's NOCASE index: the characters before the
// first special one, ASCII only (the engine folds no other case), and stopping before
// "k" and "s", onto which the Kelvin sign and the long s fold for the matcher.
QString narrowingPrefix(const QString &pattern)
{
    static const QRegularExpression end(QStringLiteral("[*?#\\[kKsS]|[^\\x01-\\x7f]"));
    const qsizetype cut = pattern.indexOf(end);
    return cut < 0 ? pattern : pattern.left(cut);
}

// field LIKE 'prefix%' (through the index) and the matcher.
Criterion prefixNarrowed(const QString &name, const QString &prefix, const QString &pattern)
{
    return {QStringLiteral("%1 LIKE ? ESCAPE '\\' AND jet_like(?, %1)").arg(name),
            {enginePrefixPattern(prefix), pattern}};
}

Criterion exactLike(const QString &name, const QString &pattern)
{
    return {QStringLiteral("jet_like(?, %1)").arg(name), {pattern}};
}

}  // namespace

Criterion Criterion::scanning() const
{
    Criterion scan = scanSql.isEmpty() ? Criterion(sql, params) : Criterion(scanSql, scanParams);
    scan.serverSql = serverSql;
    scan.serverParams = serverParams;
    return scan;
}

Criterion Criterion::onServer() const
{
    if (serverSql.isEmpty())
        return {sql, params};
    return {serverSql, serverParams};
}

Criterion Criterion::equals(const QString &field, const QVariant &value)
{
    const QString name = checkedField(field);
    if (EngineValues::isNullValue(value))
        return {QStringLiteral("%1 IS NULL").arg(name), {}};
    const QVariant bound = EngineValues::toBound(value);
    // Text columns fold ASCII case themselves (and can use their index); other
    // letters need the engine function that folds every case. (A server's text columns
    // fold every case, and it has the function too.)
    if (bound.typeId() == QMetaType::QString && !isAscii(bound.toString()))
        return {QStringLiteral("jet_same_text(%1, ?)").arg(name), {bound}};
    return {QStringLiteral("%1 = ?").arg(name), {bound}};
}

Criterion Criterion::like(const QString &field, const QString &pattern)
{
    const QString name = checkedField(field);
    const Criterion server = serverLike(field, pattern);
    Criterion result = exactLike(name, pattern);
    const QString prefix = narrowingPrefix(pattern);
    if (!prefix.isEmpty()) {
        result = prefixNarrowed(name, prefix, pattern);
        const Criterion exact = exactLike(name, pattern);
        result.scanSql = exact.sql;
        result.scanParams = exact.params;
    }
    result.serverSql = server.sql;
    result.serverParams = server.params;
    return result;
}

Criterion Criterion::likeAnyOf(const QString &table, const QStringList &fields,
                               const QString &pattern)
{
    QList<Criterion> exact;
    QList<Criterion> onServer;
    for (const QString &field : fields) {
        exact << exactLike(checkedField(field), pattern);
        onServer << serverLike(field, pattern);
    }
    const Criterion scan = joinSql(exact, " OR ");
    const Criterion server = joinSql(onServer, " OR ");

    // A prefix of three characters or more narrows well through the columns' own
    // indexes; otherwise the runs of literal characters narrow through the trigram index.
    const QString prefix = narrowingPrefix(pattern);
    const QString match
        = SearchIndex::covers(table, fields)
              ? SearchIndex::matchExpression(fields, JetMatcher(pattern).literalRuns())
              : QString();
    Criterion narrowed;
    if (!match.isEmpty() && prefix.size() < IndexFolding::kShortestRun) {
        narrowed = {QStringLiteral("%1 IN (SELECT rowid FROM %2 WHERE %2 MATCH ?) AND (%3)")
                        .arg(QLatin1String(SchemaSql::kRecordId),
                             SchemaSql::quoted(QLatin1String(SearchIndex::kIndexTable)), scan.sql),
                    QVariantList{match} + scan.params};
    } else if (!prefix.isEmpty()) {
        QList<Criterion> each;
        for (const QString &field : fields)
            each << prefixNarrowed(checkedField(field), prefix, pattern);
        narrowed = joinSql(each, " OR ");
    }
    if (narrowed.isEmpty()) {
        narrowed = scan;
    } else {
        narrowed.scanSql = scan.sql;
        narrowed.scanParams = scan.params;
    }
    // The server has no such index: it reads every record.
    narrowed.serverSql = server.sql;
    narrowed.serverParams = server.params;
    return narrowed;
}

Criterion Criterion::atLeast(const QString &field, const QVariant &value)
{
    return compare(field, ">=", value);
}

Criterion Criterion::atMost(const QString &field, const QVariant &value)
{
    return compare(field, "<=", value);
}

Criterion Criterion::isYes(const QString &field, bool yes)
{
    return compare(field, "=", yes ? -1 : 0);
}

Criterion Criterion::allOf(const QList<Criterion> &parts)
{
    return join(parts, " AND ");
}

Criterion Criterion::anyOf(const QList<Criterion> &parts)
{
    return join(parts, " OR ");
}
