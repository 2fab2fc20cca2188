#include "form/FormSnapshot.h"

#include "form/FormFields.h"
#include "form/FormScreen.h"
#include "ui/ControlText.h"

#include <QCheckBox>
#include <QListWidget>

namespace {

// The check box value as the stored field knows it: 0 clear, 1 ticked, 2 greyed.
int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

}  // namespace

FormSnapshot FormSnapshot::read(const FormScreen &screen)
{
    FormSnapshot form;
    for (const FormFields::Field &field : FormFields::all())
        form.*field.value = controlText(screen.box(field));
    form.typeOfWork = FormScreen::selectedIndex(screen.Option1);
    form.unitKind = screen.List1->currentRow();
    form.agencyKind = FormScreen::selectedIndex(screen.Option2);
    form.extendedRangeFuel = checkValue(screen.Check2);
    form.verdict = FormScreen::selectedIndex(screen.Option5);
    form.approvedBy = FormScreen::selectedIndex(screen.Option6);
    return form;
}
