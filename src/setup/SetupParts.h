#pragma once

#include <QString>

class ButtonBar;
class FormScreen;
class MessageService;
class QWidget;
class Recordset;
class SetupPanel;

// What the set-up panel's controller is given of the window: its panel, the panels it
// closes or repaints, the settings and agency data controls, the printer choice, the
// program folder, the button bar and the message boxes (names of the window design).
struct SetupParts
{
    SetupPanel *Panel3D7;          // the set-up panel
    FormScreen *Panel3D1;          // the form screen: repainted, and the focus goes back to it
    QWidget *SSPanel1;             // the sign-in panel, repainted while it is up
    QWidget *Panel3D3;             // the find panel, closed
    QWidget *Panel3D4;             // the maker's advertisement, hidden
    Recordset &setupCursor;        // Setup: DataPath
    Recordset &Data10;             // Agency
    QString &selectedPrinterName;  // empty for the system default
    QString programFolder;         // the data folder while the settings name none
    ButtonBar &buttonBar;
    MessageService &messages;
};
