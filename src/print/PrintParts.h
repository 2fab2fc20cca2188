#pragma once

#include <QString>

class Clock;
class CopiesPanel;
class FormScreen;
class MessageService;
class PrintEnvironment;
class QPushButton;
class Recordset;

// What printing, preview and export are given of the window: the form screen they
// read, the Copies box, their buttons, the settings they read, where the documents go,
// the message boxes and today's date (names of the window design).
struct PrintParts
{
    FormScreen *Panel3D1;                // the form screen, read as it stands
    CopiesPanel *Panel3D5;               // the "Copies" box of the print request
    QPushButton *Command3D14;            // "Print"
    QPushButton *cmdPreview;             // "Preview"
    QPushButton *cmdExportPdf;           // "Export PDF"
    Recordset &Data3;                    // Defaults: the number of copies offered
    Recordset &setupCursor;              // Setup: the vertical print shift
    const QString &selectedPrinterName;  // chosen in set-up; empty for the system default
    PrintEnvironment *printEnvironment;  // where the documents go; null: the system's printers
    MessageService &messages;
    Clock &clock;
};
