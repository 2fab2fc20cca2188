#include "form/RecordDisplay.h"

#include "data/Recordset.h"
#include "form/FormEntries.h"
#include "form/FormScreen.h"
#include "form/FormTexts.h"
#include "ui/ControlText.h"
#include "ui/Dates.h"
#include "ui/ListFill.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

// A combo shows the field's text (its list entry selected when there is one); a
// Null field clears the selection and the text.
void showInCombo(QComboBox* combo, const QVariant& value)
{
    if (value.isNull()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
    } else {
        ListFill::setText(combo, value.toString());
    }
}

void showOr(QWidget* box, const QVariant& value, const QString& whenNull)
{
    setControlText(box, value.isNull() ? whenNull : value.toString());
}

// Stored dates show in the system's short date form.
QString displayText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate && value.toDate().isValid())
        return Dates::shortForm(value.toDate());
    return value.toString();
}

bool anySet(const Recordset& record, std::initializer_list<const char*> fields)
{
    for (const char* field : fields) {
        if (isYes(record.field(QString::fromLatin1(field))))
            return true;
    }
    return false;
}

}  // namespace

RecordDisplay::RecordDisplay(FormScreen& screen) : s(screen)
{
}

void RecordDisplay::show(const Recordset& r)
{
    showInCombo(s.Combo1[0], r.field(QStringLiteral("RegNum")));
    showAircraftOwnerAndAgency(r);
    showTypeOfWork(r);
    showUnit(r);
    const QVariant rating3 = r.field(QStringLiteral("Rating3"));
    if (!rating3.isNull()) {
        // 0 clear, 1 ticked, 2 greyed; any other value is no state of a check box.
        const int value = rating3.toString().toInt();
        if (value == 0 || value == 1)
            s.Check2->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
        else if (value == 2)
            s.Check2->setCheckState(Qt::PartiallyChecked);
    }
    showApproval(r);
    showSignersAndDescription(r);
}

void RecordDisplay::showAircraftOwnerAndAgency(const Recordset& r)
{
    showInCombo(s.Combo1[1], r.field(QStringLiteral("Make")));
    showInCombo(s.Combo1[2], r.field(QStringLiteral("Model")));
    showOr(s.Text1[0], r.field(QStringLiteral("Serial")), QString());
    showOr(s.Text1[1], r.field(QStringLiteral("Rating1")), QString());
    showOr(s.Text2[0], r.field(QStringLiteral("OwnerName")), QString());
    showOr(s.Text2[1], r.field(QStringLiteral("OwnerAdd1")), FormTexts::Address);
    showOr(s.Text2[2], r.field(QStringLiteral("OwnerAdd2")), FormTexts::CityState);
    showOr(s.Text2[3], r.field(QStringLiteral("OwnerName2")), FormTexts::ZipCountry);

    showOr(s.Text7[0], r.field(QStringLiteral("AgencyName")), FormTexts::Name);
    showOr(s.Text7[1], r.field(QStringLiteral("AgencyAdd1")), FormTexts::Address);
    showOr(s.Text7[2], r.field(QStringLiteral("AgencyAdd2")), FormTexts::CityState);
    showOr(s.Text7[3], r.field(QStringLiteral("AgencyAdd3")), FormTexts::ZipCountry);
    showOr(s.Text7[4], r.field(QStringLiteral("AgencyCert")), QString());
    const QVariant kind = r.field(QStringLiteral("AgencyKind"));
    if (!kind.isNull())
        FormScreen::selectOption(s.Option2, kind.toInt());
}

void RecordDisplay::showTypeOfWork(const Recordset& r)
{
    // Neither button is cleared first; with both kinds of flag set "Alteration" ends selected.
    if (anySet(r, {"AirType1", "PowType1", "ProType1", "AppType1"}))
        s.Option1[0]->setChecked(true);
    if (anySet(r, {"AirType2", "PowType2", "ProType2", "AppType2"}))
        s.Option1[1]->setChecked(true);
}

void RecordDisplay::showUnit(const Recordset& r)
{
    // Selecting a kind that is not yet selected applies its layout before the
    // fields are written; the last kind set decides what stays on screen.
    auto text = [&r](const char* field) { return r.field(QString::fromLatin1(field)).toString(); };
    if (anySet(r, {"AirType1", "AirType2"}))
        s.List1->setCurrentRow(FormEntries::Airframe);
    if (anySet(r, {"PowType1", "PowType2"})) {
        s.List1->setCurrentRow(FormEntries::Powerplant);
        s.Text4[0]->setText(text("PowMake"));
        s.List1->setCurrentRow(FormEntries::Powerplant);
        s.Text5->setText(text("PowModel"));
        s.Text6->setText(text("PowSerial"));
    }
    if (anySet(r, {"ProType1", "ProType2"})) {
        s.List1->setCurrentRow(FormEntries::Propeller);
        s.Text4[0]->setText(text("ProMake"));
        s.List1->setCurrentRow(FormEntries::Propeller);
        s.Text5->setText(text("ProModel"));
        s.Text6->setText(text("ProSerial"));
    }
    if (anySet(r, {"AppType1", "AppType2"})) {
        s.List1->setCurrentRow(FormEntries::Appliance);
        s.Text4[0]->setText(text("AppDesc"));
        s.List1->setCurrentRow(FormEntries::Appliance);
        s.Text4[1]->setText(text("AppMake"));
        s.Text5->setText(text("AppModel"));
        s.Text6->setText(text("AppSerial"));
    }
}

void RecordDisplay::showApproval(const Recordset& r)
{
    const QVariant approved = r.field(QStringLiteral("Approved"));
    if (!approved.isNull()) {
        // An exclusive pair is cleared by selecting the other button.
        if (isYes(approved))
            s.Option5[0]->setChecked(true);
        else
            s.Option5[1]->setChecked(true);
    }
    // Whatever the field held, a form not approved shows "Rejected".
    if (!s.Option5[0]->isChecked())
        s.Option5[1]->setChecked(true);

    const QVariant by = r.field(QStringLiteral("ApprovedBy"));
    if (!by.isNull())
        FormScreen::selectOption(s.Option6, by.toInt());
}

void RecordDisplay::showSignersAndDescription(const Recordset& r)
{
    struct Copy {
        const char* field;
        QWidget* box;
    };
    const Copy copies[] = {{"ApproveName", s.Combo3}, {"FormDate", s.Text16}, {"ApproveCert", s.Text13},
                           {"Signed", s.Combo5},      {"ApproveDate", s.Text17}, {"Back", s.Text18}};
    for (const Copy& copy : copies) {
        const QVariant value = r.field(QString::fromLatin1(copy.field));
        if (value.isNull())
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(copy.box))
            ListFill::setText(combo, displayText(value));
        else
            setControlText(copy.box, displayText(value));
    }
}
