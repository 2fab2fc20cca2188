#pragma once

#include <QList>
#include <QString>

// Moves an agency's data whole from one place to another, each a data folder (its forms
// file and inspectors' file) or a server database ("postgresql://..."):
//   - every record of every table a server database holds, with its key and its change
//     counter, so forms keep their order and references to them stay valid;
//   - into a target whose tables hold no records (a new data folder, whose files are made
//     when missing, or a database made by --init-server), in one transaction: the counts
//     are compared before it commits, and any failure leaves the target as it was;
//   - the source is only read (the workstations' settings are not part of the data).
namespace DataCopy {

struct TableCount
{
    QString table;
    int records = 0;
};

// The records copied, by table. Throws DbError: the engine's number for a source or
// target that cannot be opened or read, ObjectExists (3012) when the target already
// holds records, GeneralFailure when the counts differ after the copy.
QList<TableCount> copy(const QString &from, const QString &to);

}  // namespace DataCopy
