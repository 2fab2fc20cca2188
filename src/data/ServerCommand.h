#pragma once

class QString;

// The server set-up of the command line, for an agency's administrator:
//
//     form337 --init-server "postgresql://user@host/database"
//
// makes the program's tables, indexes, first records and schema version record in an
// empty server database, in one transaction, then opens it as the program does to check
// it. The password comes from the user's ~/.pgpass, never from the address. Prints what
// it did, or why it could not (nothing is then changed); returns 0 when the database is
// ready, 1 otherwise. Needs a QCoreApplication, no display.
int runInitServerCommand(const QString &address);

// The move of an agency's data of the command line:
//
//     form337 --copy-data FROM TO
//
// copies every record from FROM to TO (each a data folder or a server address) as
// DataCopy does, and prints the records copied by table, or why nothing was copied.
// Returns 0 when the copy is complete, 1 otherwise.
int runCopyDataCommand(const QString &from, const QString &to);
