#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The tables and fields of the three database files, with the definite maximum
// length of every text column (enforced by Recordset::update with error 3163).
enum class FieldKind { Text, LongText, YesNo, Date, Number };

struct FieldSpec
{
    QString name;
    FieldKind kind = FieldKind::Text;
    int maxLength = 0;  // characters, for Text and LongText
    // A field of a later version: a file that lacks it is still ours and gets it (Null in
    // every record) when opened.
    bool addedLater = false;
};

struct TableSpec
{
    QString name;
    QList<FieldSpec> fields;
    // Case-insensitive lookup; nullptr when the table has no such field.
    const FieldSpec *field(const QString &name) const;
};

namespace Schema {

inline const char *const kSettingsFile = "setup337.mdb";
inline const char *const kFormsFile = "Form337.mdb";
inline const char *const kAgentsFile = "FAAForm337A.mdb";

const TableSpec &setupTable();       // Setup (settings file)
const TableSpec &formTable();        // Form
const TableSpec &aircraftTable();    // aircraft
const TableSpec &agencyTable();      // Agency
const TableSpec &narrativesTable();  // Narratives
const TableSpec &agentsTable();      // Agents
const TableSpec &defaultsTable();    // Defaults

// Case-insensitive lookup over every table; nullptr when unknown.
const TableSpec *table(const QString &name);

// The tables each file holds.
QList<const TableSpec *> settingsFileTables();
QList<const TableSpec *> formsFileTables();
QList<const TableSpec *> agentsFileTables();

// Create a new file with its tables (and indexes); the file must not exist yet.
// The settings file gets one Setup record (DataPath Null, TopShift 0); the agents
// file gets one Defaults record (Organ1 "1"). Throws DbError on failure.
void createSettingsFile(const QString &path);
void createFormsFile(const QString &path);
void createAgentsFile(const QString &path);

}  // namespace Schema
