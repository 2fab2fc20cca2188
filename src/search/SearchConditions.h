#pragma once

#include "data/Criterion.h"

#include <QList>
#include <QString>
#include <QStringList>

// Turns the texts of the find panel's boxes into the conditions of a search over
// the Form table: one condition per filled box, in box order, each a Jet Like
// pattern (the typed text, wildcards and all, followed by "*") on one field or on
// any of several fields. The conditions become a Criterion with bound values;
// statement() renders the same search as Jet SQL text for showing, never for running.
class SearchConditions
{
public:
    struct Condition
    {
        QStringList fields;  // more than one: the pattern may match any of them
        QString pattern;
    };

    // The texts in the boxes' search order; missing texts count as empty boxes.
    explicit SearchConditions(const QStringList &boxTexts);

    const QList<Condition> &conditions() const { return m_conditions; }
    bool isEmpty() const { return m_conditions.isEmpty(); }

    // All conditions must hold; the empty criterion (every form) when no box is filled.
    Criterion criterion() const;

    // "Select Form.* from Form", with " where " and the conditions joined by " AND "
    // when any box is filled. A double quote inside a pattern is doubled, as Jet
    // SQL writes it inside a quoted text.
    QString statement() const;

private:
    QList<Condition> m_conditions;
};
