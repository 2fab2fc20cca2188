#include "ui/Dates.h"

#include <QLocale>
#include <QRegularExpression>

namespace Dates {

QString longForm(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(date, QStringLiteral("MMMM dd, yyyy"));
}

QString shortForm(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QDate parse(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return {};
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale system = QLocale::system();
    const QStringList formats = {
        QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMMM dd, yyyy"),
        QStringLiteral("MMM d, yyyy"),  QStringLiteral("MMM/dd/yyyy"),
        QStringLiteral("MMM/d/yyyy"),
    };
    for (const QString &f : formats) {
        QDate d = english.toDate(text, f);
        if (d.isValid())
            return d;
    }
    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        QDate d = system.toDate(text, type);
        if (d.isValid()) {
            // Two-digit years read as 19xx by Qt; take them as the nearest century like the old runtime.
            if (d.year() < 1930 && !text.contains(QString::number(d.year())))
                d = d.addYears(100);
            return d;
        }
    }
    QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    // Numeric dates in the order of the user's locale (month first for US English).
    static const QRegularExpression numeric(
        QStringLiteral("^(\\d{1,4})[/.-](\\d{1,2})[/.-](\\d{1,4})$"));
    const auto m = numeric.match(text);
    if (!m.hasMatch())
        return {};
    int a = m.captured(1).toInt(), b = m.captured(2).toInt(), c = m.captured(3).toInt();
    if (m.captured(1).size() == 4)
        return QDate(a, b, c);
    if (m.captured(3).size() <= 2)
        c += c < 30 ? 2000 : 1900;
    // Day first only where the user's locale writes it so; without a locale
    // ("C"), month first as the database engine reads date literals.
    const QString shortFormat = system.dateFormat(QLocale::ShortFormat).toLower();
    const bool dayFirst
        = system.language() != QLocale::C
          && shortFormat.indexOf(QLatin1Char('d')) < shortFormat.indexOf(QLatin1Char('m'));
    return dayFirst ? QDate(c, b, a) : QDate(c, a, b);
}

}  // namespace Dates

namespace Numbers {

double leadingValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+(\\.\\d*)?|\\.\\d+))"));
    const auto m = number.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

}  // namespace Numbers
