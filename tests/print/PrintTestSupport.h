#pragma once

#include "print/FontCheck.h"
#include "print/PageProgress.h"
#include "print/PrintEnvironment.h"
#include "print/PrintError.h"
#include "print/RecordingSurface.h"

#include <QSet>

// The system's fonts, less the ones a test takes away.
class FontsWithout : public FontCheck
{
public:
    explicit FontsWithout(QSet<QString> missing = {})
        : m_missing(std::move(missing))
    { }
    QString installedFamily(const QString &family) const override
    {
        return m_missing.contains(family) ? QString() : m_system.installedFamily(family);
    }

private:
    SystemFontCheck m_system;
    QSet<QString> m_missing;
};

// Records the pages reported as (done, total) and presses Cancel once page cancelAt is done.
class ScriptedProgress : public PageProgress
{
public:
    ScriptedProgress(QList<QPair<int, int>> &reported, int cancelAt = -1)
        : m_reported(reported)
        , m_cancelAt(cancelAt)
    { }
    bool pageDone(int pagesDone, int pagesTotal) override
    {
        m_reported.append({pagesDone, pagesTotal});
        return m_cancelAt < 0 || pagesDone < m_cancelAt;
    }

private:
    QList<QPair<int, int>> &m_reported;
    int m_cancelAt;
};

// Hands out recording surfaces and keeps each document's log after the job drops the surface.
class RecordingEnvironment : public PrintEnvironment
{
public:
    explicit RecordingEnvironment(const FontCheck &fonts)
        : m_fonts(fonts)
    { }

    std::unique_ptr<PrintSurface> beginDocument(const Document &document) override
    {
        if (failAtDocument == int(documents.size()))
            throw PrintError(PrintError::PrinterError, QStringLiteral("The printer is offline."));
        if (declineAtDocument == int(documents.size()))
            return nullptr;
        sides.append(document.side);
        documents.append(std::make_shared<PrintLog>());
        return std::make_unique<RecordingSurface>(m_fonts, documents.last());
    }

    std::unique_ptr<PageProgress> watchProgress(const QString &title) override
    {
        progressTitles << title;
        return std::make_unique<ScriptedProgress>(reported, cancelAtPage);
    }

    int count(Side side) const { return int(sides.count(side)); }

    QList<std::shared_ptr<PrintLog>> documents;
    QList<Side> sides;
    int failAtDocument = -1;          // begins of this index throw a printer error
    int declineAtDocument = -1;       // begins of this index are declined (no surface)
    QStringList progressTitles;       // the runs watched
    QList<QPair<int, int>> reported;  // pages (done, total) as reported
    int cancelAtPage = -1;            // Cancel is pressed once this page of a document is done

private:
    const FontCheck &m_fonts;
};

// The text operations of a log, in order.
inline QList<PrintOp> textOps(const PrintLog &log)
{
    QList<PrintOp> out;
    for (const PrintOp &op : log) {
        if (op.kind == PrintOp::Text)
            out << op;
    }
    return out;
}

inline int countKind(const PrintLog &log, PrintOp::Kind kind)
{
    int n = 0;
    for (const PrintOp &op : log)
        n += op.kind == kind;
    return n;
}
