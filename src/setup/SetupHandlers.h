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

private:
    void openPanel();
    void saveAndClose();
    void reportWriteFailure(const QString& what, const QString& reason);

    Form1& w;
};
