#pragma once

#include <QString>

// Texts the form screen puts into its boxes and that saving, showing and printing
// compare against: the fill texts of an airframe's unit boxes, the placeholders of
// empty address lines and the entries of the unit-kind list.
namespace FormTexts {

inline const QString DashLine = QString(38, QLatin1Char('-'));
inline const QString AsDescribed = QStringLiteral("(As described in Item 1 above)");

inline const QString Name = QStringLiteral("Name");
inline const QString Address = QStringLiteral("Address");
inline const QString CityState = QStringLiteral("City & State");
inline const QString ZipCountry = QStringLiteral("Zip & Country");

inline const QString Airframe = QStringLiteral("Airframe");
inline const QString Powerplant = QStringLiteral("Powerplant");
inline const QString Propeller = QStringLiteral("Propeller");
inline const QString Appliance = QStringLiteral("Appliance");

}  // namespace FormTexts
