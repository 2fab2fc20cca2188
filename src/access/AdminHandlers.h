#pragma once

class QString;
class QVariant;

struct AccessParts;

// The inspector panel SSPanel3: opening it from the set-up panel, showing an inspector,
// the administrator right, and New, Save, Delete and Exit over the Agents table (Data5).
class AdminHandlers
{
public:
    explicit AdminHandlers(const AccessParts &parts);

    void SSCommand9_Click();  // open the panel
    void Combo6_Click();      // show the picked inspector
    void Text47_Change(int index);
    void Option3_Click();      // "Yes" selected
    void SSCommand10_Click();  // "Save"
    void SSCommand11_Click();  // "Delete"
    void SSCommand12_Click();  // "New"
    void SSCommand13_Click();  // "Exit"

    // Someone has signed in (by name or with the master password): the panel may open.
    void setSignedIn(bool signedIn);

private:
    // Makes the inspector of a list entry current in Data5; false when it is gone.
    bool findInspector(const QVariant &recordId, const QString &name);
    // The same for the inspector picked in the panel's list; false when none is picked.
    bool findPickedInspector();
    // Points the list entries of a record at the current record of Data5.
    void repointLists(const QVariant &oldRecord);
    void placePanel();
    void selectOption3();
    void showOldPassword();
    void removeFromNameLists(const QVariant &record);
    void setAdministering(bool administering);
    void reportFailure(const QString &text);

    const AccessParts &w;
    // The panel offers New and Delete only to an administrator (or once the
    // administrator password has unlocked "Yes"); an inspector edits their own record.
    bool m_administering = false;
    bool m_signedIn = false;
};
