#include "print/PreviewHandlers.h"

#include "form/FormScreen.h"
#include "form/FormSnapshot.h"
#include "print/EnabledFollower.h"
#include "print/FontCheck.h"
#include "print/PageProgress.h"
#include "print/PdfExport.h"
#include "print/PreviewDialog.h"
#include "print/PreviewPages.h"
#include "print/PrintEnvironment.h"
#include "print/PrintError.h"
#include "print/PrintHandlers.h"
#include "print/PrintMessages.h"
#include "print/PrintParts.h"
#include "ui/Clock.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

PreviewHandlers::PreviewHandlers(const PrintParts &parts, PrintHandlers &printing)
    : w(parts)
    , m_printing(printing)
{
    w.cmdPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    w.cmdPreview->setToolTip(QObject::tr("Show the printed pages of the form (Ctrl+Shift+P)"));
    w.cmdExportPdf->setToolTip(QObject::tr("Save the printed pages of the form as one PDF file"));
    new EnabledFollower(w.Command3D14, {w.cmdPreview, w.cmdExportPdf});
    QObject::connect(w.cmdPreview, &QPushButton::clicked, w.cmdPreview,
                     [this] { cmdPreview_Click(); });
    QObject::connect(w.cmdExportPdf, &QPushButton::clicked, w.cmdExportPdf,
                     [this] { cmdExportPdf_Click(); });
}

PreviewDialog *PreviewHandlers::previewDialog() const
{
    return m_dialog;
}

const FontCheck &PreviewHandlers::fonts() const
{
    static const SystemFontCheck system;
    return m_fonts ? *m_fonts : system;
}

QString PreviewHandlers::askWithDialog(const QString &suggestedPath)
{
    QFileDialog dialog(QApplication::activeWindow(), QObject::tr("Export the form as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QObject::tr("PDF files (*.pdf)"));
    // The suffix is added before the dialog checks for a file to overwrite.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void PreviewHandlers::cmdPreview_Click()
{
    const FormSnapshot form = FormSnapshot::read(*w.Panel3D1);
    QList<QPicture> pages;
    try {
        WaitCursor hourglass;
        const auto progress = m_printing.environment().watchProgress(QObject::tr("Preview"));
        pages = PreviewPages::render(form, m_printing.topShift(), fonts(), progress.get());
    } catch (const PrintError &error) {
        if (error.number() == PrintError::Cancelled)
            return;  // stopped by the user: no preview, nothing to say
        if (error.number() == PrintError::InvalidPropertyValue)
            w.messages.ask(PrintMessages::fontsMissing());
        else
            w.messages.tell(
                QObject::tr("The pages of the form could not be drawn.\n%1").arg(error.message()),
                QObject::tr("Preview not shown"), Msg::Icon::Critical);
        return;
    }
    if (m_dialog)
        m_dialog->close();
    m_dialog = new PreviewDialog(pages, form.registrationMark, w.Panel3D1->window());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(m_dialog, &PreviewDialog::printRequested, m_dialog,
                     [this] { printFromPreview(); });
    QObject::connect(m_dialog, &PreviewDialog::exportRequested, m_dialog,
                     [this] { cmdExportPdf_Click(); });
    m_dialog->open();
}

void PreviewHandlers::printFromPreview()
{
    if (m_dialog)
        m_dialog->close();
    // The usual print request: the Copies box, then PrintForm for each copy.
    if (w.Command3D14->isEnabled())
        m_printing.Command3D14_Click();
}

void PreviewHandlers::cmdExportPdf_Click()
{
    const FormSnapshot form = FormSnapshot::read(*w.Panel3D1);
    const QDate today = w.clock.today();
    const QString folder = m_exportFolder.isEmpty() ? QDir::homePath() : m_exportFolder;
    QString path = m_askFileName(
        QDir(folder).filePath(PdfExport::defaultFileName(form.registrationMark, today)));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    try {
        WaitCursor hourglass;
        const auto progress = m_printing.environment().watchProgress(QObject::tr("Export PDF"));
        PdfExport(fonts()).write(path, form, m_printing.topShift(), today, progress.get());
        m_exportFolder = QFileInfo(path).absolutePath();
        w.messages.status(QObject::tr("PDF written to %1").arg(QDir::toNativeSeparators(path)),
                          m_exportFolder);
    } catch (const PrintError &error) {
        if (error.number() == PrintError::Cancelled)
            return;  // stopped by the user: the file was not written, nothing to say
        if (error.number() == PrintError::InvalidPropertyValue)
            w.messages.ask(PrintMessages::fontsMissing());
        else
            w.messages.tell(
                QObject::tr(
                    "The PDF file was not written.\n%1\n\nChoose another folder or file name "
                    "and export the form again.")
                    .arg(error.message()),
                QObject::tr("PDF not written"), Msg::Icon::Critical);
    }
}
