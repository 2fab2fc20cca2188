#include "form/RegistrationPickup.h"

#include "data/Criterion.h"
#include "data/DbError.h"
#include "data/FormColumns.h"
#include "data/Recordset.h"
#include "form/FormScreen.h"
#include "form/FormSnapshot.h"
#include "form/FormTexts.h"
#include "form/RecordDisplay.h"
#include "ui/ControlText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

void emptyCombo(QComboBox *combo)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

}  // namespace

RegistrationPickup::RegistrationPickup(FormScreen &screen, Recordset &forms)
    : s(screen)
    , m_forms(forms)
{ }

void RegistrationPickup::pickUp(int index)
{
    // Without readable stored forms there is nothing to copy; the boxes stay as typed.
    skipFailingStep([&] {
        // The last match in the record set's order is the aircraft's latest form.
        m_forms.findLast(Criterion::equals(FormColumn::RegNum, controlText(s.Combo1[0])));
        if (!m_forms.noMatch())
            RecordDisplay(s).showAircraftOwnerAndAgency(m_forms);
        else
            clearAircraftAndOwner(index == -1);
    });
    resetWorkItems();
}

void RegistrationPickup::clearAircraftAndOwner(bool clearMark)
{
    if (clearMark)
        emptyCombo(s.Combo1[0]);
    emptyCombo(s.Combo1[1]);
    emptyCombo(s.Combo1[2]);
    s.Text1[0]->clear();
    s.Text1[1]->clear();
    setControlText(s.Text2[0], QString());
    setControlText(s.Text2[1], FormTexts::Address);
    setControlText(s.Text2[2], FormTexts::CityState);
    setControlText(s.Text2[3], FormTexts::ZipCountry);
}

void RegistrationPickup::resetWorkItems()
{
    FormScreen::clearOptions(s.Option1);
    s.Text4[1]->clear();
    s.Text4[0]->setText(FormTexts::DashLine);
    s.Text6->setText(FormTexts::DashLine);
    s.Text5->setText(FormTexts::AsDescribed);
    s.Option5[1]->setChecked(true);
    FormScreen::clearOptions(s.Option6);
    // Applies the airframe layout when another kind (or none) was selected.
    s.List1->setCurrentRow(FormSnapshot::Airframe);
}
