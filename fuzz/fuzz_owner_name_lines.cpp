// The owner's name wrapper on any name: at most four lines, no line break inside a
// line, the lines are the name's text in order (line breaks left out, the end possibly
// cut off), and no character made of two UTF-16 units is cut in half.
#include "FuzzText.h"
#include "print/LineBreaking.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = FuzzText::fromBytes(data, size);
    const QStringList lines = LineBreaking::ownerNameLines(name, FuzzText::width);
    FuzzText::check(lines.size() <= LineBreaking::OwnerNameMaxLines, "more than four lines", name);
    QString flat = name;
    flat.remove(QLatin1Char('\r'));
    flat.remove(QLatin1Char('\n'));
    FuzzText::check(flat.startsWith(lines.join(QString())), "lines are not the name in order",
                    name);
    for (const QString &line : lines) {
        FuzzText::check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
                        "a line holds a line break", line);
        FuzzText::check(!FuzzText::splitsPair(line), "a line splits a character in two", name);
    }
    return 0;
}
