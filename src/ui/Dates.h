#pragma once

#include <QDate>
#include <QString>

// Date texts of the screen and the printed form.
namespace Dates {

// "mmmm dd, yyyy" with English month names whatever the locale: "March 05, 2001".
QString longForm(const QDate &date);

// The system's short date form, used when a stored date is shown.
QString shortForm(const QDate &date);

// Reads a date typed by the user: the long form, the system's short and long forms,
// ISO, and month-first numeric forms. Returns an invalid date when the text is no date.
QDate parse(const QString &text);

}  // namespace Dates

namespace Numbers {

// The leading-number rule: blanks skipped, optional sign, digits with an optional
// fraction; "2.5" is 2.5, "3 copies" is 3, "words" and "" are 0.
double leadingValue(const QString &text);

}  // namespace Numbers
