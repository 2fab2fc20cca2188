#pragma once

#include "reports/PeriodCountQueries.h"

#include <QDate>
#include <memory>

class Database;
class Form1;

// The report-period counts of approved and rejected repairs and alterations, on the
// inspector panel: "Calculate" is offered while both period boxes hold dates.
class StatisticsHandlers {
public:
    explicit StatisticsHandlers(Form1& window);

    void Text47_Change(int index);  // the period boxes 11 and 13
    void SSCommand14_Click();       // "Calculate"

    // The period's first and last day as read from the boxes (invalid when a box holds no date).
    QDate periodStart() const;
    QDate periodEnd() const;

    static inline const char* const kQueryName = "Query1";

private:
    enum class Outcome { Counted, Skipped, Stop };
    Outcome count(Database& forms, const PeriodCountQueries::Statement& statement);
    void createStoredQuery(Database& forms, const PeriodCountQueries::Statement& statement);
    void showTotals();

    Form1& w;
};
