#pragma once

#include <QString>

class Form1;
class DbError;
struct FormSnapshot;

// Save: makes sure the make and model pair is known, checks the screen, then adds
// the form as a new record or changes the current one, committed before it reports
// anything done. A failed write leaves the form unsaved and on screen, with a message.
class FormSaver {
public:
    explicit FormSaver(Form1& window);

    void save();

private:
    bool ensureAircraftPair(const FormSnapshot& entries);
    bool passesChecks(const FormSnapshot& entries);
    bool storeForm(const FormSnapshot& entries);
    void reportFailure(const DbError& error, const QString& whatFailed);

    Form1& w;
};
