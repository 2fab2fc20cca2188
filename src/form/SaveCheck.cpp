#include "form/SaveCheck.h"

#include "form/FormTexts.h"

namespace {

// A refusal: OK button with the question-mark icon.
Msg::Request refusal(const char *text, const char *title)
{
    return {QString::fromUtf8(text), QString::fromUtf8(title), Msg::Buttons::Ok,
            Msg::Icon::Question, Msg::Answer::Ok};
}

bool emptyOr(const QString &text, const QString &placeholder)
{
    return text.isEmpty() || text == placeholder;
}

QList<SaveCheck> buildChecks()
{
    using E = FormSnapshot;
    QList<SaveCheck> checks;
    auto add = [&checks](std::function<bool(const E &)> fails, Msg::Request message,
                         bool confirmable = false) {
        checks.append({int(checks.size()) + 1, std::move(fails), std::move(message), confirmable});
    };

    add([](const E &e) { return e.registrationMark.isEmpty(); },
        refusal("Enter a REGISTRATION NO. Form will not be saved.",
                "Registration number not selected."));
    add([](const E &e) { return e.make.isEmpty(); },
        refusal("Enter an aircraft MAKE. Form will not be saved.", "Make not selected."));
    add([](const E &e) { return e.model.isEmpty(); },
        refusal("Enter an aircraft MODEL. Form will not be saved.", "Model not selected."));
    add([](const E &e) { return emptyOr(e.ownerAddress, FormTexts::Address); },
        refusal("Enter Owner Address. Form will not be saved.", "Questionable address."));
    add([](const E &e) { return emptyOr(e.ownerCityState, FormTexts::CityState); },
        refusal("Enter Owner City & State. Form will not be saved.", "Questionable address."));
    add([](const E &e) { return emptyOr(e.ownerZipCountry, FormTexts::ZipCountry); },
        refusal("Enter Zip & Country. Form will not be saved.", "Questionable address."));
    // Plain box: OK without icon under the application's title.
    add([](const E &e) { return e.ownerName.isEmpty(); },
        {QStringLiteral("Enter the owner's name(s)as on the registration certificate. Form will "
                        "not be saved."),
         QString(), Msg::Buttons::Ok, Msg::Icon::None, Msg::Answer::Ok});
    add(
        [](const E &e) {
            return emptyOr(e.agencyName, FormTexts::Name)
                   || emptyOr(e.agencyAddress, FormTexts::Address)
                   || emptyOr(e.agencyCityState, FormTexts::CityState)
                   || emptyOr(e.agencyZipCountry, FormTexts::ZipCountry);
        },
        refusal("Enter the agency name and address. Form will not be saved.",
                "Missing Information"));
    // A certificated mechanic signs for himself: the agency name should be the signer's.
    add([](const E &e) { return e.agencyKind == 0 && e.agencyName != e.conformitySigner; },
        {QStringLiteral("Agency name and signer do not match. Do you wish to continue Save?"),
         QStringLiteral("Mismatched Information"), Msg::Buttons::YesNo, Msg::Icon::Exclamation,
         Msg::Answer::Yes},
        true);
    add([](const E &e) { return e.agencyCertificate.isEmpty(); },
        refusal("Enter the agency certificate number. Form will not be saved.",
                "Missing Information"));
    add(
        [](const E &e) {
            return e.unitMake.isEmpty() || e.unitModel.isEmpty() || e.unitSerialNumber.isEmpty()
                   || (e.unitKind == FormSnapshot::Appliance && e.applianceManufacturer.isEmpty());
        },
        refusal("All Unit information must be completed. Form will not be saved.",
                "Missing Information"));
    add([](const E &e) { return e.typeOfWork < 0; },
        refusal("Repair or Alteration must be selected. Form will not be saved.",
                "Missing Information"));
    add([](const E &e) { return e.verdict < 0; },
        refusal("Approved or Rejected must be selected. Form will not be saved.",
                "Missing Information"));
    add([](const E &e) { return e.agencyKind < 0; },
        refusal("Agency type must be selected. Form will not be saved.", "Missing Information"));
    add([](const E &e) { return e.approvedBy < 0; },
        refusal("Approved BY must be selected. Form will not be saved.", "Missing Information"));
    return checks;
}

}  // namespace

const QList<SaveCheck> &SaveCheck::inOrder()
{
    static const QList<SaveCheck> checks = buildChecks();
    return checks;
}

const SaveCheck *SaveCheck::firstFailed(const FormSnapshot &entries, int startingAfter)
{
    for (const SaveCheck &check : inOrder()) {
        if (check.number > startingAfter && check.fails(entries))
            return &check;
    }
    return nullptr;
}
