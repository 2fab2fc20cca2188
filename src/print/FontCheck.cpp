#include "print/FontCheck.h"

#include <QFontDatabase>

namespace {

struct Substitute
{
    const char *family;
    const char *substitute;
    int stretch;
};

// DejaVu Serif is far wider than Britannic Bold: narrowed, its tildes keep to their columns.
const Substitute substitutes[] = {
    {"Arial", "Liberation Sans", 100},
    {"QuickType Condensed", "Liberation Sans Narrow", 100},
    {"Britannic Bold", "DejaVu Serif", 65},
};

const Substitute *find(const QString &family)
{
    for (const auto &s : substitutes) {
        if (family.compare(QLatin1String(s.family), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

}  // namespace

QString FontCheck::substituteFor(const QString &family)
{
    const Substitute *s = find(family);
    return s ? QString::fromLatin1(s->substitute) : QString();
}

int FontCheck::substituteStretch(const QString &family)
{
    const Substitute *s = find(family);
    return s ? s->stretch : 100;
}

QString SystemFontCheck::findFamily(const QString &family) const
{
    if (m_families.isEmpty())
        m_families = QFontDatabase::families();
    for (const QString &f : m_families) {
        if (f.compare(family, Qt::CaseInsensitive) == 0)
            return f;
    }
    return {};
}

QString SystemFontCheck::installedFamily(const QString &family) const
{
    if (family.isEmpty())
        return {};
    const QString own = findFamily(family);
    if (!own.isEmpty())
        return own;
    const QString substitute = substituteFor(family);
    return substitute.isEmpty() ? QString() : findFamily(substitute);
}
