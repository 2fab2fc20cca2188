#include "form/NewForm.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "form/FormParts.h"
#include "form/FormScreen.h"
#include "form/FormTexts.h"
#include "ui/ButtonBar.h"
#include "ui/ControlText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

void emptyCombo(QComboBox *combo)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

// The agency kind New chooses when the set-up agency names none.
constexpr int CertificatedRepairStation = 2;

}  // namespace

NewForm::NewForm(const FormParts &parts)
    : w(parts)
{ }

void NewForm::start(bool agencyFromSetup)
{
    w.buttonBar.apply(ButtonBar::Event::NewForm);
    w.NewFormFlag = 1;
    emptyBoxes();
    w.Panel3D1->Combo1[0]->setFocus();
    if (agencyFromSetup || controlText(w.Panel3D1->Text7[0]) == FormTexts::Name)
        fillAgencyFromSetup();
}

void NewForm::emptyBoxes()
{
    FormScreen &s = *w.Panel3D1;
    for (QComboBox *combo : s.Combo1)
        emptyCombo(combo);
    for (QLineEdit *box : s.Text1)
        box->clear();
    for (QWidget *box : s.Text2)
        setControlText(box, QString());
    FormScreen::clearOptions(s.Option1);
    s.List1->setCurrentRow(-1);
    s.List1->clearSelection();
    for (QLineEdit *box : s.Text4)
        box->clear();
    s.Text5->clear();
    s.Text6->clear();
    s.Check2->setCheckState(Qt::Unchecked);
    FormScreen::clearOptions(s.Option5);
    FormScreen::clearOptions(s.Option6);
    emptyCombo(s.Combo5);
    s.Text13->clear();
    s.Text3->clear();
    s.Text17->clear();
    emptyCombo(s.Combo3);
    s.Text16->clear();
    s.txtFaaSentDate->clear();
    s.txtFaaTracking->clear();
}

void NewForm::fillAgencyFromSetup()
{
    // New never fails: a field that cannot be read counts as Null.
    auto field = [this](const char *name) {
        return readOr([&] { return w.Data10.field(QString::fromLatin1(name)); }, QVariant());
    };
    auto textOr = [&](const char *name, const QString &placeholder) {
        const QVariant v = field(name);
        return v.isNull() ? placeholder : v.toString();
    };
    auto joined = [&](const char *first, const char *second, const QString &separator,
                      const QString &placeholder) {
        const QVariant a = field(first), b = field(second);
        return a.isNull() || b.isNull() ? placeholder : a.toString() + separator + b.toString();
    };

    FormScreen &s = *w.Panel3D1;
    s.Text7[0]->setText(textOr("AgencyName", FormTexts::Name));
    s.Text7[1]->setText(textOr("AgencyAdd1", FormTexts::Address));
    s.Text7[2]->setText(
        joined("AgencyAdd2", "AgencyAdd3", QStringLiteral(", "), FormTexts::CityState));
    s.Text7[3]->setText(joined("Rating1", "Rating2", QStringLiteral(" "), FormTexts::ZipCountry));
    s.Text7[4]->setText(textOr("AgencyCert", QString()));
    const QVariant kind = field("AgencyKind");
    FormScreen::selectOption(s.Option2, kind.isNull() ? CertificatedRepairStation : kind.toInt());
}
