#pragma once

class ButtonBar;
class FindPanel;
class FormScreen;
class MessageService;
class QWidget;
class Recordset;

// What the find panel's controller is given of the window: its panel, the panels it
// closes or looks at, the data control it points at the matches, the window-level
// flags it sets, the button bar and the message boxes (names of the window design).
struct SearchParts
{
    FindPanel *Panel3D3;   // the find panel
    FormScreen *Panel3D1;  // the form screen
    QWidget *Panel3D7;     // the set-up panel, closed when the find panel opens
    QWidget *Panel3D4;     // the maker's advertisement, hidden
    Recordset &Data1;      // Form: the matches become its records
    int &NewFormFlag;
    int &FindFromFirst;  // 1: a search shows its first match, 0 its last
    ButtonBar &buttonBar;
    MessageService &messages;
};
