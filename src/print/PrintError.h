#pragma once

#include <QString>

#include <stdexcept>

// A failure of the printer or of a printer property, carrying the run-time error number
// the print procedure decides by: 380 when a font the printer lacks is set, 482 when
// the device itself fails (cannot start, lost mid-job, refuses a page), 18 when the
// user pressed Cancel during a long run.
class PrintError : public std::runtime_error
{
public:
    static constexpr int InvalidPropertyValue = 380;
    static constexpr int PrinterError = 482;
    static constexpr int Cancelled = 18;  // the user stopped a long run (nothing to report)

    PrintError(int number, const QString &message)
        : std::runtime_error(message.toStdString())
        , m_number(number)
        , m_message(message)
    { }

    int number() const { return m_number; }
    QString message() const { return m_message; }

private:
    int m_number;
    QString m_message;
};
