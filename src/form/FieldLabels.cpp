#include "form/FieldLabels.h"

#include <QHash>

namespace FieldLabels {

QString of(const QString& field)
{
    static const QHash<QString, QString> labels{
        {QStringLiteral("regnum"), QStringLiteral("Registration mark")},
        {QStringLiteral("make"), QStringLiteral("Aircraft make")},
        {QStringLiteral("model"), QStringLiteral("Aircraft model")},
        {QStringLiteral("serial"), QStringLiteral("Aircraft serial no.")},
        {QStringLiteral("rating1"), QStringLiteral("Series")},
        {QStringLiteral("ownername"), QStringLiteral("Owner's name")},
        {QStringLiteral("owneradd1"), QStringLiteral("Owner's address")},
        {QStringLiteral("owneradd2"), QStringLiteral("Owner's city & state")},
        {QStringLiteral("ownername2"), QStringLiteral("Owner's zip & country")},
        {QStringLiteral("powmake"), QStringLiteral("Unit make")},
        {QStringLiteral("promake"), QStringLiteral("Unit make")},
        {QStringLiteral("appdesc"), QStringLiteral("Appliance type")},
        {QStringLiteral("appmake"), QStringLiteral("Appliance manufacturer")},
        {QStringLiteral("powmodel"), QStringLiteral("Unit model")},
        {QStringLiteral("promodel"), QStringLiteral("Unit model")},
        {QStringLiteral("appmodel"), QStringLiteral("Unit model")},
        {QStringLiteral("powserial"), QStringLiteral("Unit serial no.")},
        {QStringLiteral("proserial"), QStringLiteral("Unit serial no.")},
        {QStringLiteral("appserial"), QStringLiteral("Unit serial no.")},
        {QStringLiteral("agencyname"), QStringLiteral("Agency name")},
        {QStringLiteral("agencyadd1"), QStringLiteral("Agency address")},
        {QStringLiteral("agencyadd2"), QStringLiteral("Agency city & state")},
        {QStringLiteral("agencyadd3"), QStringLiteral("Agency zip & country")},
        {QStringLiteral("agencycert"), QStringLiteral("Agency certificate no.")},
        {QStringLiteral("approvename"), QStringLiteral("Conformity statement signature")},
        {QStringLiteral("approvecert"), QStringLiteral("Certificate or designation no.")},
        {QStringLiteral("signed"), QStringLiteral("Approval signature")},
        {QStringLiteral("back"), QStringLiteral("Description of work")},
    };
    return labels.value(field.toLower(), field);
}

}  // namespace FieldLabels
