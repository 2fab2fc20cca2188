#include "form/FormNavigator.h"

#include "app/Form1.h"
#include "data/DbError.h"
#include "ui/MessageService.h"

namespace {

const QString kNothingThisWay = QStringLiteral("Press OK to continue");
const QString kRanOffTheEnd = QStringLiteral("Press OK to continue. To Enter New form press NEW");

}  // namespace

FormNavigator::FormNavigator(Form1& window) : w(window)
{
}

void FormNavigator::tellNoRecords(const QString& text)
{
    w.messages().tell(text, QStringLiteral("No records this direction."), Msg::Icon::Information);
}

void FormNavigator::next()
{
    try {
        if (!w.Data1.isOpen())
            return;
        if (w.Data1.eof()) {
            tellNoRecords(kNothingThisWay);
            return;
        }
        w.Data1.moveNext();
        if (w.Data1.eof()) {
            tellNoRecords(kRanOffTheEnd);
            w.Data1.movePrevious();  // back on the last record, still on screen
            return;
        }
        w.ShowRecord();
    } catch (const DbError&) {
        // A data error ends the step quietly; the screen stays as it was.
    }
}

void FormNavigator::previous()
{
    try {
        if (!w.Data1.isOpen())
            return;
        if (w.Data1.bof()) {
            tellNoRecords(kNothingThisWay);
            return;
        }
        w.Data1.movePrevious();
        if (w.Data1.bof()) {
            tellNoRecords(kRanOffTheEnd);
            w.Data1.moveNext();  // back on the first record, still on screen
            return;
        }
        w.ShowRecord();
    } catch (const DbError&) {
    }
}

bool FormNavigator::hasFormOnScreen() const
{
    if (!w.Data1.isOpen() || !w.Data1.hasCurrent())
        return false;
    try {
        w.Data1.field(QStringLiteral("RegNum"));  // fails on a record already deleted
        return true;
    } catch (const DbError&) {
        return false;
    }
}

void FormNavigator::deleteShown()
{
    if (w.NewFormFlag == 1)
        return;  // the screen holds a form that is not stored
    const QString title = QStringLiteral("Delete form on screen");
    if (!hasFormOnScreen()) {
        w.messages().tell(QStringLiteral("There is no stored form on screen to delete."), title,
                          Msg::Icon::Information);
        return;
    }
    const Msg::Answer answer = w.messages().ask({QStringLiteral("Are you sure you want to delete this entire form?"),
                                                 title, Msg::Buttons::YesNo, Msg::Icon::Critical, Msg::Answer::No});
    if (answer != Msg::Answer::Yes)
        return;
    try {
        w.Data1.deleteCurrent();
    } catch (const DbError& error) {
        w.messages().tell(QStringLiteral("The form was not deleted: %1").arg(error.message()), title,
                          Msg::Icon::Critical);
        return;
    }
    w.SetDataPaths();
    w.Combo1_Click(-1);
}
