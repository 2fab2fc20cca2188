#pragma once

#include <QStringList>

#include <functional>

class AdminPanel;
class ButtonBar;
class Clock;
class FormScreen;
class MessageService;
class QPushButton;
class QWidget;
class Recordset;
class SignInPanel;

// What sign-in and inspector administration are given of the window: their panels, the
// boxes they fill in, the Agents data control, the window-level inspector lists and
// flags, the button bar, the message boxes, today's date and the end of the program
// (names of the window design).
struct AccessParts
{
    SignInPanel *SSPanel1;              // "Access Control"
    AdminPanel *SSPanel3;               // inspector administration
    FormScreen *Panel3D1;               // the form screen: sign-in fills in item 6
    QWidget *Panel3D7;                  // the set-up panel: the administration panel lies over it
    QPushButton *agentsButton;          // "Agents" (SSCommand9) on the set-up panel
    Recordset &Data5;                   // Agents
    int &NewAgentFlag;                  // 1 while a new inspector is being entered
    QStringList &AgentPasswords;        // parallel to the inspector name lists
    QStringList &AgentApprovalNumbers;  // parallel to the inspector name lists
    ButtonBar &buttonBar;
    MessageService &messages;
    Clock &clock;
    std::function<void()> endProgram;  // ends the program at once, nothing saved
    // Told once an inspector is in: item 6 was filled in for them and the form is shown.
    std::function<void()> signedIn = {};
};
