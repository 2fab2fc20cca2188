#pragma once

class FormScreen;
class MessageService;
class QPushButton;
class Recordset;

// What the logbook entry is given of the window: its button, the form screen it reads,
// the settings with the template, and the message boxes.
struct LogbookParts
{
    QPushButton *cmdLogbookEntry;  // "Logbook entry"
    FormScreen *Panel3D1;
    Recordset &setupCursor;  // Setup: LogbookTemplate
    MessageService &messages;
};

// Copies the logbook entry of the form on screen to the clipboard.
class LogbookHandlers
{
public:
    explicit LogbookHandlers(const LogbookParts &parts);

    void cmdLogbookEntry_Click();

private:
    LogbookParts w;
};
