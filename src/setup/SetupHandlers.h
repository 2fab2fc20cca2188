#pragma once

#include <QString>
#include <functional>

class Form1;
class QWidget;

// The Set-up button (open the panel / save and close it), the agency Delete and the printer choice.
class SetupHandlers {
public:
    explicit SetupHandlers(Form1& window);

    void Command3D18_Click();  // "Set-up" / "Save"
    void Command2_Click();     // agency "Delete"
    void Command3D29_Click();  // printer set-up

    // Shows the printer dialog and returns the chosen printer's name, empty on Cancel.
    // Tests replace it; the real one is a QPrintDialog.
    std::function<QString(QWidget*)> choosePrinter;

    // Shows the current Agency record in the agency boxes (empty for Null).
    void showAgency();

    // Another folder becomes the data folder: stored in the settings, bound, shown in
    // the folder list (so that saving the set-up keeps it) and in the agency boxes.
    void useDataFolder(const QString& folder);
    // The data of the folder in use was replaced: every list is refilled and an open
    // panel shows the agency now stored.
    void dataReplaced();

private:
    void openPanel();
    void saveAndClose();
    // Stores the folder as DataPath; a failure is told and the stored folder stays.
    void storeDataPath(const QString& folder);
    void reportWriteFailure(const QString& what, const QString& reason);

    Form1& w;
};
