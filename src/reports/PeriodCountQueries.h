#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

// The four count statements of the report period: forms whose unit flags make them a
// repair or an alteration, dated within the period (both ends included), approved or
// rejected. Each statement yields one row with the field NewCount, counted over RegNum
// (a form without registration mark is not counted; a Null Approved is in neither column).
class PeriodCountQueries
{
public:
    enum class Work { Repair, Alteration };

    struct Statement
    {
        Work work;
        bool approved;
        int box;              // element of Text48 that shows the count
        QString sql;          // with "?" for the values below
        QVariantList params;  // the period's first and last day (dates) and the Yes/No values
    };

    // In the order they are run: approved repairs (box 0), approved alterations (1),
    // rejected repairs (2), rejected alterations (4).
    static QList<Statement> statements(const QDate &from, const QDate &to);

    static Statement statement(Work work, bool approved, const QDate &from, const QDate &to);
};
