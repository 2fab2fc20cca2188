#pragma once

#include <QString>

#include <array>
#include <functional>

class MessageService;
class QLineEdit;
class QPushButton;
class Recordset;

// What the period statistics are given of the window: their boxes on the inspector
// panel, the data control the counts are read through, the message boxes and the data
// folder in use (names of the window design).
struct StatisticsParts
{
    QLineEdit *periodStart;             // Text47(11): the first day of the period
    QLineEdit *periodEnd;               // Text47(13): the last day of the period
    QPushButton *SSCommand14;           // "Calculate"
    std::array<QLineEdit *, 6> Text48;  // the counts and their two totals
    Recordset &datSecondaryRS;          // reads each count through the stored query
    MessageService &messages;
    // The forms database: its file in the data folder, or the server address.
    std::function<QString()> formsDatabase;
};
