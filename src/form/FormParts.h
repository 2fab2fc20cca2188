#pragma once

class ButtonBar;
class FormScreen;
class MessageService;
class Recordset;

// What the form subsystem is given of the window: the form screen, the data controls
// it reads and writes, the new-form flag, the button bar and the message boxes. The
// members keep the names of the window design, so the handlers read as before.
struct FormParts
{
    FormScreen *Panel3D1;  // the form screen
    Recordset &Data1;      // Form: the record shown and saved
    Recordset &Data2;      // the aircraft make and model pairs
    Recordset &Data10;     // Agency: the agency chosen in set-up
    int &NewFormFlag;      // 1 while the screen holds a form not yet stored
    ButtonBar &buttonBar;
    MessageService &messages;
};
