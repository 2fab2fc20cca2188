#pragma once

#include <QPointer>
#include <QString>

#include <functional>

class FontCheck;
class PreviewDialog;
class PrintHandlers;
struct PrintParts;
struct FormSnapshot;

// The Preview and Export PDF buttons beside Print: the form on the screen, saved or not,
// shown page by page as it prints, or written as one PDF file. Neither prints, stores
// or changes anything on the screen. Both buttons are enabled exactly while Print is.
class PreviewHandlers
{
public:
    // Given a suggested path, the path the user chose (empty when cancelled).
    using AskFileName = std::function<QString(const QString &suggestedPath)>;

    // The print controller gives the printer environment and the print shift.
    PreviewHandlers(const PrintParts &parts, PrintHandlers &printing);

    void cmdPreview_Click();    // opens the preview of the form on screen
    void cmdExportPdf_Click();  // asks for a file name and writes the PDF

    // The open preview, if any.
    PreviewDialog *previewDialog() const;

    // Test seams: the save dialog and the fonts the system has.
    void setAskFileName(AskFileName ask) { m_askFileName = std::move(ask); }
    void setFontCheck(const FontCheck *fonts) { m_fonts = fonts; }

private:
    static QString askWithDialog(const QString &suggestedPath);
    const FontCheck &fonts() const;
    void printFromPreview();

    const PrintParts &w;
    PrintHandlers &m_printing;
    QPointer<PreviewDialog> m_dialog;
    AskFileName m_askFileName = askWithDialog;
    const FontCheck *m_fonts = nullptr;
    QString m_exportFolder;  // where the last PDF went, offered again during this run
};
