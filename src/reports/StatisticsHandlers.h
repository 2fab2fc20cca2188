#pragma once

#include "reports/PeriodCountQueries.h"
#include "reports/StatisticsParts.h"

#include <QDate>
#include <memory>

class Database;
class DbError;
class QString;

// The report-period counts of approved and rejected repairs and alterations, on the
// inspector panel: "Calculate" is offered while both period boxes hold dates.
class StatisticsHandlers
{
public:
    explicit StatisticsHandlers(const StatisticsParts &parts);

    void Text47_Change(int index);  // the period boxes 11 and 13
    void SSCommand14_Click();       // "Calculate"

    // The period's first and last day as read from the boxes (invalid when a box holds no date).
    QDate periodStart() const;
    QDate periodEnd() const;

    static inline const char *const kQueryName = "Query1";

private:
    enum class Outcome { Counted, Skipped, Stop };
    // Runs one count into its box; a count not made gives the engine's reason in failure.
    Outcome count(Database &forms, const PeriodCountQueries::Statement &statement,
                  QString &failure);
    static Outcome failed(const DbError &error, QString &failure);
    void createStoredQuery(Database &forms, const PeriodCountQueries::Statement &statement);
    void showTotals();

    StatisticsParts w;
};
