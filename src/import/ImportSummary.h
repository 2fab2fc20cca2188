#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What an import of Access data did: counts per table, every problem found and the
// notes worth telling (inspectors kept, the old settings). Shown in a dialog, printed
// by the command line and written to a text file beside the data files.
struct ImportSummary
{
    enum class Outcome {
        Imported,   // committed
        Failed,     // stopped by a problem; nothing was written
        Cancelled,  // stopped by the person; nothing was written
    };

    struct TableCounts
    {
        QString table;
        int read = 0;      // records read from the old file
        int imported = 0;  // records added
        int skipped = 0;   // already present, or kept out by a merging rule
        int refused = 0;   // not importable (a value too long, ...)
    };

    Outcome outcome = Outcome::Failed;
    QString sourceFolder;
    QString targetFolder;
    QList<TableCounts> tables;  // Form, aircraft, Agency, Narratives, Agents, Defaults
    QStringList problems;       // what stopped the import or was refused
    QStringList notes;          // kept records, the old settings, ...
    QString reportPath;         // the text file written beside the data files; empty when none
    qint64 milliseconds = 0;    // reading, checking and writing

    bool committed() const { return outcome == Outcome::Imported; }
    // Committed with no record refused and no problem: the exit status 0 of the command line.
    bool complete() const;

    TableCounts &counts(const QString &table);
    const TableCounts *find(const QString &table) const;
    int formsRead() const;
    // Forms read per second over the whole import; 0 when nothing was timed.
    double formsPerSecond() const;

    QString headline() const;  // one line: imported, failed or cancelled
    QString text() const;      // the whole summary, plain text
};
