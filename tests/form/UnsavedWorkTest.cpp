#include "FormTestSupport.h"
#include "common/TestRegistry.h"

#include "access/AccessHandlers.h"
#include "access/SignInPanel.h"
#include "form/FormHandlers.h"
#include "form/FormSnapshot.h"
#include "history/EarlierFormsPanel.h"
#include "search/FindPanel.h"
#include "setup/SetupPanel.h"

#include <QPushButton>
#include <QTest>

using namespace FormTest;

namespace {

// The steps that replace the form on screen or end the program.
enum class Step { New, Next, Previous, Find, PickMark, EarlierForm, SetUp, Exit, CloseWindow };

// What the form on screen holds when the step is taken, and the answer to the question.
enum class Work { Unchanged, SignedIn, TypedAndUndone, Cancelled, Discarded, Saved, SaveRefused };

const QString kQuestion = QStringLiteral("Save the changes to the form for N2?");

// Three stored forms N1, N2, N3; the screen shows N2 as a search would, with the buttons on.
Form1 &openOnN2(TestWindow &t)
{
    t.install();
    for (const char *mark : {"N1", "N2", "N3"})
        insertForm(t, {{"RegNum", mark}, {"OwnerName", QStringLiteral("Owner of %1").arg(mark)}});
    t.exec(QStringLiteral("FAAForm337A.mdb"),
           QStringLiteral("INSERT INTO Agents (Name, Password) VALUES ('Zoe', 'Pw1')"));
    Form1 &w = t.open();
    w.NewFormFlag = 0;
    w.Data1.moveFirst();
    w.Data1.moveNext();
    w.ShowRecord();
    for (QPushButton *b : {w.Command3D19, w.Command3D17, w.Command3D16})
        b->setEnabled(true);
    return w;
}

void take(Form1 &w, Step step)
{
    switch (step) {
    case Step::New:
        return w.Command3D19->click();
    case Step::Next:
        return w.Command3D16->click();
    case Step::Previous:
        return w.Command3D17->click();
    case Step::Find:
        return w.Command3D27->click();
    case Step::PickMark: {
        QComboBox *mark = w.Panel3D1->Combo1[0];
        const int index = mark->findText(QStringLiteral("N1"));
        mark->setCurrentIndex(index);
        emit mark->activated(index);  // as a pick from the list does
        return;
    }
    case Step::EarlierForm: {
        const QVariant n1 = w.Data1.database()->value(
            QStringLiteral("SELECT RecordId FROM Form WHERE RegNum = ?"), {QStringLiteral("N1")});
        emit w.findChild<EarlierFormsPanel *>()->formChosen(n1.toLongLong());
        return;
    }
    case Step::SetUp:
        return w.Command3D18->click();
    case Step::Exit:
        return w.Command3D12->click();
    case Step::CloseWindow:
        w.close();
        return;
    }
}

// Whether the step did its work.
bool stepDone(TestWindow &t, Form1 &w, Step step)
{
    const QString mark = controlText(w.Panel3D1->Combo1[0]);
    switch (step) {
    case Step::New:
        return mark.isEmpty();
    case Step::Next:
        return mark == QStringLiteral("N3");
    case Step::Previous:
    case Step::EarlierForm:
        return mark == QStringLiteral("N1");
    case Step::Find:
        return !w.Panel3D3->isHidden();
    case Step::PickMark:
        return controlText(w.Panel3D1->Text2[0]) == QStringLiteral("Owner of N1");
    case Step::SetUp:
        return !w.Panel3D7->isHidden();
    case Step::Exit:
    case Step::CloseWindow:
        return t.endCalls == 1;
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Work)

class UnsavedWorkTest : public QObject
{
    Q_OBJECT

private slots:
    void askedBeforeTheFormLeavesTheScreen_data();
    void askedBeforeTheFormLeavesTheScreen();
};

void UnsavedWorkTest::askedBeforeTheFormLeavesTheScreen_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<Work>("work");
    const std::pair<Step, const char *> steps[] = {{Step::New, "New"},
                                                   {Step::Next, "next"},
                                                   {Step::Previous, "previous"},
                                                   {Step::Find, "Find"},
                                                   {Step::PickMark, "pick mark"},
                                                   {Step::EarlierForm, "earlier form"},
                                                   {Step::SetUp, "Set-up"},
                                                   {Step::Exit, "Exit"},
                                                   {Step::CloseWindow, "close button"}};
    const std::pair<Work, const char *> works[] = {{Work::Unchanged, "nothing typed"},
                                                   {Work::SignedIn, "signed in, nothing typed"},
                                                   {Work::TypedAndUndone, "typed and undone"},
                                                   {Work::Cancelled, "Cancel"},
                                                   {Work::Discarded, "Discard"},
                                                   {Work::Saved, "Save"},
                                                   {Work::SaveRefused, "Save refused by a check"}};
    for (const auto &[step, stepName] : steps)
        for (const auto &[work, workName] : works)
            QTest::addRow("%s, %s", stepName, workName) << step << work;
}

void UnsavedWorkTest::askedBeforeTheFormLeavesTheScreen()
{
    QFETCH(Step, step);
    QFETCH(Work, work);
    TestWindow t;
    Form1 &w = openOnN2(t);
    FormScreen &s = *w.Panel3D1;
    QLineEdit *address = qobject_cast<QLineEdit *>(s.Text2[1]);
    switch (work) {
    case Work::Unchanged:
        break;
    case Work::SignedIn:
        // Sign-in fills in item 6 for the inspector: the program's entries, not typed work.
        w.SSPanel1->Combo4->setCurrentIndex(0);
        w.SSPanel1->Text44->setText(QStringLiteral("Pw1"));
        w.accessHandlers().AgentSecurity();
        QVERIFY(w.SSPanel1->isHidden());
        QVERIFY(!controlText(s.Text16).isEmpty());
        break;
    case Work::TypedAndUndone: {
        const QString shown = address->text();
        QTest::keyClicks(address, QStringLiteral("x"));
        QTest::keyClick(address, Qt::Key_Backspace);
        QCOMPARE(address->text(), shown);
        break;
    }
    case Work::Saved:
        fillSavableForm(s);
        // The mark typed back, as the user would.
        s.Combo1[0]->lineEdit()->selectAll();
        QTest::keyClicks(s.Combo1[0]->lineEdit(), QStringLiteral("N2"));
        t.messages.script = {Msg::Answer::Save};
        break;
    case Work::Cancelled:
    case Work::Discarded:
    case Work::SaveRefused:
        setControlText(address, QStringLiteral("9 Changed Rd"));
        t.messages.script = {work == Work::Cancelled   ? Msg::Answer::Cancel
                             : work == Work::Discarded ? Msg::Answer::Discard
                                                       : Msg::Answer::Save};
        break;
    }
    const FormSnapshot before = FormSnapshot::read(s);
    t.messages.asked.clear();

    take(w, step);

    const bool changed
        = work != Work::Unchanged && work != Work::SignedIn && work != Work::TypedAndUndone;
    QCOMPARE(t.messages.texts().contains(kQuestion), changed);
    if (changed) {
        const Msg::Request &question = t.messages.asked.first();
        QCOMPARE(question.text, kQuestion);
        QCOMPARE(question.buttons, Msg::Buttons::SaveDiscardCancel);
        QCOMPARE(question.defaultButton, Msg::Answer::Save);
    }
    // With unsaved changes, the answer to the question is also the answer to Exit.
    const bool exitQuestion = (step == Step::Exit || step == Step::CloseWindow) && !changed;
    QCOMPARE(t.messages.texts().contains(
                 QStringLiteral("Are you sure you want to exit? Have you saved your form?")),
             exitQuestion);

    const bool goesOn = work != Work::Cancelled && work != Work::SaveRefused;
    QCOMPARE(stepDone(t, w, step), goesOn);
    if (!goesOn)
        QVERIFY(FormSnapshot::read(s) == before);  // the form stays as typed
    const QVariant storedAddress
        = t.value(QStringLiteral("Form337.mdb"),
                  QStringLiteral("SELECT OwnerAdd1 FROM Form WHERE RegNum = 'N2'"));
    QCOMPARE(storedAddress.toString(),
             work == Work::Saved ? QStringLiteral("1 Main St") : QString());
}

REGISTER_TEST(UnsavedWorkTest)
#include "UnsavedWorkTest.moc"
