#pragma once

#include "data/DbError.h"

#include <QString>
#include <optional>

class FormHandlers;
struct FormParts;
struct FormSnapshot;

// The titles of the questions Save asks when another workstation changed or deleted the
// form since it was shown here.
inline const char *const kFormChangedElsewhereTitle = "Form changed on another workstation";
inline const char *const kFormDeletedElsewhereTitle = "Form deleted on another workstation";

// Save: makes sure the make and model pair is known, checks the screen, then adds
// the form as a new record or changes the current one, committed before it reports
// anything done. A failed write leaves the form unsaved and on screen, with a message.
class FormSaver
{
public:
    // The controller shows the stored version when the person asks for it.
    FormSaver(const FormParts &parts, FormHandlers &controller);

    // True when the form was stored.
    bool save();

private:
    bool ensureAircraftPair(const FormSnapshot &entries);
    bool passesChecks(const FormSnapshot &entries);
    bool storeForm(const FormSnapshot &entries);
    std::optional<DbError> writeRecord(const FormSnapshot &entries, bool asNew, bool overwrite);
    // Shows the stored form; a form deleted meanwhile is returned, other failures reported.
    std::optional<DbError> showStoredVersion();
    void reportFailure(const DbError &error, const QString &whatFailed);

    const FormParts &w;
    FormHandlers &m_controller;
};
