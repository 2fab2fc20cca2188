#include "ui/MultiLineBox.h"

#include "ui/TextCut.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <climits>

MultiLineBox::MultiLineBox(int visibleLines, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_visibleLines(visibleLines)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize MultiLineBox::sizeHint() const
{
    const QMargins frame = contentsMargins();
    const int margin = int(2 * document()->documentMargin());
    const int height
        = m_visibleLines * fontMetrics().lineSpacing() + margin + frame.top() + frame.bottom();
    return {QPlainTextEdit::sizeHint().width(), height};
}

QSize MultiLineBox::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 10, sizeHint().height()};
}

int MultiLineBox::roomLeft() const
{
    if (m_maxLength < 0)
        return INT_MAX;
    // The document keeps its length (one more for its closing paragraph mark): no copy
    // of a long description per key.
    const int length = document()->characterCount() - 1;
    const int selected = int(textCursor().selectedText().size());
    return m_maxLength - (length - selected);
}

void MultiLineBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && (typed.at(0).isPrint() || typed == QLatin1String("\r"))
                         && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (inserts && roomLeft() < int(typed.size())) {
        event->accept();  // the box is full: the key is swallowed, like a full single-line box
        emit limitReached();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    if (m_maxLength < 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString text = source->text();
    const qsizetype fitting = TextCut::fittingLength(text, roomLeft());
    if (fitting > 0)
        insertPlainText(text.left(fitting));
    if (fitting < text.size())
        emit limitReached();
}
