// The back page's line breaker on any description: it ends, loses no printable
// character, keeps every line within the width unless one character alone is wider,
// never cuts a character made of two UTF-16 units in half, and holds no line break.
#include "FuzzText.h"
#include "print/LineBreaking.h"

namespace {

QString withoutBlanksAndBreaks(QString s)
{
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = FuzzText::fromBytes(data, size);
    const QStringList lines = LineBreaking::descriptionLines(text, FuzzText::width);
    FuzzText::check(!lines.isEmpty(), "no line at all", text);
    for (const QString &line : lines) {
        FuzzText::check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
                        "a line holds a line break", line);
        FuzzText::check(!FuzzText::splitsPair(line), "a line splits a character in two", text);
        const bool oneCharacter
            = line.size() == 1 || (line.size() == 2 && line[0].isHighSurrogate());
        FuzzText::check(FuzzText::width(line) <= LineBreaking::DescriptionWidthLimit
                            || oneCharacter,
                        "a line is wider than the page", line);
    }
    FuzzText::check(withoutBlanksAndBreaks(lines.join(QString())) == withoutBlanksAndBreaks(text),
                    "characters lost or added", text);
    return 0;
}
