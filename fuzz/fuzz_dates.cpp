// The date reader on any text: no crash, and a date it returns is valid. Every date
// written in the screen's long form, in the stored form and in ISO reads back as itself;
// the leading-number rule never fails on any text either.
#include "FuzzText.h"
#include "ui/Dates.h"

#include <QLocale>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = FuzzText::fromBytes(data, size);
    const QDate parsed = Dates::parse(text);
    FuzzText::check(parsed.isNull() || parsed.isValid(), "an invalid date returned as a date",
                    text);
    const double number = Numbers::leadingValue(text);
    FuzzText::check(!std::isnan(number), "the leading number is not a number", text);

    if (size >= 4) {
        // A date from the first bytes, years 1 to 9999.
        uint32_t raw;
        std::memcpy(&raw, data, 4);
        const qint64 first = QDate(1, 1, 1).toJulianDay(), last = QDate(9999, 12, 31).toJulianDay();
        const QDate date = QDate::fromJulianDay(first + qint64(raw % uint32_t(last - first + 1)));
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        FuzzText::check(Dates::parse(Dates::longForm(date)) == date, "long form does not read back",
                        Dates::longForm(date));
        const QString stored = english.toString(date, QStringLiteral("MMM/dd/yyyy"));
        FuzzText::check(Dates::parse(stored) == date, "stored form does not read back", stored);
        if (date.year() >= 1000) {
            const QString iso = date.toString(Qt::ISODate);
            FuzzText::check(Dates::parse(iso) == date, "ISO form does not read back", iso);
        }
    }
    return 0;
}
