#pragma once

#include <QList>
#include <QPdfWriter>
#include <QPicture>

#include <memory>

class PictureForwardingEngine;

// A paged paint device that keeps each page as a QPicture instead of writing a file.
// It takes its page layout and resolution from QPdfWriter, so a print surface maps
// the page onto it exactly as onto a PDF file; only the marks go elsewhere.
class PicturePages : public QPdfWriter
{
public:
    PicturePages();
    ~PicturePages() override;

    bool newPage() override;

    // The pages drawn so far, once the painter has ended; handed over once.
    QList<QPicture> takePages();

protected:
    QPaintEngine *paintEngine() const override;

private:
    std::unique_ptr<PictureForwardingEngine> m_engine;
};
