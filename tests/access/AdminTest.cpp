#include "AccessTestSupport.h"
#include "access/AdminHandlers.h"
#include "common/TestRegistry.h"
#include "data/Criterion.h"
#include "data/Recordset.h"
#include "form/FormScreen.h"
#include "setup/SetupPanel.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace AccessTest;

namespace {

// Signs in (or, with submit false, only chooses and types), opens the set-up panel and presses "Agents".
void openAgents(Form1 &w, int position, const QString &password, bool submit = true)
{
    w.show();  // the panels are placed once the window has its size
    if (submit) {
        signIn(w, position, password);
    } else {
        w.SSPanel1->Combo4->setCurrentIndex(position);
        w.SSPanel1->Text44->setText(password);
    }
    w.Command3D18->click();
    QVERIFY(!w.Panel3D7->isHidden());
    w.Panel3D7->SSCommand9->click();
}

QVariant agentField(TestWindow &t, const QString &name, const QString &field)
{
    return t.value(QStringLiteral("FAAForm337A.mdb"),
                   QStringLiteral("SELECT %1 FROM Agents WHERE Name = ?").arg(field), {name});
}

// Enters a new inspector with New and Save.
void addInspector(Form1 &w, const QString &name, const QString &number, const QString &password)
{
    AdminPanel *p = w.SSPanel3;
    p->SSCommand12->click();
    QTest::keyClicks(p->Text47[17], name);
    QTest::keyClicks(p->Text47[15], number);
    QTest::keyClicks(p->Text47[10], password);
    p->SSCommand10->click();
}

}  // namespace

class AdminTest : public QObject
{
    Q_OBJECT

private slots:
    void openingTheViewOfEachSignIn_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("administering");
        QTest::addColumn<QString>("shown");   // name in the name box
        QTest::addColumn<bool>("submitted");  // false: chosen and typed, never checked
        QTest::newRow("administrator") << 0 << "Pw1" << true << true << "Zoe" << true;
        QTest::newRow("inspector") << 1 << "adam-pw" << true << false << "Adam" << true;
        QTest::newRow("master in lower case") << -1 << "kxqd2718" << true << true << "" << true;
        QTest::newRow("master in upper case") << -1 << "KXQD2718" << false << false << "" << true;
        QTest::newRow("name chosen, not signed in") << 0 << "" << false << false << "" << false;
        QTest::newRow("name and password typed, not submitted")
            << 1 << "adam-pw" << false << false << "" << false;
        QTest::newRow("master typed, not submitted")
            << -1 << "kxqd2718" << false << false << "" << false;
    }

    void openingTheViewOfEachSignIn()
    {
        QFETCH(int, position);
        QFETCH(QString, password);
        QFETCH(bool, opens);
        QFETCH(bool, administering);
        QFETCH(QString, shown);
        QFETCH(bool, submitted);
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, position, password, submitted);
        AdminPanel *p = w.SSPanel3;
        QCOMPARE(p->isHidden(), !opens);
        QVERIFY(t.messages.asked.isEmpty());
        if (!opens) {
            QVERIFY(w.Command3D18->isEnabled());
            // Nothing of the chosen inspector reaches the hidden panel either.
            QCOMPARE(p->Text47[9]->text(), QString());
            QCOMPARE(p->Text47[10]->text(), QString());
            return;
        }
        // Over the set-up panel with a 120-twip margin, in front of it.
        const int margin = twipsToPixels(120, &w);
        QCOMPARE(p->geometry(), w.Panel3D7->geometry().adjusted(margin, margin, -margin, -margin));
        const QObjectList siblings = p->parentWidget()->children();
        QVERIFY(siblings.indexOf(p) > siblings.indexOf(w.Panel3D7));
        QVERIFY(!w.Command3D18->isEnabled());
        QCOMPARE(w.NewAgentFlag, 0);
        QCOMPARE(p->Text47[17]->text(), shown);
        QVERIFY(!p->Combo6->isHidden());
        QVERIFY(p->Text47[17]->isHidden());
        QCOMPARE(p->Combo6->isEnabled(), administering);
        QCOMPARE(p->Option3->isEnabled(), administering);
        QCOMPARE(p->Option3->isChecked(), administering);
        QCOMPARE(p->Option4->isChecked(), !administering);
        QCOMPARE(p->SSCommand12->isEnabled(), administering);
        if (!administering) {
            // An inspector sees their own record and cannot add or remove anyone.
            QVERIFY(!p->SSCommand11->isEnabled());
            QCOMPARE(p->Text47[15]->text(), QStringLiteral("A-2"));
            QCOMPARE(p->Text47[9]->text(), QStringLiteral("adam-pw"));
            QCOMPARE(p->Text47[10]->text(), QStringLiteral("adam-pw"));
        }

        p->SSCommand13->click();
        QVERIFY(p->isHidden());
        QVERIFY(w.Command3D18->isEnabled());
    }

    void administratorPasswordUnlocksYes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("exact") << "kxqd2718" << true;
        QTest::newRow("upper case") << "KXQD2718" << false;
        QTest::newRow("one more character") << "kxqd27189" << false;
        QTest::newRow("one less") << "kxqd271" << false;
    }

    void administratorPasswordUnlocksYes()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, 1, QStringLiteral("adam-pw"));
        AdminPanel *p = w.SSPanel3;
        QCOMPARE(p->Text47[12]->echoMode(), QLineEdit::Password);
        QTest::keyClicks(p->Text47[12], typed);
        QCOMPARE(p->Option3->isEnabled(), enabled);
        if (!enabled)
            return;
        // "Yes" then gives the administrator's controls.
        p->Option3->click();
        QVERIFY(p->Combo6->isEnabled());
        QVERIFY(p->SSCommand12->isEnabled());
        QVERIFY(p->SSCommand11->isEnabled());
        // One character more locks "Yes" again.
        QTest::keyClicks(p->Text47[12], QStringLiteral("9"));
        QVERIFY(!p->Option3->isEnabled());
    }

    void pickingAnInspectorShowsTheRecord()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew() + QList<Agent>{{"O\"Brien's", "p\"w'1", "Q-\"1", true}});
        Form1 &w = t.open();
        openAgents(w, 0, QStringLiteral("Pw1"));
        AdminPanel *p = w.SSPanel3;
        p->Combo6->setCurrentIndex(3);
        QCOMPARE(p->Text47[17]->text(), QStringLiteral("O\"Brien's"));
        QCOMPARE(p->Text47[15]->text(), QStringLiteral("Q-\"1"));
        QCOMPARE(p->Text47[10]->text(), QStringLiteral("p\"w'1"));
        QCOMPARE(p->Text47[9]->text(), QStringLiteral("p\"w'1"));
        QVERIFY(p->Option3->isChecked());
        p->Combo6->setCurrentIndex(2);  // Null password shows empty
        QCOMPARE(p->Text47[17]->text(), QStringLiteral("Nopass"));
        QCOMPARE(p->Text47[10]->text(), QString());
        QVERIFY(p->Option4->isChecked());
        QVERIFY(p->SSCommand11->isEnabled());
    }

    void namesDifferingOnlyInCaseAreDifferentInspectors_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("ASCII") << "Adam Lee"
                               << "ADAM LEE";
        QTest::newRow("accented") << "Ünal Öz"
                                  << "ÜNAL ÖZ";
    }

    void namesDifferingOnlyInCaseAreDifferentInspectors()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        TestWindow t;
        t.install();
        addAgents(t, crew()
                         + QList<Agent>{{first, "first-pw", "F-1", false},
                                        {second, "second-pw", "S-2", false}});
        Form1 &w = t.open();
        openAgents(w, 0, QStringLiteral("Pw1"));
        AdminPanel *p = w.SSPanel3;
        p->Combo6->setCurrentIndex(4);
        QCOMPARE(p->Text47[17]->text(), second);
        QCOMPARE(p->Text47[15]->text(), QStringLiteral("S-2"));
        QCOMPARE(p->Text47[9]->text(), QStringLiteral("second-pw"));

        p->Text47[15]->setText(QStringLiteral("S-9"));
        p->SSCommand10->click();
        auto number = [&t](const QString &password) {
            return t.value(QStringLiteral("FAAForm337A.mdb"),
                           QStringLiteral("SELECT ApprovalNumber FROM Agents WHERE Password = ?"),
                           {password});
        };
        QCOMPARE(number(QStringLiteral("second-pw")).toString(), QStringLiteral("S-9"));
        QCOMPARE(number(QStringLiteral("first-pw")).toString(), QStringLiteral("F-1"));

        p->Combo6->setCurrentIndex(4);
        p->SSCommand11->click();
        QVERIFY(number(QStringLiteral("second-pw")).isNull());
        QCOMPARE(number(QStringLiteral("first-pw")).toString(), QStringLiteral("F-1"));
        QCOMPARE(items(p->Combo6), (QStringList{"Zoe", "Adam", "Nopass", first}));
    }

    void saveChangesTheRecordOnScreen_data()
    {
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("otherWorkstation");  // what another workstation did meanwhile
        QTest::newRow("empty new password keeps the old") << ""
                                                          << "adam-pw"
                                                          << "";
        QTest::newRow("new password") << "n\"ew'pw"
                                      << "n\"ew'pw"
                                      << "";
        QTest::newRow("changed on another workstation meanwhile") << "n3w"
                                                                  << "n3w"
                                                                  << "changes";
        QTest::newRow("deleted on another workstation meanwhile") << "n3w"
                                                                  << "n3w"
                                                                  << "deletes";
    }

    void saveChangesTheRecordOnScreen()
    {
        QFETCH(QString, newPassword);
        QFETCH(QString, stored);
        QFETCH(QString, otherWorkstation);
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, 0, QStringLiteral("Pw1"));
        AdminPanel *p = w.SSPanel3;
        p->Combo6->setCurrentIndex(1);
        p->Text47[15]->setText(QStringLiteral("B-7"));
        p->Text47[10]->setText(newPassword);
        p->Option3->setChecked(true);
        if (!otherWorkstation.isEmpty()) {
            Recordset other;
            other.setDatabaseName(t.folder + QStringLiteral("/FAAForm337A.mdb"));
            other.setTable(QStringLiteral("Agents"),
                           Criterion::equals(QStringLiteral("Name"), QStringLiteral("Adam")));
            other.refresh();
            if (otherWorkstation == QLatin1String("changes")) {
                other.edit();
                other.setField(QStringLiteral("Password"), QStringLiteral("theirs"));
                other.update();
            } else {
                other.deleteCurrent();
            }
            // Refused and said so; what is on screen stays, and the other's work too.
            p->SSCommand10->click();
            QCOMPARE(t.messages.asked.size(), 1);
            QVERIFY2(t.messages.lastText().contains(QStringLiteral("on another workstation")),
                     qPrintable(t.messages.lastText()));
            QCOMPARE(p->Text47[15]->text(), QStringLiteral("B-7"));
            QCOMPARE(p->Text47[10]->text(), newPassword);
            if (otherWorkstation == QLatin1String("changes"))
                QCOMPARE(agentField(t, "Adam", "Password").toString(), QStringLiteral("theirs"));
            else
                QCOMPARE(agentCount(t), 2);
            t.messages.clear();
        }
        // Saved (again), what is on screen is stored.
        p->SSCommand10->click();
        QCOMPARE(agentField(t, "Adam", "Password").toString(), stored);
        QCOMPARE(agentField(t, "Adam", "ApprovalNumber").toString(), QStringLiteral("B-7"));
        QCOMPARE(agentField(t, "Adam", "Administrator").toInt(), -1);
        QCOMPARE(p->Text47[9]->text(), stored);
        QCOMPARE(agentCount(t), 3);
        QVERIFY(t.messages.asked.isEmpty());
        // The lists lead to the stored record, also when it was stored anew.
        const QVariant record = agentField(t, "Adam", "RecordId");
        QCOMPARE(p->Combo6->itemData(1), record);
        QCOMPARE(w.SSPanel1->Combo4->itemData(w.SSPanel1->Combo4->findText("Adam")), record);
    }

    void newAndSaveAddsAnInspectorEverywhereAtOnce()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, -1, QStringLiteral("kxqd2718"));
        AdminPanel *p = w.SSPanel3;

        p->SSCommand12->click();
        QCOMPARE(w.NewAgentFlag, 1);
        QVERIFY(p->Combo6->isHidden());
        QVERIFY(!p->Text47[17]->isHidden());
        QVERIFY(!p->SSCommand11->isEnabled());
        QVERIFY(!p->SSCommand12->isEnabled());
        QVERIFY(p->Option4->isChecked());
        // Typing limits: 20 for the name and number, 10 for the password.
        QTest::keyClicks(p->Text47[17], QStringLiteral("N\"ina O'Hara-Smithsonian"));
        QCOMPARE(p->Text47[17]->text(), QStringLiteral("N\"ina O'Hara-Smithso"));
        QTest::keyClicks(p->Text47[15], QStringLiteral("N-9"));
        QTest::keyClicks(p->Text47[10], QStringLiteral("0123456789AB"));
        QCOMPARE(p->Text47[10]->text(), QStringLiteral("0123456789"));
        p->Text47[10]->clear();
        QTest::keyClicks(p->Text47[10], QStringLiteral("p\"w'1"));
        p->SSCommand10->click();

        const QString name = QStringLiteral("N\"ina O'Hara-Smithso");
        QCOMPARE(agentField(t, name, "Password").toString(), QStringLiteral("p\"w'1"));
        QCOMPARE(agentField(t, name, "ApprovalNumber").toString(), QStringLiteral("N-9"));
        QCOMPARE(agentField(t, name, "Administrator").toInt(), 0);
        QCOMPARE(w.NewAgentFlag, 0);
        QVERIFY(!p->Combo6->isHidden());
        QVERIFY(p->Text47[17]->isHidden());
        QCOMPARE(items(p->Combo6).last(), name);
        QCOMPARE(p->Combo6->currentIndex(), 3);
        QVERIFY(p->SSCommand11->isEnabled());
        QVERIFY(p->SSCommand12->isEnabled());
        // The sign-in list, the signer lists of items 6 and 7 and both slot lists grew together.
        for (const QComboBox *names : {w.SSPanel1->Combo4, w.Panel3D1->Combo3, w.Panel3D1->Combo5})
            QCOMPARE(items(names), (QStringList{"Zoe", "Adam", "Nopass", name}));
        QCOMPARE(w.AgentPasswords, (QStringList{"Pw1", "adam-pw", "", "p\"w'1"}));
        QCOMPARE(w.AgentApprovalNumbers, (QStringList{"A-1", "A-2", "A-3", "N-9"}));
        QCOMPARE(w.SSPanel1->Combo4->currentIndex(), -1);

        // The new inspector signs in by name without a reload.
        signIn(w, 3, QStringLiteral("p\"w'1"));
        QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.texts().join(" | ")));
        QCOMPARE(w.Panel3D1->Combo3->currentText(), name);
    }

    void aPasswordLongerThanTheSignInBoxCannotBeTyped()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, -1, QStringLiteral("kxqd2718"));
        addInspector(w, QStringLiteral("Nine"), QStringLiteral("9"), QStringLiteral("123456789"));
        QCOMPARE(agentField(t, "Nine", "Password").toString(), QStringLiteral("123456789"));
        QCOMPARE(w.AgentPasswords.last(), QStringLiteral("123456789"));
        w.SSPanel1->Combo4->setCurrentIndex(3);
        QTest::keyClicks(w.SSPanel1->Text44, QStringLiteral("123456789"));
        w.accessHandlers().AgentSecurity();
        QCOMPARE(t.messages.texts(), QStringList{"Try again?"});
    }

    void saveWithoutNameStoresNothing()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, -1, QStringLiteral("kxqd2718"));
        AdminPanel *p = w.SSPanel3;
        p->SSCommand12->click();
        QTest::keyClicks(p->Text47[15], QStringLiteral("X-1"));
        p->SSCommand10->click();
        QCOMPARE(agentCount(t), 3);
        QCOMPARE(p->Combo6->count(), 3);
        QCOMPARE(w.AgentPasswords.size(), 3);
        QVERIFY(p->SSCommand11->isEnabled());
        QVERIFY(p->SSCommand12->isEnabled());
        // Still entering: the name can be typed now.
        QCOMPARE(w.NewAgentFlag, 1);
        QTest::keyClicks(p->Text47[17], QStringLiteral("Late"));
        p->SSCommand10->click();
        QCOMPARE(agentField(t, "Late", "ApprovalNumber").toString(), QStringLiteral("X-1"));
        QCOMPARE(p->Combo6->count(), 4);
    }

    void emptyAgentsTableStartsTheFirstInspector()
    {
        TestWindow t;
        t.install();
        Form1 &w = t.open();
        openAgents(w, -1,
                   QStringLiteral("anything"));  // no name, wrong master: the form stays covered
        AdminPanel *p = w.SSPanel3;
        QVERIFY(!p->isHidden());
        QCOMPARE(w.NewAgentFlag, 1);
        QCOMPARE(w.Data5.editMode(), Recordset::EditMode::Add);
        QVERIFY(w.Command3D18->isEnabled());
        QVERIFY(!p->Text47[17]->isHidden());
        QTest::keyClicks(p->Text47[17], QStringLiteral("First"));
        QTest::keyClicks(p->Text47[10], QStringLiteral("one"));
        p->SSCommand10->click();
        QCOMPARE(agentField(t, "First", "Password").toString(), QStringLiteral("one"));
        QCOMPARE(items(w.SSPanel1->Combo4), QStringList{"First"});
        QCOMPARE(w.AgentPasswords, QStringList{"one"});
    }

    void deleteIsRefusedWhileEnteringOrWithoutSelection_data()
    {
        QTest::addColumn<bool>("entering");
        QTest::newRow("entering a new inspector") << true;
        QTest::newRow("no inspector picked") << false;
    }

    void deleteIsRefusedWhileEnteringOrWithoutSelection()
    {
        QFETCH(bool, entering);
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, -1, QStringLiteral("kxqd2718"));
        AdminPanel *p = w.SSPanel3;
        QCOMPARE(p->Combo6->currentIndex(), -1);
        if (entering) {
            p->Combo6->setCurrentIndex(1);
            p->SSCommand12->click();
        }
        // The button is disabled in both cases; the handler refuses as well.
        w.accessHandlers().adminHandlers().SSCommand11_Click();
        QCOMPARE(agentCount(t), 3);
        QCOMPARE(p->Combo6->count(), 3);
        QCOMPARE(w.NewAgentFlag, entering ? 1 : 0);
        QCOMPARE(w.AgentPasswords.size(), 3);
    }

    void deleteRemovesThePickedInspector()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew() + QList<Agent>{{"Last", "l", "L-1", false}});
        Form1 &w = t.open();
        openAgents(w, 0, QStringLiteral("Pw1"));
        AdminPanel *p = w.SSPanel3;
        p->Combo6->setCurrentIndex(1);
        p->SSCommand11->click();
        QCOMPARE(agentCount(t), 3);
        QVERIFY(agentField(t, "Adam", "Name").isNull());
        QCOMPARE(items(p->Combo6), (QStringList{"Zoe", "Nopass", "Last"}));
        QCOMPARE(p->Combo6->currentIndex(), -1);
        QCOMPARE(p->Combo6->currentText(), QString());
        for (int i : {9, 10, 17})
            QCOMPARE(p->Text47[i]->text(), QString());
        QVERIFY(!p->SSCommand11->isEnabled());
        QVERIFY(t.messages.asked.isEmpty());
        // The sign-in list, the signer lists and the slots lose the inspector together.
        for (const QComboBox *names : {w.SSPanel1->Combo4, w.Panel3D1->Combo3, w.Panel3D1->Combo5})
            QCOMPARE(items(names), (QStringList{"Zoe", "Nopass", "Last"}));
        QCOMPARE(w.AgentApprovalNumbers, (QStringList{"A-1", "A-3", "L-1"}));
        // A signer picked in item 7 still gets that inspector's approval number.
        w.Panel3D1->Combo5->setCurrentIndex(2);
        emit w.Panel3D1->Combo5->activated(2);
        QCOMPARE(w.Panel3D1->Text13->text(), QStringLiteral("L-1"));
    }

    void reopeningAfterDeleteShowsTheSignedInInspector()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew() + QList<Agent>{{"Last", "l", "L-1", false}});
        Form1 &w = t.open();
        openAgents(w, 3, QStringLiteral("l"));
        AdminPanel *p = w.SSPanel3;
        // Unlock the administrator's controls, delete someone listed before "Last", come back.
        QTest::keyClicks(p->Text47[12], QStringLiteral("kxqd2718"));
        p->Option3->click();
        p->Combo6->setCurrentIndex(1);
        p->SSCommand11->click();
        p->SSCommand13->click();
        w.Panel3D7->SSCommand9->click();
        QVERIFY(!p->isHidden());
        QCOMPARE(p->Combo6->currentText(), QStringLiteral("Last"));
        QCOMPARE(p->Text47[15]->text(), QStringLiteral("L-1"));
    }

    void exitDropsAnUnsavedNewInspector()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        openAgents(w, 0, QStringLiteral("Pw1"));
        AdminPanel *p = w.SSPanel3;
        p->SSCommand12->click();
        QTest::keyClicks(p->Text47[17], QStringLiteral("Ghost"));
        p->SSCommand13->click();
        QVERIFY(p->isHidden());
        QVERIFY(w.Command3D18->isEnabled());
        QCOMPARE(w.NewAgentFlag, 0);
        QCOMPARE(w.Data5.editMode(), Recordset::EditMode::None);
        QVERIFY(!p->Combo6->isHidden());
        QVERIFY(p->Text47[17]->isHidden());
        QCOMPARE(agentCount(t), 3);
    }
};

REGISTER_TEST(AdminTest)
#include "AdminTest.moc"
