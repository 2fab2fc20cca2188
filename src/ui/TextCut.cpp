#include "ui/TextCut.h"

#include <QTextBoundaryFinder>

namespace TextCut {

qsizetype fittingLength(const QString &text, qsizetype room)
{
    if (room <= 0)
        return 0;
    if (text.size() <= room)
        return text.size();
    // Whether a character ends at the limit depends on what comes before it and on the
    // unit just after (a second half, a joiner, an accent): the text past that is never
    // read, so a huge paste costs no more than the room.
    const QString head = text.left(room + 2);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, head);
    finder.setPosition(int(room));
    if (finder.isAtBoundary())
        return room;
    const qsizetype previous = finder.toPreviousBoundary();
    return previous < 0 ? 0 : previous;
}

}  // namespace TextCut
