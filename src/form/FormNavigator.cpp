#include "form/FormNavigator.h"

#include "data/DbError.h"
#include "data/FormColumns.h"
#include "data/Recordset.h"
#include "form/FormHandlers.h"
#include "form/FormParts.h"
#include "form/MatchStatus.h"
#include "ui/MessageService.h"

namespace {

const QString kNothingThisWay = QStringLiteral("Press OK to continue");
const QString kRanOffTheEnd = QStringLiteral("Press OK to continue. To Enter New form press NEW");

}  // namespace

FormNavigator::FormNavigator(const FormParts &parts, FormHandlers &controller)
    : w(parts)
    , m_controller(controller)
{ }

void FormNavigator::tellNoRecords(const QString &text)
{
    w.messages.tell(text, QStringLiteral("No records this direction."), Msg::Icon::Information);
}

void FormNavigator::next()
{
    step(Direction::Forward);
}

void FormNavigator::previous()
{
    step(Direction::Backward);
}

// One step through the record set. Running off either end tells the user and puts
// the set back on the last (or first) record, which is still on screen.
void FormNavigator::step(Direction direction)
{
    Recordset &forms = w.Data1;
    const bool forward = direction == Direction::Forward;
    auto atEnd = [&] {
        return forward ? forms.eof() : forms.bof();
    };
    // A data error ends the step quietly; the screen stays as it was.
    skipFailingStep([&] {
        if (!forms.isOpen())
            return;
        if (atEnd()) {
            tellNoRecords(kNothingThisWay);
            return;
        }
        forward ? forms.moveNext() : forms.movePrevious();
        if (atEnd()) {
            tellNoRecords(kRanOffTheEnd);
            forward ? forms.movePrevious() : forms.moveNext();
            return;
        }
        m_controller.ShowRecord();
        MatchStatus::tellPlace(forms, w.messages);
    });
}

bool FormNavigator::hasFormOnScreen() const
{
    if (!w.Data1.isOpen() || !w.Data1.hasCurrent())
        return false;
    // Reading a field fails on a record already deleted.
    return skipFailingStep([&] { w.Data1.field(FormColumn::RegNum); });
}

void FormNavigator::deleteShown()
{
    if (w.NewFormFlag == 1)
        return;  // the screen holds a form that is not stored
    const QString title = QStringLiteral("Delete form on screen");
    if (!hasFormOnScreen()) {
        w.messages.tell(QStringLiteral("There is no stored form on screen to delete."), title,
                        Msg::Icon::Information);
        return;
    }
    const Msg::Answer answer
        = w.messages.ask({QStringLiteral("Are you sure you want to delete this entire form?"),
                          title, Msg::Buttons::YesNo, Msg::Icon::Critical, Msg::Answer::No});
    if (answer != Msg::Answer::Yes)
        return;
    try {
        w.Data1.deleteCurrent();
    } catch (const DbError &error) {
        w.messages.tell(QStringLiteral("The form was not deleted: %1").arg(error.message()), title,
                        Msg::Icon::Critical);
        return;
    }
    emit m_controller.formDeleted();
    m_controller.Combo1_Click(-1);
    w.messages.status(QObject::tr("Form deleted"));
}
