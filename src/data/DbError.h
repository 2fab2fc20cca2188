#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

// Database engine error numbers that the program decides by (the numbers of the Jet engine).
namespace EngineError {
enum : int {
    InvalidProcedureCall = 5,
    ObjectNotSet = 91,
    InvalidPropertyValue = 380,
    ObjectExists = 3012,       // a stored query of that name already exists
    UpdateWithoutEdit = 3020,  // Update or field set without AddNew or Edit
    NoCurrentRecord = 3021,
    FileNotFound = 3024,  // database file not found
    DiskFull = 3026,
    ReadOnly = 3027,     // database or object is read-only
    InvalidPath = 3044,  // not a valid path
    CannotOpenFile
    = 3051,  // the file exists but cannot be opened (permissions, a folder of that name)
    QuerySyntax = 3075,         // syntax error in query expression
    ValueTooLarge = 3163,       // value too large for its field
    LockedByAnother = 3260,     // locked by another user or program
    ItemNotFound = 3265,        // no field of that name
    UnrecognizedFormat = 3343,  // not a database of ours (corrupt, or an old Access file)
    TableNotFound = 3078,       // no table or stored query of that name
    NotSupported = 3251,        // operation not supported for this kind of record source
    DataTypeConversion = 3421,  // a value that the field's kind cannot hold (text into a number)
    RecordDeleted = 3167,       // the record was deleted by another program since it was read
    ChangedByAnother = 3197,    // the record was changed by another program since it was read
    GeneralFailure = 3000,
};
}

class DbError : public std::runtime_error
{
public:
    DbError(int number, const QString &message, const QString &field = {})
        : std::runtime_error(message.toStdString())
        , m_number(number)
        , m_message(message)
        , m_field(field)
    { }
    int number() const { return m_number; }
    QString message() const { return m_message; }
    // The field concerned, for ValueTooLarge.
    QString field() const { return m_field; }
    // The database file concerned, where the engine named one.
    QString file() const { return m_file; }
    void setFile(const QString &file) { m_file = file; }

private:
    int m_number;
    QString m_message;
    QString m_field;
    QString m_file;
};

// The rule of most data handlers: a data error ends the step it happened in, and the
// handler goes on with its next step as if the step had done nothing. Returns whether
// the step ran to its end. Every other failure is reported where it happens.
template<typename Step>
bool skipFailingStep(Step &&step)
{
    try {
        step();
        return true;
    } catch (const DbError &) {
        return false;
    }
}

// The same rule for a step that reads a value: a data error gives `otherwise`.
template<typename Read, typename T>
T readOr(Read &&read, T otherwise)
{
    try {
        return read();
    } catch (const DbError &) {
        return otherwise;
    }
}

// Why a file could not be used, in words a person reads (the engine's own message
// carries the statement); empty when the error is not about the file itself.
inline QString fileFaultInWords(const DbError &error)
{
    switch (error.number()) {
    case EngineError::FileNotFound:
        return QCoreApplication::translate("DbError", "the file is not there");
    case EngineError::InvalidPath:
        return QCoreApplication::translate("DbError", "the folder is not there");
    case EngineError::ReadOnly:
        return QCoreApplication::translate("DbError", "the file is read-only");
    case EngineError::LockedByAnother:
        return QCoreApplication::translate("DbError", "another program keeps the file locked");
    case EngineError::DiskFull:
        return QCoreApplication::translate("DbError", "the disk is full");
    case EngineError::CannotOpenFile:
    case EngineError::UnrecognizedFormat:
        return error.message();
    default:
        return {};
    }
}
