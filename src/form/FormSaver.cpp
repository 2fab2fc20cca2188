#include "form/FormSaver.h"

#include "app/Form1.h"
#include "data/Criterion.h"
#include "data/DbError.h"
#include "form/FieldLabels.h"
#include "form/FormEntries.h"
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
    const FormEntries entries = FormEntries::read(*w.Panel3D1);
    if (!ensureAircraftPair(entries) || !passesChecks(entries) || !storeForm(entries))
        return;
    w.NewFormFlag = 0;
    w.Command3D15->setEnabled(true);
    w.Command3D19->setEnabled(false);
    // A mark stored for the first time can be picked for the aircraft's next form at once.
    ListFill::insertSorted(w.Panel3D1->Combo1[0], entries.Combo1[0]);
}

bool FormSaver::ensureAircraftPair(const FormEntries& e)
{
    const QString& make = e.Combo1[1];
    const QString& model = e.Combo1[2];
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

bool FormSaver::passesChecks(const FormEntries& entries)
{
    for (const SaveCheck* check = SaveCheck::firstFailed(entries); check;
         check = SaveCheck::firstFailed(entries, check->number)) {
        const Msg::Answer answer = w.messages().ask(check->message);
        if (!check->confirmable || answer != Msg::Answer::Yes)
            return false;
    }
    return true;
}

bool FormSaver::storeForm(const FormEntries& entries)
{
    bool asNew = w.NewFormFlag == 1;
    bool overwrite = false;
    for (;;) {
        const std::optional<DbError> failure = writeRecord(entries, asNew, overwrite);
        if (!failure)
            return true;
        // Another workstation changed or deleted the stored form since it was shown: the
        // user decides; the form on screen stays unless they choose to see the stored one.
        if (failure->number() == EngineError::ChangedByAnother) {
            const Msg::Answer answer = w.messages().ask(
                {QStringLiteral("This form was changed on another workstation since it was shown here.\n\n"
                                "Yes: store the form on screen in its place (the other workstation's changes are "
                                "lost).\n"
                                "No: show the stored form as the other workstation left it (what was typed here "
                                "is not kept).\n"
                                "Cancel: keep the form on screen, not saved."),
                 QStringLiteral("Form changed on another workstation"), Msg::Buttons::YesNoCancel,
                 Msg::Icon::Exclamation, Msg::Answer::Cancel});
            if (answer == Msg::Answer::Yes) {
                overwrite = true;
                continue;
            }
            if (answer == Msg::Answer::No)
                showStoredVersion();
            return false;
        }
        if (failure->number() == EngineError::RecordDeleted) {
            const Msg::Answer answer = w.messages().ask(
                {QStringLiteral("This form was deleted on another workstation since it was shown here.\n\n"
                                "Store the form on screen as a new form?"),
                 QStringLiteral("Form deleted on another workstation"), Msg::Buttons::YesNo, Msg::Icon::Exclamation,
                 Msg::Answer::Yes});
            if (answer != Msg::Answer::Yes)
                return false;
            asNew = true;
            continue;
        }
        reportFailure(*failure, QString());
        return false;
    }
}

std::optional<DbError> FormSaver::writeRecord(const FormEntries& entries, bool asNew, bool overwrite)
{
    Recordset& forms = w.Data1;
    WaitCursor hourglass;
    try {
        if (asNew) {
            forms.addNew();
        } else {
            // Overwriting: the stored record as it is now is the one replaced.
            if (overwrite)
                forms.reread();
            forms.edit();
        }
        FormRecordWriter::write(forms, entries);
        // Committed before it returns; the written record becomes current. That
        // record is the stored form later Saves of this screen change: a find by
        // mark could put another form of the same aircraft there instead.
        forms.update();
    } catch (const DbError& error) {
        if (forms.editMode() != Recordset::EditMode::None)
            forms.cancelUpdate();
        return error;
    }
    return std::nullopt;
}

void FormSaver::showStoredVersion()
{
    try {
        w.Data1.reread();
    } catch (const DbError& error) {
        reportFailure(error, QStringLiteral("the stored form could not be read"));
        return;
    }
    w.ShowRecord();
}

void FormSaver::reportFailure(const DbError& error, const QString& whatFailed)
{
    if (error.number() == EngineError::ValueTooLarge) {
        w.messages().ask({QStringLiteral("The following field entry is too long: ") + FieldLabels::of(error.field()),
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
