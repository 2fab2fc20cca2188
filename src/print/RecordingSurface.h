#pragma once

#include "print/PrintSurface.h"

#include <QList>

#include <memory>

// One drawing operation as a surface received it, in page units.
struct PrintOp
{
    enum Kind { Scale, Line, Box, Picture, Text, NewPage, EndDoc };

    Kind kind = Text;
    QRectF
        area;  // Line: p1 = topLeft, p2 = bottomRight (not normalized); Box and Picture: the rectangle
    QPointF at;             // Text: the position set before the text (y is the top of the line)
    QString text;           // Text only
    bool lineFeed = false;  // Text only: printed with a line feed
    FontState font;         // the font when the operation ran
    int drawWidth = 0;      // the line width when the operation ran
    std::optional<int> topShift;  // Scale only

    QPointF from() const { return area.topLeft(); }
    QPointF to() const { return area.bottomRight(); }
};

using PrintLog = QList<PrintOp>;

// Records every operation instead of printing it: for tests, benchmarks and a preview.
// The log is shared so it outlives the surface (a print job drops its surface at end of document).
class RecordingSurface : public PrintSurface
{
public:
    explicit RecordingSurface(const FontCheck &fonts,
                              std::shared_ptr<PrintLog> log = std::make_shared<PrintLog>());

    const PrintLog &ops() const { return *m_log; }
    std::shared_ptr<PrintLog> log() const { return m_log; }

protected:
    void scaleChanged(std::optional<int> topShift) override;
    void drawLine(const QLineF &line) override;
    void drawBox(const QRectF &box) override;
    void drawPicture(const QImage &picture, const QRectF &target) override;
    void drawText(const QPointF &topLeft, const QString &text, bool lineFeed) override;
    void startNewPage() override;
    void finishDocument() override;

private:
    PrintOp op(PrintOp::Kind kind) const;
    std::shared_ptr<PrintLog> m_log;
};
