#include "history/EarlierForms.h"

#include "data/Database.h"
#include "data/SchemaSql.h"

#include <QObject>
#include <QRegularExpression>

namespace EarlierForms {

namespace {

// The unit kinds with their repair and alteration flags, in the form's order.
struct UnitFlags
{
    const char *name;
    int repairColumn;
    int alterationColumn;
};
constexpr UnitFlags kUnits[]
    = {{"Airframe", 5, 6}, {"Powerplant", 7, 8}, {"Propeller", 9, 10}, {"Appliance", 11, 12}};

}  // namespace

QList<Entry> find(Database &forms, const Aircraft &aircraft, qint64 except)
{
    const QString mark = aircraft.registrationMark.trimmed();
    const bool byMark = !mark.isEmpty();
    const bool bySerial = !aircraft.make.trimmed().isEmpty() && !aircraft.model.trimmed().isEmpty()
                          && !aircraft.serialNumber.trimmed().isEmpty();
    if (!byMark && !bySerial)
        return {};
    // Text columns compare without regard to case (NOCASE) and the indexes of the mark and
    // the make answer; the values are bound.
    QStringList same;
    QVariantList params;
    if (byMark) {
        same << QStringLiteral("\"RegNum\" = ?");
        params << mark;
    }
    if (bySerial) {
        same << QStringLiteral("(\"Make\" = ? AND \"Model\" = ? AND \"Serial\" = ?)");
        params << aircraft.make.trimmed() << aircraft.model.trimmed()
               << aircraft.serialNumber.trimmed();
    }
    params << except;
    // Only the start of the description is read: it may be a megabyte long.
    const QString sql
        = QStringLiteral(
              "SELECT %1, \"RegNum\", coalesce(\"ApproveDate\", \"FormDate\"), \"Approved\", "
              "substr(\"Back\", 1, 300), \"AirType1\", \"AirType2\", \"PowType1\", \"PowType2\", "
              "\"ProType1\", \"ProType2\", \"AppType1\", \"AppType2\" FROM \"Form\" "
              "WHERE (%2) AND %1 <> ? "
              "ORDER BY coalesce(\"ApproveDate\", \"FormDate\") DESC, %1 DESC")
              .arg(QLatin1String(SchemaSql::kRecordId), same.join(QStringLiteral(" OR ")));
    QList<Entry> out;
    for (const QVariantList &row : forms.rows(sql, params)) {
        Entry e;
        e.recordId = row[0].toLongLong();
        e.registrationMark = row[1].toString().trimmed();
        e.date = QDate::fromString(row[2].toString().left(10), Qt::ISODate);
        e.verdict = row[3].toInt() == -1 ? QObject::tr("Approved") : QObject::tr("Rejected");
        e.firstLine = row[4]
                          .toString()
                          .section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0)
                          .trimmed();
        for (const UnitFlags &u : kUnits) {
            if (row[u.repairColumn].toInt() == -1 || row[u.alterationColumn].toInt() == -1) {
                e.unit = QObject::tr(u.name);
                e.work = row[u.repairColumn].toInt() == -1 ? QObject::tr("Repair")
                                                           : QObject::tr("Alteration");
                break;
            }
        }
        out << e;
    }
    return out;
}

}  // namespace EarlierForms
