#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Database;

// The approved forms whose FAA copy is not recorded as sent, and the recording of a
// sending. The FAA's copy is due 48 hours after the approval for return to service (the
// date of item 7), weekends and holidays included.
namespace UnsentForms {

struct Form
{
    qint64 recordId = 0;
    QString registrationMark;
    QDate approved;          // the date of item 7; invalid when the form has none
    bool fuelTanks = false;  // extended-range fuel tanks: the copy goes to their own box
};

// The last day the copy may be sent: two days (48 hours) after the day of approval.
QDate due(const QDate &approved);
// Past the 48 hours on that day; a form without an approval date counts as late.
bool isLate(const QDate &approved, const QDate &today);

// Every approved form without a sending date: the late ones first, then by approval date.
QList<Form> read(Database &forms, const QDate &today);

// Records one sending for several forms at once, in one commit (all or none), and raises
// their change counters so an older copy on another screen is not stored over it.
// Throws DbError.
void recordSent(Database &forms, const QList<qint64> &recordIds, const QDate &sent,
                const QString &tracking);

// The short notice shown at sign-in; empty when nothing is waiting. It names at most
// `shown` forms and counts the rest.
QString notice(const QList<Form> &unsent, const QDate &today, int shown = 10);

}  // namespace UnsentForms
