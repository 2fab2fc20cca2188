#pragma once

class ButtonBar;
class FormScreen;
class MessageService;
class QPushButton;
class Recordset;

// What the narrative library is given of the window: the form screen with its back
// page, the page button, the data controls of the form shown and of the library, the
// button bar and the message boxes (names of the window design).
struct NarrativeParts
{
    FormScreen *Panel3D1;     // the form screen; its back page holds the library
    QPushButton *SSCommand3;  // page button "Back" / "Front"
    Recordset &Data1;         // Form: the description of the form shown
    Recordset &Data9;         // Narratives
    ButtonBar &buttonBar;
    MessageService &messages;
};
