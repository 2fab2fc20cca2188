#pragma once

#include "print/PrintEnvironment.h"

#include <functional>
#include <memory>
#include <optional>

class MessageService;
class PrintError;
class PrintSurface;
struct FormSnapshot;
class QString;
class QVariant;

// The print request: the copy loop of the Copies box and PrintForm, which prints one copy
// as two documents (the front; then, once the sheet is reinserted, the back with any
// continuation sheets), showing the hourglass throughout. Printed to a file, a copy is
// one document of every page, with no reinsert prompt.
class PrintJob
{
public:
    // The vertical print shift from the settings, read afresh at each use (nullopt when Null).
    using TopShiftSource = std::function<std::optional<int>()>;

    enum class Outcome {
        Printed,    // front and back
        FrontOnly,  // the user cancelled at the reinsert prompt
        Stopped,  // a font was missing, the printer failed, the user declined the file or pressed Cancel
    };

    PrintJob(PrintEnvironment &environment, MessageService &messages, TopShiftSource topShift);

    // OK of the Copies box: PrintForm once per whole copy asked for (the text's leading
    // number). Stops early when a run is stopped, rather than failing alike for every copy.
    // Returns the number of PrintForm runs.
    int printCopies(const QString &copiesText, const FormSnapshot &form);

    Outcome PrintForm(const FormSnapshot &form);

    // What the Copies box offers before the user types: "1" for a Null default, else its number;
    // with extended-range fuel tanks at least three (owner, FAA, one kept aboard).
    static QString defaultCopiesText(const QVariant &organ1, bool extendedRangeFuel = false);

private:
    std::unique_ptr<PrintSurface> begin(PrintEnvironment::Side side, const FormSnapshot &form);
    void reportFontsMissing(std::unique_ptr<PrintSurface> &surface);
    void reportPrinterFailure(const QString &detail);

    PrintEnvironment &m_environment;
    MessageService &m_messages;
    TopShiftSource m_topShift;
};
