#include "reports/InspectionActivity.h"

#include "data/Database.h"

#include <QMap>
#include <QObject>

namespace InspectionActivity {

Period periodOf(const QDate &date, Year year)
{
    if (year == Year::Calendar) {
        const QDate first(date.year(), 1, 1);
        return {first, QDate(date.year(), 12, 31), QString::number(date.year())};
    }
    const int startYear = date.month() >= 4 ? date.year() : date.year() - 1;
    const QDate first(startYear, 4, 1);
    const QDate last(startYear + 1, 3, 31);
    return {
        first, last,
        QStringLiteral("%1 to %2").arg(first.toString(Qt::ISODate), last.toString(Qt::ISODate))};
}

QList<Row> count(Database &forms, Year year)
{
    const QString sql = QStringLiteral(
        "SELECT \"Signed\", \"ApproveDate\", "
        "(\"AirType1\" = -1 OR \"PowType1\" = -1 OR \"ProType1\" = -1 OR \"AppType1\" = -1), "
        "(\"AirType2\" = -1 OR \"PowType2\" = -1 OR \"ProType2\" = -1 OR \"AppType2\" = -1) "
        "FROM \"Form\" WHERE \"Approved\" = -1 AND \"ApproveDate\" IS NOT NULL");
    // Keyed by inspector, then by the period's first day.
    QMap<QString, QMap<QDate, Row>> byInspector;
    for (const QVariantList &r : forms.rows(sql)) {
        const QDate approved = QDate::fromString(r[1].toString().left(10), Qt::ISODate);
        if (!approved.isValid())
            continue;
        const QString inspector = r[0].toString().trimmed();
        const Period period = periodOf(approved, year);
        Row &row = byInspector[inspector][period.first];
        row.inspector = inspector;
        row.period = period;
        row.repairs += r[2].toInt() != 0;
        row.alterations += r[3].toInt() != 0;
    }
    QList<Row> out;
    for (const auto &periods : std::as_const(byInspector)) {
        for (auto it = periods.end(); it != periods.begin();)
            out << *--it;
    }
    return out;
}

QString csvLines(const QList<QStringList> &lines)
{
    QString out;
    for (const QStringList &fields : lines) {
        QStringList quoted;
        for (QString field : fields) {
            if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
                || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
                field.replace(QLatin1String("\""), QLatin1String("\"\""));
                field = QLatin1Char('"') + field + QLatin1Char('"');
            }
            quoted << field;
        }
        out += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out;
}

QString csv(const QList<Row> &rows)
{
    QList<QStringList> lines{{QObject::tr("Inspector"), QObject::tr("First day"),
                              QObject::tr("Last day"), QObject::tr("Major repairs"),
                              QObject::tr("Major alterations"), QObject::tr("Total")}};
    for (const Row &r : rows)
        lines << QStringList{r.inspector,
                             r.period.first.toString(Qt::ISODate),
                             r.period.last.toString(Qt::ISODate),
                             QString::number(r.repairs),
                             QString::number(r.alterations),
                             QString::number(r.repairs + r.alterations)};
    return csvLines(lines);
}

}  // namespace InspectionActivity
