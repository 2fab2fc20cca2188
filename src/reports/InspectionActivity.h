#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class Database;

// Approved major repairs and alterations per signing inspector (item 7's signature) and
// period: the figure an inspector shows when renewing an inspection authorization.
namespace InspectionActivity {

enum class Year {
    Calendar,       // 1 January to 31 December
    Authorization,  // 1 April to 31 March, the inspection-authorization year
};

struct Period
{
    QDate first;
    QDate last;
    QString name;  // "2024" or "2024-04-01 to 2025-03-31"
};

// The period of the year kind that holds the date.
Period periodOf(const QDate &date, Year year);

struct Row
{
    QString inspector;
    Period period;
    int repairs = 0;
    int alterations = 0;
};

// Every inspector and period with approved work, by inspector, newest period first.
// Forms without an approval date are not counted. Throws DbError.
QList<Row> count(Database &forms, Year year);

// The report as CSV (RFC 4180: commas, quotes doubled, CRLF), with a heading line.
QString csv(const QList<Row> &rows);
// A CSV text of one line per list; a field with a comma, quote or line break is quoted.
QString csvLines(const QList<QStringList> &lines);

}  // namespace InspectionActivity
