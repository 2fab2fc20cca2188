#pragma once

#include <functional>

class EarlierFormsPanel;
class FormScreen;
class MessageService;
class Recordset;

// What the earlier-forms list is given of the window: its panel, the form screen whose
// aircraft it follows, the Form data control (its file, the record on screen, and the
// record to show), whether the screen holds a stored form, the message boxes, and the
// question that settles unsaved changes before another form is shown.
struct HistoryParts
{
    EarlierFormsPanel *panel;
    FormScreen *Panel3D1;
    Recordset &Data1;
    int &NewFormFlag;  // 1 while the screen holds a form not yet stored
    MessageService &messages;
    std::function<bool()> settleUnsavedChanges;  // false: stay on the form on screen
};
