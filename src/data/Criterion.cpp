#include "data/Criterion.h"

#include "data/DbError.h"
#include "data/EngineValues.h"
#include "data/JetPattern.h"
#include "data/SchemaSql.h"

#include <QRegularExpression>

namespace {

QString checkedField(const QString &field)
{
    if (!SchemaSql::isPlainIdentifier(field))
        throw DbError(EngineError::QuerySyntax,
                      QStringLiteral("Syntax error in query expression: '%1' is not a field name.")
                          .arg(field));
    return SchemaSql::quoted(field);
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

Criterion join(const QList<Criterion> &parts, const char *op)
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

}  // namespace

Criterion Criterion::equals(const QString &field, const QVariant &value)
{
    const QString name = checkedField(field);
    if (EngineValues::isNullValue(value))
        return {QStringLiteral("%1 IS NULL").arg(name), {}};
    const QVariant bound = EngineValues::toBound(value);
    // Text columns fold ASCII case themselves (and can use their index); other
    // letters need the engine function that folds every case.
    if (bound.typeId() == QMetaType::QString && !isAscii(bound.toString()))
        return {QStringLiteral("jet_same_text(%1, ?)").arg(name), {bound}};
    return {QStringLiteral("%1 = ?").arg(name), {bound}};
}

Criterion Criterion::like(const QString &field, const QString &pattern)
{
    const QString name = checkedField(field);
    const Criterion exact{QStringLiteral("jet_like(?, %1)").arg(name), {pattern}};
    QString prefix;
    // The Kelvin sign and the long s fold onto "k" and "s" for the matcher but not for
    // the engine's LIKE, so the narrowing prefix stops before those letters.
    static const QRegularExpression foldedOntoByOthers(QStringLiteral("[kKsS]"));
    if (JetPattern::isPlainPrefix(pattern, &prefix)) {
        const qsizetype cut = prefix.indexOf(foldedOntoByOthers);
        if (cut >= 0)
            prefix.truncate(cut);
    }
    if (!prefix.isEmpty() && isAscii(prefix)) {
        // The engine's LIKE narrows the rows through the column's index; the exact
        // matcher still decides.
        return {QStringLiteral("%1 LIKE ? ESCAPE '\\' AND %2").arg(name, exact.sql),
                QVariantList{enginePrefixPattern(prefix)} + exact.params};
    }
    return exact;
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
