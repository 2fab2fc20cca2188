#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// poppler-utils, read by the tests that check what a PDF file holds.
namespace PdfTools {

inline bool available()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

inline QString run(const QString &tool, const QStringList &arguments)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(tool), arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A field of pdfinfo's report ("Pages", "Title", "Creator", "Page size").
inline QString info(const QString &pdf, const QString &field)
{
    for (const QString &line : run("pdfinfo", {pdf}).split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

inline int pageCount(const QString &pdf)
{
    return info(pdf, "Pages").toInt();
}

// The text of the file with runs of blanks made one, as pdftotext spaces them freely.
inline QString text(const QString &pdf)
{
    return run("pdftotext", {"-layout", pdf, "-"}).simplified();
}

// One page (counted from 1) as a grey image at the given resolution.
inline QImage page(const QString &pdf, int number, int dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath("page");
    run("pdftoppm", {"-gray", "-r", QString::number(dpi), "-f", QString::number(number), "-l",
                     QString::number(number), "-singlefile", "-png", pdf, stem});
    return QImage(stem + ".png");
}

}  // namespace PdfTools
