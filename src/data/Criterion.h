#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// A condition over the fields of one table with bound values: user text never
// becomes SQL text. Field names must be plain identifiers of the schema.
struct Criterion
{
    Criterion() = default;
    Criterion(QString condition, QVariantList values = {})
        : sql(std::move(condition))
        , params(std::move(values))
    { }

    QString sql;          // engine SQL with ? placeholders; empty means "every record"
    QVariantList params;  // values bound to the placeholders, in order
    // The same condition without narrowing by an index (the matcher reads every record);
    // empty when sql narrows nothing. A file without the search index runs this one.
    QString scanSql;
    QVariantList scanParams;
    // The same condition as a PostgreSQL server runs it (the file engine's functions are
    // not there, and text compares there with regard to case); empty when it is sql.
    QString serverSql;
    QVariantList serverParams;

    bool isEmpty() const { return sql.isEmpty(); }
    // The condition as it reads every record: the same records as sql selects.
    Criterion scanning() const;
    // The condition as a server runs it: the same records as sql selects in a file.
    Criterion onServer() const;

    // field = value (text compares without regard to case, as the Jet engine does).
    static Criterion equals(const QString &field, const QVariant &value);
    // The field matches the Jet Like pattern (*, ?, #, [set], [!set]; case-insensitive;
    // the whole field must match). A Null field never matches.
    static Criterion like(const QString &field, const QString &pattern);
    // Any of the fields of table matches the Like pattern. The records are narrowed by
    // the table's indexes where the pattern allows (a prefix, or runs of 3 or more
    // literal characters); the matcher decides every record, so the result is the same.
    static Criterion likeAnyOf(const QString &table, const QStringList &fields,
                               const QString &pattern);
    // field >= value, field <= value (dates compare as dates).
    static Criterion atLeast(const QString &field, const QVariant &value);
    static Criterion atMost(const QString &field, const QVariant &value);
    // Yes/No field holds -1 (yes = true) or 0 (yes = false).
    static Criterion isYes(const QString &field, bool yes = true);
    // Empty parts are left out; an empty list gives the empty criterion.
    static Criterion allOf(const QList<Criterion> &parts);
    static Criterion anyOf(const QList<Criterion> &parts);
};
