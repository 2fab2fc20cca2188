#include "form/FormFields.h"

#include "data/FormColumns.h"
#include "form/FormTexts.h"

namespace FormFields {

namespace {

using S = FormSnapshot;
namespace C = FormColumn;

const QString *const kName = &FormTexts::Name;
const QString *const kAddress = &FormTexts::Address;
const QString *const kCityState = &FormTexts::CityState;
const QString *const kZipCountry = &FormTexts::ZipCountry;

constexpr PrintPlace bold9(double x, double y)
{
    return {x, y, 9, true};
}
constexpr PrintPlace regular8(double x, double y)
{
    return {x, y, 8, false};
}
constexpr PrintPlace date9(double x, double y)
{
    return {x, y, 9, true, true};
}

Field unitBox(const char *control, QString S::*value, const char *label,
              std::array<const QString *, 4> columns, const char *applianceLabel = nullptr)
{
    Field f{control, value, nullptr, label, nullptr, Group::Unit};
    f.unitColumns = columns;
    f.applianceLabel = applianceLabel;
    return f;
}

std::span<const Field> table()
{
    using enum Group;
    static const Field rows[] = {
        // item 1
        {"Combo1(0)", &S::registrationMark, &C::RegNum, "Registration mark", nullptr, Registration,
         Storage::Text, WhenNull::ShowsPlaceholder, bold9(2090, 2020)},
        {"Combo1(1)", &S::make, &C::Make, "Aircraft make", nullptr, AircraftOwnerAgency,
         Storage::Text, WhenNull::ShowsPlaceholder, bold9(2090, 2435)},
        {"Text1(0)", &S::serialNumber, &C::Serial, "Aircraft serial no.", nullptr,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(6870, 2020)},
        {"Combo1(2)", &S::model, &C::Model, "Aircraft model", nullptr, AircraftOwnerAgency,
         Storage::Text, WhenNull::ShowsPlaceholder, bold9(6470, 2435)},
        {"Text1(1)", &S::series, &C::Rating1, "Series", nullptr, AircraftOwnerAgency,
         Storage::BlankWhenEmpty, WhenNull::ShowsPlaceholder, bold9(8900, 2505)},
        // item 2; the owner's name may take several lines and is printed by a rule of its own
        {"Text2(0)", &S::ownerName, &C::OwnerName, "Owner's name", nullptr, AircraftOwnerAgency},
        {"Text2(1)", &S::ownerAddress, &C::OwnerAdd1, "Owner's address", kAddress,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(6170, 2980)},
        {"Text2(2)", &S::ownerCityState, &C::OwnerAdd2, "Owner's city & state", kCityState,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(6170, 3140)},
        {"Text2(3)", &S::ownerZipCountry, &C::OwnerName2, "Owner's zip & country", kZipCountry,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(6170, 3300)},
        // item 5, printed in the row of the unit kind
        unitBox("Text4(0)", &S::unitMake, "Unit make",
                {nullptr, &C::PowMake, &C::ProMake, &C::AppDesc}, "Appliance type"),
        unitBox("Text4(1)", &S::applianceManufacturer, "Appliance manufacturer",
                {nullptr, nullptr, nullptr, &C::AppMake}),
        unitBox("Text5", &S::unitModel, "Unit model",
                {nullptr, &C::PowModel, &C::ProModel, &C::AppModel}),
        unitBox("Text6", &S::unitSerialNumber, "Unit serial no.",
                {nullptr, &C::PowSerial, &C::ProSerial, &C::AppSerial}),
        // item 6
        {"Text7(0)", &S::agencyName, &C::AgencyName, "Agency name", kName, AircraftOwnerAgency,
         Storage::Text, WhenNull::ShowsPlaceholder, bold9(660, 9400)},
        {"Text7(1)", &S::agencyAddress, &C::AgencyAdd1, "Agency address", kAddress,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(660, 9580)},
        {"Text7(2)", &S::agencyCityState, &C::AgencyAdd2, "Agency city & state", kCityState,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(660, 9760)},
        {"Text7(3)", &S::agencyZipCountry, &C::AgencyAdd3, "Agency zip & country", kZipCountry,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(660, 9940)},
        {"Text7(4)", &S::agencyCertificate, &C::AgencyCert, "Agency certificate no.", nullptr,
         AircraftOwnerAgency, Storage::Text, WhenNull::ShowsPlaceholder, bold9(8760, 9900)},
        {"Combo3", &S::conformitySigner, &C::ApproveName, "Conformity statement signature", nullptr,
         Signatures, Storage::Text, WhenNull::KeepsBox, regular8(5500, 11520)},
        {"Text16", &S::conformityDate, &C::FormDate, "Conformity statement date", nullptr,
         Signatures, Storage::Date, WhenNull::KeepsBox, date9(8800, 11340)},
        // item 7
        {"Text3", &S::otherApprover, nullptr, "Other (Specify)", nullptr, NotStored, Storage::Text,
         WhenNull::KeepsBox, bold9(7540, 13120)},
        {"Text13", &S::approverCertificate, &C::ApproveCert, "Certificate or designation no.",
         nullptr, Signatures, Storage::Text, WhenNull::KeepsBox, regular8(860, 13900)},
        {"Combo5", &S::approvalSigner, &C::Signed, "Approval signature", nullptr, Signatures,
         Storage::Text, WhenNull::KeepsBox, bold9(3600, 13900)},
        {"Text17", &S::approvalDate, &C::ApproveDate, "Approval date", nullptr, Signatures,
         Storage::Date, WhenNull::KeepsBox, date9(8800, 13850)},
        // the mailing record of the FAA's copy, never printed; an emptied box keeps what is
        // stored, so a form saved from an older screen cannot erase a recorded sending
        {"txtFaaSentDate", &S::faaSentDate, &C::FaaSentDate, "Date sent to the FAA", nullptr,
         Signatures, Storage::Date, WhenNull::ShowsPlaceholder},
        {"txtFaaTracking", &S::faaTracking, &C::FaaTracking, "Tracking", nullptr, Signatures,
         Storage::KeptWhenEmpty, WhenNull::ShowsPlaceholder},
        // item 8, printed on the back page
        {"Text18", &S::description, &C::Back, "Description of work", nullptr, Signatures,
         Storage::BlankWhenEmpty, WhenNull::KeepsBox},
    };
    return rows;
}

}  // namespace

std::span<const Field> all()
{
    return table();
}

TypeColumns typeColumns(int unitKind)
{
    switch (unitKind) {
    case FormSnapshot::Powerplant:
        return {C::PowType1, C::PowType2};
    case FormSnapshot::Propeller:
        return {C::ProType1, C::ProType2};
    case FormSnapshot::Appliance:
        return {C::AppType1, C::AppType2};
    default:
        return {C::AirType1, C::AirType2};
    }
}

const Field *byControl(QStringView objectName)
{
    for (const Field &field : table()) {
        if (objectName == QLatin1String(field.control))
            return &field;
    }
    return nullptr;
}

QString labelOf(const QString &column)
{
    auto same = [&column](const QString *name) {
        return name && name->compare(column, Qt::CaseInsensitive) == 0;
    };
    for (const Field &field : table()) {
        if (same(field.column))
            return QString::fromUtf8(field.label);
        for (int kind = 0; kind < int(field.unitColumns.size()); ++kind) {
            if (!same(field.unitColumns[kind]))
                continue;
            if (kind == FormSnapshot::Appliance && field.applianceLabel)
                return QString::fromUtf8(field.applianceLabel);
            return QString::fromUtf8(field.label);
        }
    }
    return column;
}

}  // namespace FormFields
