#include "reports/PeriodCountQueries.h"

#include "data/Criterion.h"

namespace {

// The unit flags of box 4: the fields ending in 1 mark a repair, those ending in 2 an alteration.
Criterion anyUnit(PeriodCountQueries::Work work)
{
    const QString suffix
        = work == PeriodCountQueries::Work::Repair ? QStringLiteral("1") : QStringLiteral("2");
    QList<Criterion> flags;
    for (const char *unit : {"AirType", "PowType", "ProType", "AppType"})
        flags << Criterion::isYes(QLatin1String(unit) + suffix);
    return Criterion::anyOf(flags);
}

}  // namespace

PeriodCountQueries::Statement PeriodCountQueries::statement(Work work, bool approved,
                                                            const QDate &from, const QDate &to)
{
    const Criterion condition = Criterion::allOf({
        anyUnit(work),
        Criterion::atLeast(QStringLiteral("FormDate"), from),
        Criterion::atMost(QStringLiteral("FormDate"), to),
        Criterion::isYes(QStringLiteral("Approved"), approved),
    });
    const int box = work == Work::Repair ? (approved ? 0 : 2) : (approved ? 1 : 4);
    return {work, approved, box,
            QStringLiteral("SELECT Count(\"Form\".\"RegNum\") AS \"NewCount\" FROM \"Form\" WHERE ")
                + condition.sql,
            condition.params};
}

QList<PeriodCountQueries::Statement> PeriodCountQueries::statements(const QDate &from,
                                                                    const QDate &to)
{
    return {statement(Work::Repair, true, from, to), statement(Work::Alteration, true, from, to),
            statement(Work::Repair, false, from, to), statement(Work::Alteration, false, from, to)};
}
