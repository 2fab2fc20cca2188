#pragma once

#include <QPlainTextEdit>

// A compact multi-line text box: a few lines high, Enter starts a new line, Tab and
// Backtab move the focus on instead of inserting a tab. An optional maximum length
// limits typing and pasting only; text set by code is never cut. A paste that does
// not fit is cut between characters, and the box says so with limitReached().
class MultiLineBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MultiLineBox(int visibleLines, QWidget *parent = nullptr);

    void setTypingLimit(int maxLength) { m_maxLength = maxLength; }
    int typingLimit() const { return m_maxLength; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Typed or pasted text was refused, in whole or in part, for want of room.
    void limitReached();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    int roomLeft() const;

    int m_visibleLines;
    int m_maxLength = -1;  // -1: no limit
};
