#pragma once

#include <QString>
#include <QVariant>

// Where the FAA's copy of an approved form is mailed. The addresses are settings (fields
// FaaAddress and FaaFuelTankAddress of Setup) because the FAA changes them; an empty
// setting means the address of today.
namespace FaaAddresses {

inline QString defaultAddress()
{
    return QStringLiteral("FAA Aircraft Registration Branch, P.O. Box 25504, "
                          "Oklahoma City, OK 73125");
}

// The copy of a form with extended-range fuel tanks (Check2) goes to its own box.
inline QString defaultFuelTankAddress()
{
    return QStringLiteral("FAA Aircraft Registration Branch, P.O. Box 25724, "
                          "Oklahoma City, OK 73125");
}

// The stored setting, or the default when it is Null or blank.
inline QString orDefault(const QVariant &stored, const QString &fallback)
{
    const QString text = stored.toString().trimmed();
    return text.isEmpty() ? fallback : text;
}

}  // namespace FaaAddresses
