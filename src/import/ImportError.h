#pragma once

#include <QString>
#include <stdexcept>

// A problem that stops an import: the message names the file (and where it can, the
// table, record and field) in words meant for the person who asked for the import.
class ImportError : public std::runtime_error
{
public:
    explicit ImportError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The person cancelled the import; nothing was written.
class ImportCancelled : public std::runtime_error
{
public:
    ImportCancelled()
        : std::runtime_error("import cancelled")
    { }
};
