#include "form/FormSaver.h"

#include "app/Form1.h"
#include "data/Criterion.h"
#include "data/DbError.h"
#include "form/FormFields.h"
#include "form/FormSnapshot.h"
#include "form/FormRecordWriter.h"
#include "form/FormScreen.h"
#include "form/SaveCheck.h"
#include "ui/ControlText.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"

#include "ui/ListFill.h"

#include <QComboBox>
#include <QPushButton>

#include <optional>

FormSaver::FormSaver(Form1& window) : w(window)
{
}

void FormSaver::save()
{
    const FormSnapshot entries = FormSnapshot::read(*w.Panel3D1);
    if (!ensureAircraftPair(entries) || !passesChecks(entries) || !storeForm(entries))
        return;
    w.NewFormFlag = 0;
    w.buttonBar().apply(ButtonBar::Event::Saved);
    // A mark stored for the first time can be picked for the aircraft's next form at once.
    ListFill::insertSorted(w.Panel3D1->Combo1[0], entries.registrationMark);
}

bool FormSaver::ensureAircraftPair(const FormSnapshot& e)
{
    const QString& make = e.make;
    const QString& model = e.model;
    // An empty make or model is no pair; the checks refuse such a form.
    if (make.isEmpty() || model.isEmpty())
        return true;
    Recordset& pairs = w.Data2;
    try {
        pairs.setTable(QStringLiteral("aircraft"), Criterion::allOf({Criterion::equals(QStringLiteral("Make"), make),
                                                                     Criterion::equals(QStringLiteral("Model"), model)}));
        pairs.refresh();
        if (!pairs.isEmpty())
            return true;
        pairs.addNew();
        pairs.setField(QStringLiteral("Make"), make);
        pairs.setField(QStringLiteral("Model"), model);
        pairs.update();
    } catch (const DbError& error) {
        if (pairs.editMode() != Recordset::EditMode::None)
            pairs.cancelUpdate();
        reportFailure(error, QStringLiteral("the make and model could not be added to the list of aircraft"));
        return false;
    }
    addListItem(w.Panel3D1->Combo1[1], make);
    addListItem(w.Panel3D1->Combo1[2], model);
    return true;
}

bool FormSaver::passesChecks(const FormSnapshot& entries)
{
    for (const SaveCheck* check = SaveCheck::firstFailed(entries); check;
         check = SaveCheck::firstFailed(entries, check->number)) {
        const Msg::Answer answer = w.messages().ask(check->message);
        if (!check->confirmable || answer != Msg::Answer::Yes)
            return false;
    }
    return true;
}

bool FormSaver::storeForm(const FormSnapshot& entries)
{
    Recordset& forms = w.Data1;
    std::optional<DbError> failure;
    {
        WaitCursor hourglass;
        try {
            if (w.NewFormFlag == 1)
                forms.addNew();
            else
                forms.edit();
            FormRecordWriter::write(forms, entries);
            // Committed before it returns; the written record becomes current. That
            // record is the stored form later Saves of this screen change: a find by
            // mark could put another form of the same aircraft there instead.
            forms.update();
        } catch (const DbError& error) {
            failure = error;
            if (forms.editMode() != Recordset::EditMode::None)
                forms.cancelUpdate();
        }
    }
    if (failure) {
        reportFailure(*failure, QString());
        return false;
    }
    return true;
}

void FormSaver::reportFailure(const DbError& error, const QString& whatFailed)
{
    if (error.number() == EngineError::ValueTooLarge) {
        w.messages().ask({QStringLiteral("The following field entry is too long: ") + FormFields::labelOf(error.field()),
                          QStringLiteral("Field Entry Too Large"), Msg::Buttons::Ok, Msg::Icon::None,
                          Msg::Answer::Ok});
        return;
    }
    QString text = QStringLiteral("The form was not saved: ");
    if (!whatFailed.isEmpty())
        text += whatFailed + QStringLiteral(" (") + error.message() + QStringLiteral(").");
    else
        text += error.message();
    w.messages().tell(text, QStringLiteral("Form not saved"), Msg::Icon::Critical);
}
