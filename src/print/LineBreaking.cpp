#include "print/LineBreaking.h"

namespace LineBreaking {

namespace {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Where the paragraph that begins at `from` ends: the next CR or LF, or the end of the text.
int paragraphEnd(const QString &text, int from)
{
    for (int i = from; i < text.size(); ++i) {
        if (isLineBreak(text[i]))
            return i;
    }
    return int(text.size());
}

// The length of the line break at `at`: CR LF counts as one break of two characters.
int breakLength(const QString &text, int at)
{
    const bool crLf = text[at] == QLatin1Char('\r') && at + 1 < text.size()
                      && text[at + 1] == QLatin1Char('\n');
    return crLf ? 2 : 1;
}

// The largest number of characters from `start` (up to `end`) whose width `fits`.
// Widths grow with the text, so a galloping search followed by a binary search finds
// it with about 2 log(n) measurements, each no longer than twice the answer.
int fittingLength(const QString &text, int start, int end, const TextWidth &width,
                  const std::function<bool(double)> &fits)
{
    const int available = end - start;
    auto fitsLength = [&](int n) {
        return fits(width(text.mid(start, n)));
    };
    int good = 0;
    int bad = -1;
    for (int step = 1; bad < 0;) {
        const int probe = std::min(good + step, available);
        if (probe == good)
            return good;  // everything available fits
        if (fitsLength(probe)) {
            good = probe;
            step *= 2;
        } else {
            bad = probe;
        }
    }
    while (bad - good > 1) {
        const int middle = good + (bad - good) / 2;
        if (fitsLength(middle))
            good = middle;
        else
            bad = middle;
    }
    return good;
}

// True when a cut before index `at` would split a character written as two UTF-16 units.
bool splitsPair(const QString &text, int at)
{
    return at > 0 && at < text.size() && text[at - 1].isHighSurrogate()
           && text[at].isLowSurrogate();
}

bool isOwnerBreak(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('-');
}

bool isDescriptionBreak(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('/') || c == QLatin1Char('\\')
           || c == QLatin1Char('-') || c == QLatin1Char(':');
}

}  // namespace

QStringList ownerNameLines(const QString &name, const TextWidth &width)
{
    QStringList lines;
    const int n = int(name.size());
    const auto fits = [](double w) {
        return w < OwnerNameWidthLimit;
    };
    auto lastLine = [&](int from, int to) {
        int length = std::min(to - from, OwnerNameLastLineMaxChars);
        if (splitsPair(name, from + length))
            --length;  // an emoji or other such character at the limit is left out whole
        const QString line = name.mid(from, length);
        if (!line.isEmpty())
            lines << line;
    };
    int start = 0;
    int end = -1;
    while (start < n && lines.size() < OwnerNameMaxLines) {
        if (end < start)
            end = paragraphEnd(name, start);  // found once per paragraph, not once per line
        const int fit = fittingLength(name, start, end, width, fits);
        int lastOnLine
            = -1;  // index of the last character of the line, the break character it ends with
        if (fit < end - start) {
            const int overflow = start + fit;
            if (isOwnerBreak(name[overflow])) {
                lastOnLine = overflow;
            } else {
                for (int b = overflow - 1; b >= start && lastOnLine < 0; --b) {
                    if (isOwnerBreak(name[b]))
                        lastOnLine = b;
                }
                // A run too wide for the box stays whole, up to the next space or hyphen.
                for (int b = overflow + 1; b < end && lastOnLine < 0; ++b) {
                    if (isOwnerBreak(name[b]))
                        lastOnLine = b;
                }
            }
        }
        if (lastOnLine >= 0) {
            lines << name.mid(start, lastOnLine - start + 1);
            start = lastOnLine + 1;
        } else if (end == n) {
            lastLine(start, end);
            break;
        } else {
            lines << name.mid(start, end - start);
            start = end + breakLength(name, end);
        }
    }
    return lines;
}

QStringList descriptionLines(const QString &text, const TextWidth &width)
{
    QStringList lines;
    const int n = int(text.size());
    const auto fits = [](double w) {
        return w <= DescriptionWidthLimit;
    };
    int start = 0;
    int end = -1;
    for (;;) {
        if (end < start)
            end = paragraphEnd(text, start);  // found once per paragraph, not once per line
        const int fit = fittingLength(text, start, end, width, fits);
        if (fit == end - start) {
            lines << text.mid(start, end - start);
            if (end == n)
                return lines;
            start = end + breakLength(text, end);
            continue;
        }
        // The character at start + fit made the line too wide.
        int cut = fit;
        if (text[start + fit] != QLatin1Char(' ')) {
            int j = fit;
            while (j >= 0 && !isDescriptionBreak(text[start + j]))
                --j;
            // A break character that opens the line gives no cut (it would print an empty
            // line and find itself again); cut hard then. A space there is dropped below.
            if (j > 0 || (j == 0 && text[start] == QLatin1Char(' ')))
                cut = j;
        }
        if (cut == 0 && text[start] != QLatin1Char(' '))
            cut = 1;  // even a single character wider than the line goes onto one
        if (splitsPair(text, start + cut))
            cut += cut == 1 ? 1 : -1;  // a hard cut never splits a character written as two units
        lines << text.mid(start, cut);
        start += cut;
        if (text[start] == QLatin1Char(' '))
            ++start;  // the space at a cut is not carried to the next line
    }
}

}  // namespace LineBreaking
