#pragma once

#include <QString>
#include <QStringList>

struct FieldSpec;
struct TableSpec;

// The engine statements that make a table of the schema: the table with its
// hidden RecordId key (which keeps insertion order across compaction) and its indexes.
namespace SchemaSql {

inline const char *const kRecordId = "RecordId";
// The change counter: raised by every update, so an update can tell whether the record
// changed since it was read (by another program on the same files).
inline const char *const kChangeCount = "ChangeCount";

// The tables whose records carry a change counter.
bool countsChanges(const TableSpec &definition);
QString addChangeCounterStatement(const TableSpec &definition);

QStringList createStatements(const TableSpec &definition);

// Adds one field to a table of an older file; its value is Null in the stored records.
QString addColumnStatement(const TableSpec &definition, const FieldSpec &field);

// The indexes of a table, each made only where it is missing (files made by an
// earlier version get the indexes added later).
QStringList indexStatements(const TableSpec &definition);

// A name quoted for use in a statement; the caller checks it is a plain identifier.
QString quoted(const QString &identifier);

// True for names made of letters, digits and "_" that do not start with a digit.
bool isPlainIdentifier(const QString &name);

}  // namespace SchemaSql
