#pragma once

#include "print/PageProgress.h"

#include <QString>

#include <memory>

class PrintSurface;

// Where the printed documents go. Each document (the front, then the back with its
// continuation sheets) is begun as a print job of its own.
class PrintEnvironment
{
public:
    // Whole: front, back and continuation sheets as one document (a file needs no
    // reinserted sheet).
    enum class Side { Front, Back, Whole };

    struct Document
    {
        Side side = Side::Front;
        QString name;  // a short title for the job, e.g. "FAA Form 337 N12345"
    };

    virtual ~PrintEnvironment() = default;

    // A surface to draw the document on, or nullptr when the user declined to print it
    // (cancelled the file dialog). May throw PrintError when the printer cannot start.
    virtual std::unique_ptr<PrintSurface> beginDocument(const Document &document) = 0;

    // True when the documents go to files rather than to a printer: the form is then
    // printed as one Whole document.
    virtual bool printsToFile() const { return false; }

    // The file the last document was written to; empty when it went to a printer.
    virtual QString lastFile() const { return {}; }

    // Watches a run that may take long (printing, preview, export): pages done of total,
    // and a way to stop. nullptr: the run goes unwatched.
    virtual std::unique_ptr<PageProgress> watchProgress(const QString &title)
    {
        Q_UNUSED(title);
        return nullptr;
    }
};
