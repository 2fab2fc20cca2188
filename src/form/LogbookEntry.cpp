#include "form/LogbookEntry.h"

#include "form/FormFields.h"
#include "form/FormSnapshot.h"
#include "ui/Dates.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace LogbookEntry {

namespace {

QString unitText(const FormSnapshot &form)
{
    static const char *const kinds[] = {"Airframe", "Powerplant", "Propeller", "Appliance"};
    if (form.unitKind < 0 || form.unitKind > 3)
        return {};
    QStringList parts{QString::fromLatin1(kinds[form.unitKind])};
    if (form.unitKind != FormSnapshot::Airframe) {
        QStringList details;
        for (const QString &part : {form.unitMake, form.applianceManufacturer, form.unitModel})
            if (!part.trimmed().isEmpty())
                details << part.trimmed();
        if (!form.unitSerialNumber.trimmed().isEmpty())
            details << QStringLiteral("S/N %1").arg(form.unitSerialNumber.trimmed());
        if (!details.isEmpty())
            parts << details.join(QLatin1Char(' '));
    }
    return parts.join(QStringLiteral(": "));
}

QString firstParagraph(const QString &description)
{
    QString text = description;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
}

// What was entered in a box: a box still showing its placeholder ("Name") holds nothing.
QString entered(const FormSnapshot &form, QString FormSnapshot::*member)
{
    const QString text = (form.*member).trimmed();
    for (const FormFields::Field &field : FormFields::all()) {
        if (field.value == member && field.placeholder && text == *field.placeholder)
            return {};
    }
    return text;
}

// A date as the form prints it, when the box holds one; else the box's text.
QString dateText(const QString &box)
{
    const QDate date = Dates::parse(box);
    return date.isValid() ? Dates::longForm(date) : box.trimmed();
}

}  // namespace

QString defaultTemplate()
{
    return QStringLiteral("{date}  {mark}  {make} {model}, S/N {serial}\n"
                          "{work}, {unit}: {description}\n"
                          "See FAA Form 337 dated {date}.\n"
                          "{agency}, Certificate No. {certificate}");
}

QString text(const QString &templateText, const FormSnapshot &form)
{
    const QString work = form.typeOfWork == FormSnapshot::Repair ? QStringLiteral("Repair")
                         : form.typeOfWork == FormSnapshot::Alteration
                             ? QStringLiteral("Alteration")
                             : QString();
    const QList<QPair<QString, QString>> values{
        {QStringLiteral("{date}"), dateText(form.conformityDate)},
        {QStringLiteral("{mark}"), form.registrationMark.trimmed()},
        {QStringLiteral("{make}"), form.make.trimmed()},
        {QStringLiteral("{model}"), form.model.trimmed()},
        {QStringLiteral("{serial}"), form.serialNumber.trimmed()},
        {QStringLiteral("{unit}"), unitText(form)},
        {QStringLiteral("{work}"), work},
        {QStringLiteral("{description}"), firstParagraph(form.description)},
        {QStringLiteral("{agency}"), entered(form, &FormSnapshot::agencyName)},
        {QStringLiteral("{certificate}"), entered(form, &FormSnapshot::agencyCertificate)},
    };
    // One pass over the template, so an entry that itself holds "{mark}" stays as typed. A
    // line whose names all came out empty is left out (no agency set up: no agency line).
    const QString source = templateText.trimmed().isEmpty() ? defaultTemplate() : templateText;
    QStringList lines;
    for (const QString &line : source.split(QLatin1Char('\n'))) {
        QString out;
        int names = 0, emptyNames = 0;
        for (int i = 0; i < line.size();) {
            bool replaced = false;
            for (const auto &[name, value] : values) {
                if (QStringView(line).mid(i).startsWith(name)) {
                    out += value;
                    i += int(name.size());
                    ++names;
                    emptyNames += value.isEmpty();
                    replaced = true;
                    break;
                }
            }
            if (!replaced)
                out += line[i++];
        }
        if (names == 0 || emptyNames < names)
            lines << out;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace LogbookEntry
