#pragma once

class Clock;
class FormScreen;
class MessageService;
class QPushButton;
class QWidget;
class Recordset;

// What the FAA mailing controller is given of the window: the window its list opens over,
// the button that opens it, the forms it reads and records (through the Form data control's
// file), the settings with the FAA addresses, the message boxes and today's date.
struct MailingParts
{
    QWidget *window;
    QPushButton *cmdFaaMailing;  // "FAA mailing"
    FormScreen *Panel3D1;        // its boxes of the mailing record are checked
    Recordset &Data1;            // Form: its file holds the forms
    Recordset &setupCursor;      // Setup: the FAA addresses
    MessageService &messages;
    Clock &clock;
};
