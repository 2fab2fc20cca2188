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
