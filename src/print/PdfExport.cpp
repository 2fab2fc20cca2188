#include "print/PdfExport.h"

#include "form/FormSnapshot.h"
#include "print/FormDocument.h"
#include "print/PrintError.h"
#include "print/QtPrintSurface.h"
#include "ui/Dates.h"

#include <QDir>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

PrintError cannotWrite(const QString &path, const QString &reason)
{
    return PrintError(PrintError::PrinterError,
                      QStringLiteral("The file \"%1\" cannot be written: %2")
                          .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

PdfExport::PdfExport(const FontCheck &fonts)
    : m_fonts(fonts)
{ }

QString PdfExport::documentTitle()
{
    return QStringLiteral("FAA Form 337");
}

QString PdfExport::defaultFileName(const QString &registrationMark, const QDate &date)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_-]+"));
    QString stem = registrationMark.trimmed();
    stem.replace(unsafe, QStringLiteral("-"));
    if (stem.remove(QRegularExpression(QStringLiteral("^-+|-+$"))).isEmpty())
        stem = QStringLiteral("FAA-Form-337");
    return stem + QLatin1Char('-') + date.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

QString PdfExport::creatorText(const QString &registrationMark, const QDate &date)
{
    const QString mark = registrationMark.trimmed();
    return documentTitle() + (mark.isEmpty() ? QString() : QLatin1Char(' ') + mark)
           + QStringLiteral(", ") + Dates::longForm(date);
}

QByteArray PdfExport::xmpMetadata(const QString &registrationMark, const QDate &date)
{
    const QString mark = xmlEscaped(registrationMark.trimmed());
    const QString day = date.toString(Qt::ISODate);
    const QString subject = mark.isEmpty() ? day : mark + QLatin1Char(' ') + day;
    const QString xmp
        = QStringLiteral(
              "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
              "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
              "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
              "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
              " xmlns:xmp='http://ns.adobe.com/xap/1.0/' "
              "xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>\n"
              "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
              "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%1 "
              "%2</rdf:li></rdf:Alt></dc:description>\n"
              "<dc:subject><rdf:Bag>%3<rdf:li>%4</rdf:li></rdf:Bag></dc:subject>\n"
              "<dc:date><rdf:Seq><rdf:li>%4</rdf:li></rdf:Seq></dc:date>\n"
              "<xmp:CreateDate>%4</xmp:CreateDate>\n"
              "<xmp:CreatorTool>%5</xmp:CreatorTool>\n"
              "<pdf:Keywords>%2</pdf:Keywords>\n"
              "</rdf:Description>\n"
              "</rdf:RDF>\n"
              "</x:xmpmeta>\n"
              "<?xpacket end='w'?>\n")
              .arg(documentTitle(), subject,
                   mark.isEmpty() ? QString() : QStringLiteral("<rdf:li>%1</rdf:li>").arg(mark),
                   day, xmlEscaped(creatorText(registrationMark, date)));
    return xmp.toUtf8();
}

void PdfExport::write(const QString &path, const FormSnapshot &form, std::optional<int> topShift,
                      const QDate &date, PageProgress *progress) const
{
    // The pages go to a temporary file that replaces the named one only once complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotWrite(path, file.errorString());
    {
        auto writer = std::make_unique<QPdfWriter>(&file);
        const QString mark = form.registrationMark;
        writer->setTitle(documentTitle());
        writer->setCreator(creatorText(mark, date));
        writer->setDocumentXmpMetadata(xmpMetadata(mark, date));
        QtPrintSurface surface(std::move(writer), m_fonts);
        surface.setProgress(progress);
        FormDocument::draw(surface, form, topShift);
    }
    if (file.error() != QFileDevice::NoError || !file.commit())
        throw cannotWrite(path, file.errorString());
}
