#pragma once

#include "print/PrintParts.h"

#include <memory>
#include <optional>

class PrintEnvironment;
class PreviewHandlers;
class QtPrintEnvironment;

// The print request: the Copies box and one printed copy of the form on screen.
class PrintHandlers
{
public:
    explicit PrintHandlers(const PrintParts &parts);
    ~PrintHandlers();

    void Command3D14_Click();        // Print: opens the Copies box
    void Command1_Click(int index);  // the Copies box: 0 OK prints, 1 Cancel
    void PrintForm();                // one copy: front, reinsert prompt, back

    // Where the documents go: the context's environment, else the system's printers.
    PrintEnvironment &environment();

    // The vertical print shift of the settings, read afresh (nullopt when Null or unreadable).
    std::optional<int> topShift() const;

    // Whether the checklist before printing an approved form is on (Setup.PrintChecklist).
    bool checklistWanted() const;

    // Preview and PDF export beside the Print button.
    PreviewHandlers &previewHandlers() const { return *m_previewHandlers; }

private:
    PrintParts w;
    std::unique_ptr<QtPrintEnvironment> m_systemPrinters;
    std::unique_ptr<PreviewHandlers> m_previewHandlers;
};
