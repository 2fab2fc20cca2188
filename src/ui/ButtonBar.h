#pragma once

#include <QHash>

class QPushButton;

// The buttons of the main window's bar and the one table of which event switches
// which of them on or off. Subsystems report what happened; the bar applies the
// table, so the rules of the whole bar stand in one place (ButtonBar.cpp).
class ButtonBar
{
public:
    // Page: the "Back"/"Front" button of the description page; off while a panel lies over
    // the form.
    enum class Button { Exit, Save, Print, Delete, Next, Previous, Setup, New, Find, Page };

    enum class Event {
        Idle,                  // the window is activated
        DataBound,             // the data files were bound (start-up, another folder, after Delete)
        NewForm,               // the screen was emptied for a new form
        MarkPresent,           // a registration mark was typed or picked, or is on screen again
        Saved,                 // the form on screen was stored
        FindPanelOpened,       //
        SearchRun,             // a search put its first or last match on screen
        SetupPanelOpened,      //
        SetupPanelClosed,      //
        AdminPanelOpened,      // the inspector administration panel
        AdminPanelClosed,      //
        DescriptionPageShown,  // the back of the form screen, where Save waits for the page to close
    };

    void add(Button role, QPushButton *button);
    QPushButton *button(Button role) const;

    void apply(Event event);

private:
    void setSetupCaption(bool panelOpen);

    QHash<Button, QPushButton *> m_buttons;
};
