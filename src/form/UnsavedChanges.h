#pragma once

#include "form/FormSnapshot.h"

#include <QString>

class FormScreen;

// Whether the form on screen holds changes not yet saved: its entries compared with
// what the program last showed, stored or filled in there, so typing and then undoing
// is no change. It also keeps the registration mark as last typed or shown, because a
// pick from the mark's list has replaced the text by the time it is reported.
class UnsavedChanges
{
public:
    explicit UnsavedChanges(const FormScreen &screen);

    // The screen as it is now holds no unsaved work.
    void takeScreenAsUnchanged();
    // The user typed in the mark box, or a picked mark now stands there.
    void setMarkAsTyped(const QString &mark) { m_markAsTyped = mark; }
    QString markAsTyped() const { return m_markAsTyped; }

    // The screen differs from what was shown; with markInBox, as if the mark box held it.
    bool hasChanges() const;
    bool hasChanges(const QString &markInBox) const;

private:
    const FormScreen &s;
    FormSnapshot m_unchanged;
    QString m_markAsTyped;
};
