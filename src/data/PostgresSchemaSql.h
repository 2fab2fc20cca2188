#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct TableSpec;

// The statements that make the program's tables on a PostgreSQL server, from the same
// table definitions as the data files:
//   text          VARCHAR(n): the server refuses longer text itself (error 3163); it
//                 compares, sorts and groups without regard to case (kTextCollation), as
//                 the data files and the Jet engine do
//   Yes/No        SMALLINT holding -1 or 0, as the data files store it
//   date          DATE, read back as a date
//   number        DOUBLE PRECISION: whole and fractional values both kept as given
//   RecordId      an identity key never given twice, so its order is insertion order
//                 (the server has no order of its own: reads order by it)
//   ChangeCount   the change counter, on the tables whose records people edit
// Names keep their case, so every statement on the server writes them quoted.
namespace PostgresSchemaSql {

// The version of the tables a server database holds; a new version comes with a
// numbered migration.
inline constexpr int kSchemaVersion = 1;
inline const char *const kVersionTable = "SchemaVersion";
inline const char *const kVersionField = "Version";
// The collation of every text field: letters of every alphabet equal in any case, accents
// still told apart. The server's own "~" and Like do not take it: they read the text in
// the collation "C".
inline const char *const kTextCollation = "form337_nocase";

// The tables a server database holds: those of the forms file and of the inspectors'
// file (the settings stay in each workstation's own settings file).
QList<const TableSpec *> serverTables();

// The table with its key, fields and change counter, then its indexes.
QStringList createStatements(const TableSpec &definition);

// The records a new database starts with, as a new inspectors' file does: the Defaults
// record the printing reads.
QStringList firstRecordStatements();

// Everything a new server database needs: every server table, its first records and the
// version table with its one record. Run in one transaction.
QStringList newDatabaseStatements();

}  // namespace PostgresSchemaSql
