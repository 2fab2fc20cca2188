#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

// Shared pieces of the fuzz targets.
namespace FuzzText {

// Text from fuzz bytes as the program gets it from a text box: UTF-8 decoded, so
// invalid sequences become U+FFFD and surrogates always come in pairs.
inline QString fromBytes(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Splits the input at its first zero byte into two texts.
inline std::pair<QString, QString> twoTexts(const uint8_t *data, size_t size)
{
    size_t cut = 0;
    while (cut < size && data[cut] != 0)
        ++cut;
    const QString first = fromBytes(data, cut);
    const QString second = cut < size ? fromBytes(data + cut + 1, size - cut - 1) : QString();
    return {first, second};
}

// A finding: print what was violated and abort, so libFuzzer saves the input.
[[noreturn]] inline void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "FINDING: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

inline void check(bool ok, const char *what, const QString &detail = {})
{
    if (!ok)
        fail(what, detail);
}

// True when the text splits a surrogate pair at its start or its end.
inline bool splitsPair(const QString &line)
{
    return !line.isEmpty() && (line.front().isLowSurrogate() || line.back().isHighSurrogate());
}

// A deterministic stand-in for a font: widths per character in page units, with
// zero-width characters (controls, combining marks) and characters so wide that one
// fills a whole line, the hardest cases for a line breaker.
inline double characterWidth(char32_t c)
{
    if (c < 0x20 || (c >= 0x300 && c < 0x370) || c == 0x200B)
        return 0;
    if (c >= 0x1F300)
        return 12000;  // wider than any line
    if (c == U' ')
        return 55;
    return 40 + (c % 7) * 30;
}

inline double width(const QString &text)
{
    double sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        sum += characterWidth(c);
    }
    return sum;
}

}  // namespace FuzzText
