#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// A condition over the fields of one table with bound values: user text never
// becomes SQL text. Field names must be plain identifiers of the schema.
struct Criterion
{
    QString sql;          // engine SQL with ? placeholders; empty means "every record"
    QVariantList params;  // values bound to the placeholders, in order

    bool isEmpty() const { return sql.isEmpty(); }

    // field = value (text compares without regard to case, as the Jet engine does).
    static Criterion equals(const QString &field, const QVariant &value);
    // The field matches the Jet Like pattern (*, ?, #, [set], [!set]; case-insensitive;
    // the whole field must match). A Null field never matches.
    static Criterion like(const QString &field, const QString &pattern);
    // field >= value, field <= value (dates compare as dates).
    static Criterion atLeast(const QString &field, const QVariant &value);
    static Criterion atMost(const QString &field, const QVariant &value);
    // Yes/No field holds -1 (yes = true) or 0 (yes = false).
    static Criterion isYes(const QString &field, bool yes = true);
    // Empty parts are left out; an empty list gives the empty criterion.
    static Criterion allOf(const QList<Criterion> &parts);
    static Criterion anyOf(const QList<Criterion> &parts);
};
