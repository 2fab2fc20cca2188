#include "form/FormSaver.h"

#include "data/Criterion.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "form/FormFields.h"
#include "form/FormHandlers.h"
#include "form/FormParts.h"
#include "form/FormRecordWriter.h"
#include "form/FormScreen.h"
#include "form/FormSnapshot.h"
#include "form/SaveCheck.h"
#include "ui/ButtonBar.h"
#include "ui/ControlText.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"

#include "ui/ListFill.h"

#include <QComboBox>
#include <QPushButton>

#include <optional>

FormSaver::FormSaver(const FormParts &parts, FormHandlers &controller)
    : w(parts)
    , m_controller(controller)
{ }

bool FormSaver::save()
{
    const FormSnapshot entries = FormSnapshot::read(*w.Panel3D1);
    if (!ensureAircraftPair(entries) || !passesChecks(entries) || !storeForm(entries))
        return false;
    w.NewFormFlag = 0;
    w.buttonBar.apply(ButtonBar::Event::Saved);
    w.messages.status(QObject::tr("Form %1 saved").arg(entries.registrationMark));
    // A mark stored for the first time can be picked for the aircraft's next form at once.
    ListFill::insertSorted(w.Panel3D1->Combo1[0], entries.registrationMark);
    return true;
}

bool FormSaver::ensureAircraftPair(const FormSnapshot &e)
{
    const QString &make = e.make;
    const QString &model = e.model;
    // An empty make or model is no pair; the checks refuse such a form.
    if (make.isEmpty() || model.isEmpty())
        return true;
    Recordset &pairs = w.Data2;
    try {
        pairs.setTable(QStringLiteral("aircraft"),
                       Criterion::allOf({Criterion::equals(QStringLiteral("Make"), make),
                                         Criterion::equals(QStringLiteral("Model"), model)}));
        pairs.refresh();
        if (!pairs.isEmpty())
            return true;
        pairs.addNew();
        pairs.setField(QStringLiteral("Make"), make);
        pairs.setField(QStringLiteral("Model"), model);
        pairs.update();
    } catch (const DbError &error) {
        if (pairs.editMode() != Recordset::EditMode::None)
            pairs.cancelUpdate();
        reportFailure(
            error, QStringLiteral("the make and model could not be added to the list of aircraft"));
        return false;
    }
    addListItem(w.Panel3D1->Combo1[1], make);
    addListItem(w.Panel3D1->Combo1[2], model);
    return true;
}

bool FormSaver::passesChecks(const FormSnapshot &entries)
{
    for (const SaveCheck *check = SaveCheck::firstFailed(entries); check;
         check = SaveCheck::firstFailed(entries, check->number)) {
        const Msg::Answer answer = w.messages.ask(check->message);
        if (!check->confirmable || answer != Msg::Answer::Yes)
            return false;
    }
    return true;
}

bool FormSaver::storeForm(const FormSnapshot &entries)
{
    bool asNew = w.NewFormFlag == 1;
    bool overwrite = false;
    for (;;) {
        std::optional<DbError> failure = writeRecord(entries, asNew, overwrite);
        if (!failure)
            return true;
        // Another workstation changed or deleted the stored form since it was shown: the
        // user decides; the form on screen stays unless they choose to see the stored one.
        if (failure->number() == EngineError::ChangedByAnother) {
            const Msg::Answer answer = w.messages.ask(
                {QStringLiteral(
                     "This form was changed on another workstation since it was shown here.\n\n"
                     "Yes: store the form on screen in its place (the other workstation's changes "
                     "are "
                     "lost).\n"
                     "No: show the stored form as the other workstation left it (what was typed "
                     "here "
                     "is not kept).\n"
                     "Cancel: keep the form on screen, not saved."),
                 QString::fromLatin1(kFormChangedElsewhereTitle), Msg::Buttons::YesNoCancel,
                 Msg::Icon::Exclamation, Msg::Answer::Cancel});
            if (answer == Msg::Answer::Yes) {
                overwrite = true;
                continue;
            }
            if (answer != Msg::Answer::No)
                return false;
            failure = showStoredVersion();
            // Deleted there as well meanwhile: the entries are still on screen, so the
            // user is asked as for any form deleted elsewhere.
            if (!failure)
                return false;
        }
        if (failure->number() == EngineError::RecordDeleted) {
            const Msg::Answer answer = w.messages.ask(
                {QStringLiteral(
                     "This form was deleted on another workstation since it was shown here.\n\n"
                     "Store the form on screen as a new form?"),
                 QString::fromLatin1(kFormDeletedElsewhereTitle), Msg::Buttons::YesNo,
                 Msg::Icon::Exclamation, Msg::Answer::Yes});
            if (answer != Msg::Answer::Yes)
                return false;
            asNew = true;
            continue;
        }
        reportFailure(*failure, QString());
        return false;
    }
}

std::optional<DbError> FormSaver::writeRecord(const FormSnapshot &entries, bool asNew,
                                              bool overwrite)
{
    Recordset &forms = w.Data1;
    WaitCursor hourglass;
    try {
        if (asNew) {
            forms.addNew();
        } else {
            try {
                // Overwriting: the stored record as it is now is the one replaced.
                if (overwrite)
                    forms.reread();
                forms.edit();
            } catch (const DbError &error) {
                // The stored form is no longer there to change (a Delete that found it
                // already gone elsewhere leaves none): it can only be stored anew.
                if (error.number() != EngineError::NoCurrentRecord)
                    throw;
                throw DbError(EngineError::RecordDeleted, QStringLiteral("it is no longer stored"));
            }
        }
        FormRecordWriter::write(forms, entries);
        // Committed before it returns; the written record becomes current. That
        // record is the stored form later Saves of this screen change: a find by
        // mark could put another form of the same aircraft there instead.
        forms.update();
    } catch (const DbError &error) {
        if (forms.editMode() != Recordset::EditMode::None)
            forms.cancelUpdate();
        return error;
    }
    return std::nullopt;
}

std::optional<DbError> FormSaver::showStoredVersion()
{
    try {
        w.Data1.reread();
    } catch (const DbError &error) {
        if (error.number() == EngineError::RecordDeleted)
            return error;
        reportFailure(error, QStringLiteral("the stored form could not be read"));
        return std::nullopt;
    }
    m_controller.ShowRecord();
    return std::nullopt;
}

void FormSaver::reportFailure(const DbError &error, const QString &whatFailed)
{
    if (error.number() == EngineError::ValueTooLarge) {
        w.messages.ask({QStringLiteral("The following field entry is too long: ")
                            + FormFields::labelOf(error.field()),
                        QStringLiteral("Field Entry Too Large"), Msg::Buttons::Ok, Msg::Icon::None,
                        Msg::Answer::Ok});
        return;
    }
    QString text = QStringLiteral("The form was not saved: ");
    if (!whatFailed.isEmpty())
        text += whatFailed + QStringLiteral(" (") + error.message() + QStringLiteral(").");
    else
        text += error.message();
    w.messages.tell(text, QStringLiteral("Form not saved"), Msg::Icon::Critical);
}
