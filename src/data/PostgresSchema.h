#pragma once

class QSqlDatabase;

// The program's tables in a server database: making them in a new database and telling
// whether an existing one holds the tables this program reads. Failures throw DbError
// with the engine numbers of PostgresErrors.
namespace PostgresSchema {

// Makes every table, its indexes and the version record in one transaction, so a failure
// leaves the database as it was. A database that already holds one of the tables gives
// ObjectExists (3012); one whose text is not stored as UTF-8 gives UnrecognizedFormat
// (3343), since it could not hold every character a form may contain.
void initialize(const QSqlDatabase &db);

// The schema version the database records; 0 when it records none.
int version(const QSqlDatabase &db);

// UnrecognizedFormat (3343) naming both versions unless the database holds the tables of
// this program's version.
void checkVersion(const QSqlDatabase &db);

}  // namespace PostgresSchema
