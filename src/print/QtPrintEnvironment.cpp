#include "print/QtPrintEnvironment.h"

#include "print/PageProgressDialog.h"
#include "print/PrintError.h"
#include "print/QtPrintSurface.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSaveFile>

QtPrintEnvironment::QtPrintEnvironment(const FontCheck &fonts)
    : m_fonts(fonts)
    , m_printerNames([] { return QPrinterInfo::availablePrinterNames(); })
{ }

const FontCheck &QtPrintEnvironment::defaultFonts()
{
    static const SystemFontCheck fonts;
    return fonts;
}

QString QtPrintEnvironment::askWithDialog(const QString &suggestedPath)
{
    // The print run shows the hourglass; the user needs the ordinary pointer in the dialog.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const QString chosen = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QObject::tr("Save the printed form as PDF"), suggestedPath,
        QObject::tr("PDF files (*.pdf)"));
    QApplication::restoreOverrideCursor();
    return chosen;
}

QString QtPrintEnvironment::pdfPath(const QString &chosen, Side side)
{
    static const QRegularExpression suffix(QStringLiteral("(-1-front|-2-back)?\\.pdf$"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString stem = chosen;
    if (side == Side::Whole)
        return chosen.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                   ? chosen
                   : chosen + QStringLiteral(".pdf");
    stem.remove(suffix);
    return stem
           + (side == Side::Front ? QStringLiteral("-1-front.pdf") : QStringLiteral("-2-back.pdf"));
}

bool QtPrintEnvironment::printsToFile() const
{
    return m_printerNames().isEmpty();
}

std::unique_ptr<PageProgress> QtPrintEnvironment::watchProgress(const QString &title)
{
    return std::make_unique<PageProgressDialog>(title, QApplication::activeWindow());
}

std::unique_ptr<PrintSurface> QtPrintEnvironment::beginDocument(const Document &document)
{
    m_lastFile.clear();
    if (m_printerNames().isEmpty())
        return beginPdf(document);
    return beginOnPrinter(document);
}

std::unique_ptr<PrintSurface> QtPrintEnvironment::beginOnPrinter(const Document &document) const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_printerName.isEmpty() && m_printerNames().contains(m_printerName))
        printer->setPrinterName(m_printerName);
    printer->setDocName(document.name);
    if (!printer->isValid())
        throw PrintError(PrintError::PrinterError, QStringLiteral("The printer is not available."));
    return std::make_unique<QtPrintSurface>(std::move(printer), m_fonts);
}

std::unique_ptr<PrintSurface> QtPrintEnvironment::beginPdf(const Document &document)
{
    if (document.side != Side::Back || m_chosenPdfName.isEmpty()) {
        QString base = document.name;
        base.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("-"));
        const QString suggested = QDir::home().filePath(base + QStringLiteral(".pdf"));
        const QString chosen = m_askFileName(suggested);
        if (chosen.isEmpty())
            return nullptr;
        m_chosenPdfName = chosen;
    }
    // The file takes the place of an earlier one only once its document is complete: a
    // run stopped half way leaves no half-written file behind.
    const QString path = pdfPath(m_chosenPdfName, document.side);
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        throw PrintError(PrintError::PrinterError,
                         QStringLiteral("The file \"%1\" cannot be written: %2")
                             .arg(QDir::toNativeSeparators(path), file->errorString()));
    m_lastFile = path;
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setTitle(document.name);
    writer->setCreator(QStringLiteral("FAA Form 337"));
    return std::make_unique<QtPrintSurface>(std::move(writer), m_fonts, std::move(file));
}
