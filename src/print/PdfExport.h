#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

class FontCheck;
class PageProgress;
struct FormSnapshot;

// Writes the form as one PDF file: the front page, the back page and every continuation
// sheet, drawn as vectors by the printed layouts, with the registration mark and the
// date in the document's information. Needs no printer.
class PdfExport
{
public:
    explicit PdfExport(const FontCheck &fonts);

    // Writes the file whole or not at all: a failure leaves no file behind and no earlier
    // file of that name damaged. Throws PrintError: 380 when a font is missing, 482 when
    // the file cannot be written (the message says which file and why), 18 when progress
    // was told to stop (and the file is then not written either).
    void write(const QString &path, const FormSnapshot &form, std::optional<int> topShift,
               const QDate &date, PageProgress *progress = nullptr) const;

    // "N4721K-2001-03-05.pdf": the mark (characters unsafe in a file name made "-"),
    // or "FAA-Form-337" without a mark, then the date.
    static QString defaultFileName(const QString &registrationMark, const QDate &date);

    static QString documentTitle();  // "FAA Form 337"
    // The creator entry of the document information: "FAA Form 337 N4721K, March 05, 2001".
    static QString creatorText(const QString &registrationMark, const QDate &date);
    // The document's XMP packet: title, the mark and the date as subject, creator and dates.
    static QByteArray xmpMetadata(const QString &registrationMark, const QDate &date);

private:
    const FontCheck &m_fonts;
};
