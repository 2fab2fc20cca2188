#include "data/IndexFolding.h"

#include <QChar>
#include <QSet>

namespace IndexFolding {

namespace {

// The non-ASCII characters onto which the matcher folds some other character: the index
// keeps those others as they are, so it cannot look them up.
const QSet<char32_t> &foldedOntoByOthers()
{
    static const QSet<char32_t> targets = [] {
        QSet<char32_t> found;
        for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
            const char32_t f = QChar::toCaseFolded(c);
            if (f != c && f >= 0x80)
                found.insert(f);
        }
        return found;
    }();
    return targets;
}

}  // namespace

bool foldsAlike(char32_t c)
{
    return c < 0x80 || (c != 0x017F && c != 0x212A && !foldedOntoByOthers().contains(c));
}

std::vector<std::u32string> lookups(const std::vector<std::u32string> &runs)
{
    std::vector<std::u32string> pieces;
    const auto keep = [&](const std::u32string &piece) {
        if (piece.size() >= size_t(kShortestRun))
            pieces.push_back(piece);
    };
    for (const std::u32string &run : runs) {
        std::u32string piece;
        for (char32_t c : run) {
            if (foldsAlike(c)) {
                piece.push_back(c);
            } else {
                keep(piece);
                piece.clear();
            }
        }
        keep(piece);
    }
    return pieces;
}

}  // namespace IndexFolding
