#pragma once

#include "print/FontCheck.h"
#include "print/PrintEnvironment.h"

#include <QStringList>

#include <functional>

// Prints on the printer picked in the set-up panel's printer dialog, else on the system
// default. Where the system has no printer at all, each document is written to a PDF file:
// the user names the front's file in a save dialog, and the back goes beside it, so that
// "<name>-1-front.pdf" and "<name>-2-back.pdf" sort together.
class QtPrintEnvironment : public PrintEnvironment
{
public:
    // Given a suggested path, the path the user chose (empty when cancelled).
    using AskFileName = std::function<QString(const QString &suggestedPath)>;
    using PrinterNames = std::function<QStringList()>;

    explicit QtPrintEnvironment(const FontCheck &fonts = defaultFonts());

    // The printer chosen in the set-up panel ("" for the system default).
    void setPrinterName(const QString &name) { m_printerName = name; }
    QString printerName() const { return m_printerName; }

    void setAskFileName(AskFileName ask) { m_askFileName = std::move(ask); }
    void setPrinterNames(PrinterNames names) { m_printerNames = std::move(names); }

    std::unique_ptr<PrintSurface> beginDocument(const Document &document) override;
    bool printsToFile() const override;
    QString lastFile() const override { return m_lastFile; }
    // A progress dialog with Cancel over the active window.
    std::unique_ptr<PageProgress> watchProgress(const QString &title) override;

    // The file names of the two documents for a name the user chose ("form.pdf" or "form").
    static QString pdfPath(const QString &chosen, Side side);

private:
    static const FontCheck &defaultFonts();
    static QString askWithDialog(const QString &suggestedPath);
    std::unique_ptr<PrintSurface> beginOnPrinter(const Document &document) const;
    std::unique_ptr<PrintSurface> beginPdf(const Document &document);

    const FontCheck &m_fonts;
    QString m_printerName;
    QString m_chosenPdfName;  // the name the user gave for the front, reused for its back
    QString m_lastFile;
    AskFileName m_askFileName = askWithDialog;
    PrinterNames m_printerNames;
};
