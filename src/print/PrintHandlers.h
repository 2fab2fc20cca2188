#pragma once

#include <memory>
#include <optional>

class Form1;
class PrintEnvironment;
class QtPrintEnvironment;

// The print request: the Copies box and one printed copy of the form on screen.
class PrintHandlers {
public:
    explicit PrintHandlers(Form1& window);
    ~PrintHandlers();

    void Command3D14_Click();       // Print: opens the Copies box
    void Command1_Click(int index); // the Copies box: 0 OK prints, 1 Cancel
    void PrintForm();               // one copy: front, reinsert prompt, back

    // Where the documents go: the context's environment, else the system's printers.
    PrintEnvironment& environment();

private:
    std::optional<int> topShift() const;

    Form1& w;
    std::unique_ptr<QtPrintEnvironment> m_systemPrinters;
};
