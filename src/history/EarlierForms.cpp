#include "history/EarlierForms.h"

#include "data/Database.h"
#include "data/FormColumns.h"
#include "data/SchemaSql.h"
#include "form/FormFields.h"
#include "form/FormSnapshot.h"

#include <QObject>
#include <QRegularExpression>

namespace EarlierForms {

namespace {

// The unit kinds in the form's order (FormSnapshot::UnitKind), each read from the two
// repair and alteration columns the field table names for it.
const char *const kUnitNames[] = {"Airframe", "Powerplant", "Propeller", "Appliance"};
constexpr int kFirstUnitColumn = 5;  // in the row read below

using SchemaSql::quoted;

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
        same << quoted(FormColumn::RegNum) + QStringLiteral(" = ?");
        params << mark;
    }
    if (bySerial) {
        same << QStringLiteral("(%1 = ? AND %2 = ? AND %3 = ?)")
                    .arg(quoted(FormColumn::Make), quoted(FormColumn::Model),
                         quoted(FormColumn::Serial));
        params << aircraft.make.trimmed() << aircraft.model.trimmed()
               << aircraft.serialNumber.trimmed();
    }
    params << except;
    QStringList unitColumns;
    for (int kind = FormSnapshot::Airframe; kind <= FormSnapshot::Appliance; ++kind) {
        const FormFields::TypeColumns type = FormFields::typeColumns(kind);
        unitColumns << quoted(type.repair) << quoted(type.alteration);
    }
    // Only the start of the description is read: it may be a megabyte long.
    const QString date = QStringLiteral("coalesce(%1, %2)")
                             .arg(quoted(FormColumn::ApproveDate), quoted(FormColumn::FormDate));
    const QString sql = QStringLiteral("SELECT %1, %2, %3, %4, substr(%5, 1, 300), %6 FROM %7 "
                                       "WHERE (%8) AND %1 <> ? ORDER BY %3 DESC, %1 DESC")
                            .arg(quoted(QLatin1String(SchemaSql::kRecordId)),
                                 quoted(FormColumn::RegNum), date, quoted(FormColumn::Approved),
                                 quoted(FormColumn::Back), unitColumns.join(QStringLiteral(", ")),
                                 quoted(QStringLiteral("Form")), same.join(QStringLiteral(" OR ")));
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
        for (int kind = FormSnapshot::Airframe; kind <= FormSnapshot::Appliance; ++kind) {
            const bool repair = row[kFirstUnitColumn + 2 * kind].toInt() == -1;
            const bool alteration = row[kFirstUnitColumn + 2 * kind + 1].toInt() == -1;
            if (repair || alteration) {
                e.unit = QObject::tr(kUnitNames[kind]);
                e.work = repair ? QObject::tr("Repair") : QObject::tr("Alteration");
                break;
            }
        }
        out << e;
    }
    return out;
}

}  // namespace EarlierForms
