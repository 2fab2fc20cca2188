#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Database;

// The stored forms of one aircraft, for checking a new alteration against the earlier ones.
// An aircraft is found by its registration mark and also by make, model and serial number,
// since it may have been registered under another mark before.
namespace EarlierForms {

struct Aircraft
{
    QString registrationMark;
    QString make;
    QString model;
    QString serialNumber;
};

struct Entry
{
    qint64 recordId = 0;
    QString registrationMark;
    QDate date;         // the date of item 7, else of item 6
    QString unit;       // "Airframe", "Powerplant", "Propeller", "Appliance" or empty
    QString work;       // "Repair", "Alteration" or empty
    QString verdict;    // "Approved" or "Rejected"
    QString firstLine;  // the description's first line
};

// Newest first; the form with key `except` (the one on screen) is left out. An aircraft
// with neither a mark nor the three of make, model and serial finds nothing.
QList<Entry> find(Database &forms, const Aircraft &aircraft, qint64 except = 0);

}  // namespace EarlierForms
