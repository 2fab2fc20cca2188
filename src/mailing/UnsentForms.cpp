#include "mailing/UnsentForms.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/FormColumns.h"
#include "data/SchemaSql.h"

#include "ui/Dates.h"

#include <QObject>
#include <algorithm>

namespace UnsentForms {

QDate due(const QDate &approved)
{
    return approved.addDays(2);
}

bool isLate(const QDate &approved, const QDate &today)
{
    return !approved.isValid() || today > due(approved);
}

QList<Form> read(Database &forms, const QDate &today)
{
    using namespace FormColumn;
    const QString sql = QStringLiteral("SELECT %1, \"%2\", \"%3\", \"%4\" FROM \"Form\" "
                                       "WHERE \"%5\" = -1 AND \"%6\" IS NULL")
                            .arg(SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId)), RegNum,
                                 ApproveDate, Rating3, Approved, FaaSentDate);
    QList<Form> out;
    for (const QVariantList &row : forms.rows(sql)) {
        Form f;
        f.recordId = row[0].toLongLong();
        f.registrationMark = row[1].toString();
        f.approved = QDate::fromString(row[2].toString().left(10), Qt::ISODate);
        f.fuelTanks = row[3].toInt() == 1;
        out << f;
    }
    std::stable_sort(out.begin(), out.end(), [&today](const Form &a, const Form &b) {
        const bool lateA = isLate(a.approved, today);
        const bool lateB = isLate(b.approved, today);
        if (lateA != lateB)
            return lateA;
        return a.approved < b.approved;  // an invalid date sorts first
    });
    return out;
}

void recordSent(Database &forms, const QList<qint64> &recordIds, const QDate &sent,
                const QString &tracking)
{
    const QString counter
        = forms.countsChanges(QStringLiteral("Form"))
              ? QStringLiteral(", %1 = %1 + 1")
                    .arg(SchemaSql::quoted(QLatin1String(SchemaSql::kChangeCount)))
              : QString();
    const QString sql = QStringLiteral("UPDATE \"Form\" SET \"%1\" = ?, \"%2\" = ?%3 WHERE %4 = ?")
                            .arg(FormColumn::FaaSentDate, FormColumn::FaaTracking, counter,
                                 SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId)));
    const QVariant trackingValue = tracking.trimmed().isEmpty() ? QVariant() : tracking.trimmed();
    forms.beginTransaction();
    try {
        for (qint64 id : recordIds)
            forms.execute(sql, {sent, trackingValue, id});
        forms.commit();
    } catch (...) {
        // Nothing was recorded; a rollback that fails too must not hide the first failure.
        skipFailingStep([&] { forms.rollback(); });
        throw;
    }
}

QString notice(const QList<Form> &unsent, const QDate &today, int shown)
{
    if (unsent.isEmpty())
        return {};
    QStringList lines{QObject::tr("The FAA's copy of %n approved form(s) is not recorded as sent "
                                  "(due within 48 hours of approval):",
                                  nullptr, int(unsent.size()))};
    for (int i = 0; i < unsent.size() && i < shown; ++i) {
        const Form &f = unsent[i];
        const QString approved
            = f.approved.isValid() ? Dates::longForm(f.approved) : QObject::tr("no approval date");
        const QString state = isLate(f.approved, today)
                                  ? QObject::tr("LATE")
                                  : QObject::tr("due %1").arg(Dates::longForm(due(f.approved)));
        lines << QStringLiteral("%1, approved %2: %3")
                     .arg(f.registrationMark.trimmed(), approved, state);
    }
    if (unsent.size() > shown)
        lines << QObject::tr("... and %1 more.").arg(unsent.size() - shown);
    lines << QObject::tr("Record the sending under \"FAA mailing\".");
    return lines.join(QLatin1Char('\n'));
}

}  // namespace UnsentForms
