#include "form/FormRecordWriter.h"

#include "data/Recordset.h"
#include "form/FormEntries.h"
#include "ui/Dates.h"

namespace {

// An empty series or description is stored as a single blank.
QString blankIfEmpty(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

void writeDate(Recordset& record, const QString& field, const QString& text)
{
    const QDate date = Dates::parse(text);
    if (date.isValid())
        record.setField(field, date);
}

void writeUnit(Recordset& record, const FormEntries& e)
{
    const bool repair = e.Option1 == 0;
    const bool alteration = e.Option1 == 1;
    auto unit = [&](const char* prefix, const char* makeField) {
        const QString p = QString::fromLatin1(prefix);
        record.setField(p + QStringLiteral("Type1"), repair);
        record.setField(p + QStringLiteral("Type2"), alteration);
        if (!makeField)
            return;
        record.setField(QString::fromLatin1(makeField), e.Text4[0]);
        if (e.List1 == FormEntries::Appliance)
            record.setField(QStringLiteral("AppMake"), e.Text4[1]);
        record.setField(p + QStringLiteral("Model"), e.Text5);
        record.setField(p + QStringLiteral("Serial"), e.Text6);
    };
    switch (e.List1) {
    case FormEntries::Airframe:
        unit("Air", nullptr);
        break;
    case FormEntries::Powerplant:
        unit("Pow", "PowMake");
        break;
    case FormEntries::Propeller:
        unit("Pro", "ProMake");
        break;
    case FormEntries::Appliance:
        unit("App", "AppDesc");
        break;
    default:
        break;  // no unit kind chosen: no unit field is written
    }
}

}  // namespace

namespace FormRecordWriter {

void write(Recordset& record, const FormEntries& e)
{
    record.setField(QStringLiteral("RegNum"), e.Combo1[0]);
    record.setField(QStringLiteral("Make"), e.Combo1[1]);
    record.setField(QStringLiteral("Model"), e.Combo1[2]);
    record.setField(QStringLiteral("Serial"), e.Text1[0]);
    record.setField(QStringLiteral("Rating1"), blankIfEmpty(e.Text1[1]));
    record.setField(QStringLiteral("OwnerName"), e.Text2[0]);
    record.setField(QStringLiteral("OwnerAdd1"), e.Text2[1]);
    record.setField(QStringLiteral("OwnerAdd2"), e.Text2[2]);
    record.setField(QStringLiteral("OwnerName2"), e.Text2[3]);
    record.setField(QStringLiteral("AgencyName"), e.Text7[0]);
    record.setField(QStringLiteral("AgencyAdd1"), e.Text7[1]);
    record.setField(QStringLiteral("AgencyAdd2"), e.Text7[2]);
    record.setField(QStringLiteral("AgencyAdd3"), e.Text7[3]);
    record.setField(QStringLiteral("AgencyCert"), e.Text7[4]);
    if (e.Option2 >= 0)
        record.setField(QStringLiteral("AgencyKind"), e.Option2);
    writeUnit(record, e);
    record.setField(QStringLiteral("Rating3"), e.Check2);
    record.setField(QStringLiteral("Approved"), e.Option5 == 0);
    if (e.Option6 >= 0)
        record.setField(QStringLiteral("ApprovedBy"), e.Option6);
    record.setField(QStringLiteral("ApproveName"), e.Combo3);
    writeDate(record, QStringLiteral("FormDate"), e.Text16);
    record.setField(QStringLiteral("ApproveCert"), e.Text13);
    record.setField(QStringLiteral("Signed"), e.Combo5);
    writeDate(record, QStringLiteral("ApproveDate"), e.Text17);
    record.setField(QStringLiteral("Back"), blankIfEmpty(e.Text18));
}

}  // namespace FormRecordWriter
