#include "form/RecordDisplay.h"

#include "data/FormColumns.h"
#include "data/Recordset.h"
#include "form/FormFields.h"
#include "form/FormScreen.h"
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

// Stored dates show in the system's short date form.
QString displayText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate && value.toDate().isValid())
        return Dates::shortForm(value.toDate());
    return value.toString();
}

constexpr int kUnitKinds[] = {FormSnapshot::Airframe, FormSnapshot::Powerplant,
                              FormSnapshot::Propeller, FormSnapshot::Appliance};

// Writes one stored value into its box. A combo shows the text with its list entry
// selected when there is one; a Null value gives the box's placeholder (a combo loses
// its selection) or leaves the box as it was, as the row says.
void showValue(const FormScreen &screen, const FormFields::Field &field, const QVariant &value)
{
    QWidget *box = screen.box(field);
    auto *combo = qobject_cast<QComboBox *>(box);
    if (value.isNull()) {
        if (field.whenNull == FormFields::WhenNull::KeepsBox)
            return;
        const QString placeholder = field.placeholder ? *field.placeholder : QString();
        if (combo) {
            combo->setCurrentIndex(-1);
            combo->setEditText(placeholder);
        } else {
            setControlText(box, placeholder);
        }
        return;
    }
    if (combo)
        ListFill::setText(combo, displayText(value));
    else
        setControlText(box, displayText(value));
}

void showGroup(const FormScreen &screen, const Recordset &record, FormFields::Group group)
{
    for (const FormFields::Field &field : FormFields::all()) {
        if (field.group == group)
            showValue(screen, field, record.field(*field.column));
    }
}

}  // namespace

RecordDisplay::RecordDisplay(FormScreen &screen)
    : s(screen)
{ }

void RecordDisplay::show(const Recordset &r)
{
    showGroup(s, r, FormFields::Group::Registration);
    showAircraftOwnerAndAgency(r);
    showTypeOfWork(r);
    showUnit(r);
    const QVariant rating3 = r.field(FormColumn::Rating3);
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

void RecordDisplay::showAircraftOwnerAndAgency(const Recordset &r)
{
    showGroup(s, r, FormFields::Group::AircraftOwnerAgency);
    const QVariant kind = r.field(FormColumn::AgencyKind);
    if (!kind.isNull())
        FormScreen::selectOption(s.Option2, kind.toInt());
}

void RecordDisplay::showTypeOfWork(const Recordset &r)
{
    // Neither button is cleared first; with both kinds of flag set "Alteration" ends selected.
    bool repair = false;
    bool alteration = false;
    for (int kind : kUnitKinds) {
        const FormFields::TypeColumns type = FormFields::typeColumns(kind);
        repair = repair || isYes(r.field(type.repair));
        alteration = alteration || isYes(r.field(type.alteration));
    }
    if (repair)
        s.Option1[FormSnapshot::Repair]->setChecked(true);
    if (alteration)
        s.Option1[FormSnapshot::Alteration]->setChecked(true);
}

void RecordDisplay::showUnit(const Recordset &r)
{
    // Each kind whose flags are set is selected in turn, which applies its layout
    // before its columns are written; the last kind set decides what stays on screen.
    for (int kind : kUnitKinds) {
        const FormFields::TypeColumns type = FormFields::typeColumns(kind);
        if (!isYes(r.field(type.repair)) && !isYes(r.field(type.alteration)))
            continue;
        s.List1->setCurrentRow(kind);
        for (const FormFields::Field &field : FormFields::all()) {
            if (field.group == FormFields::Group::Unit && field.unitColumns[kind])
                setControlText(s.box(field), r.field(*field.unitColumns[kind]).toString());
        }
    }
}

void RecordDisplay::showApproval(const Recordset &r)
{
    const QVariant approved = r.field(FormColumn::Approved);
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

    const QVariant by = r.field(FormColumn::ApprovedBy);
    if (!by.isNull())
        FormScreen::selectOption(s.Option6, by.toInt());
}

void RecordDisplay::showSignersAndDescription(const Recordset &r)
{
    showGroup(s, r, FormFields::Group::Signatures);
}
