#include "AccessTestSupport.h"
#include "common/TestRegistry.h"

#include "form/FormScreen.h"
#include <QLabel>

#include <QFocusEvent>
#include <QPushButton>
#include <QtTest>

using namespace AccessTest;

class SignInTest : public QObject
{
    Q_OBJECT

private slots:
    void agentSecurity_data()
    {
        QTest::addColumn<QList<Agent>>("agents");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("signer");  // Combo3 afterwards
        QTest::addColumn<QString>("date");    // Text16 afterwards
        QTest::addColumn<bool>("asked");      // "Try again?" shown

        const QList<Agent> agents = crew();
        const QString march5 = QStringLiteral("March 05, 2001");
        // Without a name only the master password counts, in any case, and box 6 stays as it was.
        QTest::newRow("master in lower case") << agents << -1 << "kxqd2718" << true << ""
                                              << "" << false;
        QTest::newRow("master in mixed case") << agents << -1 << "KxQd2718" << true << ""
                                              << "" << false;
        QTest::newRow("new installation, master password")
            << QList<Agent>{} << -1 << "kxqd2718" << true << ""
            << "" << false;
        QTest::newRow("empty box, no name") << agents << -1 << "" << false << ""
                                            << "" << false;
        QTest::newRow("wrong master") << agents << -1 << "kxqd2719" << false << ""
                                      << "" << false;
        // With a name the stored password is compared exactly.
        QTest::newRow("right password") << agents << 0 << "Pw1" << true << "Zoe" << march5 << false;
        QTest::newRow("right password, wrong case") << agents << 0 << "pw1" << false << ""
                                                    << "" << true;
        QTest::newRow("right password with a blank") << agents << 0 << "Pw1 " << false << ""
                                                     << "" << true;
        QTest::newRow("master password with a name") << agents << 1 << "kxqd2718" << false << ""
                                                     << "" << true;
        QTest::newRow("Null password, empty box")
            << agents << 2 << "" << true << "Nopass" << march5 << false;
        QTest::newRow("Null password, text typed") << agents << 2 << "x" << false << ""
                                                   << "" << true;
        // Names and passwords with quotes are plain text.
        QTest::newRow("quotes") << QList<Agent>{{"O\"Brien's", "p\"w'1", "Q-1", false}} << 0
                                << "p\"w'1" << true << "O\"Brien's" << march5 << false;
        // Every listed inspector has a password slot, however long the list.
        QList<Agent> many;
        for (int i = 0; i < 40; ++i)
            many << Agent{QStringLiteral("Agent %1").arg(i), QStringLiteral("pw%1").arg(i),
                          QStringLiteral("N%1").arg(i)};
        QTest::newRow("33rd inspector")
            << many << 32 << "pw32" << true << "Agent 32" << march5 << false;
    }

    void agentSecurity()
    {
        QFETCH(QList<Agent>, agents);
        QFETCH(int, position);
        QFETCH(QString, password);
        QFETCH(bool, signedIn);
        QFETCH(QString, signer);
        QFETCH(QString, date);
        QFETCH(bool, asked);

        TestWindow t;  // today is 5 March 2001
        t.install();
        addAgents(t, agents);
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        FormScreen *f = w.Panel3D1;
        f->Text16->clear();
        t.messages.script = {Msg::Answer::Yes};
        // Without inspectors the panel says how to add the first one.
        QCOMPARE(w.SSPanel1->firstStartHint->isVisible(), agents.isEmpty());
        QVERIFY(w.SSPanel1->firstStartHint->text().contains("Agents"));

        signIn(w, position, password);

        QCOMPARE(w.SSPanel1->isHidden(), signedIn);
        QCOMPARE(f->Combo3->currentText(), signer);
        QCOMPARE(f->Text16->text(), date);
        QCOMPARE(t.endCalls, 0);
        if (signedIn)
            QCOMPARE(QApplication::focusWidget(), f->Combo1[0]);
        if (asked) {
            QCOMPARE(t.messages.asked.size(), 1);
            const Msg::Request &r = t.messages.asked.first();
            QCOMPARE(r.text, QStringLiteral("Try again?"));
            QCOMPARE(r.title, QStringLiteral("Password Incorrect"));
            QCOMPARE(r.buttons, Msg::Buttons::YesNo);
            QCOMPARE(r.icon, Msg::Icon::Exclamation);
            // Yes: another try with an empty box.
            QCOMPARE(w.SSPanel1->Text44->text(), QString());
            QCOMPARE(QApplication::focusWidget(), w.SSPanel1->Text44);
        } else {
            QVERIFY(t.messages.asked.isEmpty());
        }
        if (!signedIn && !asked) {
            // A wrong or empty master password: the names list gets the focus, the box keeps its text.
            QCOMPARE(QApplication::focusWidget(), w.SSPanel1->Combo4);
            QCOMPARE(w.SSPanel1->Text44->text(), password);
        }
    }

    void answerNoEndsTheProgram()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        t.messages.script = {Msg::Answer::No};
        signIn(w, 1, QStringLiteral("wrong"));
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(t.endCalls, 1);
        QVERIFY(!w.SSPanel1->isHidden());
        QCOMPARE(w.SSPanel1->Text44->text(), QStringLiteral("wrong"));
    }

    void passwordBoxTakesEightCharacters()
    {
        TestWindow t;
        t.install();
        addAgents(t, {{"Long", "abcdefghi", "L-1", false}});
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLineEdit *box = w.SSPanel1->Text44;
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        w.SSPanel1->Combo4->setCurrentIndex(0);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("abcdefghi"));
        QCOMPARE(box->text(), QStringLiteral("abcdefgh"));
        QTest::mouseClick(w.SSPanel1->SSCommand2, Qt::LeftButton);
        // The stored nine characters can never be typed.
        QCOMPARE(t.messages.texts(), QStringList{"Try again?"});
        QVERIFY(!w.SSPanel1->isHidden());
    }

    void leavingThePasswordBoxRunsTheCheckOnce_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("checks");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << 1;
        QTest::newRow("Backtab") << int(Qt::BacktabFocusReason) << 1;
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << 1;
        QTest::newRow("shortcut") << int(Qt::ShortcutFocusReason) << 1;
        // A message box or another window taking the focus, or a popup, is no loss of focus.
        QTest::newRow("other window") << int(Qt::ActiveWindowFocusReason) << 0;
        QTest::newRow("popup") << int(Qt::PopupFocusReason) << 0;
    }

    void leavingThePasswordBoxRunsTheCheckOnce()
    {
        QFETCH(int, reason);
        QFETCH(int, checks);
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        w.SSPanel1->Combo4->setCurrentIndex(0);
        w.SSPanel1->Text44->setText(QStringLiteral("wrong"));
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
        QApplication::sendEvent(w.SSPanel1->Text44, &out);
        QCOMPARE(t.messages.asked.size(), checks);
    }

    void tabAndSubmitClickEachCheckOnce()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        SignInPanel *panel = w.SSPanel1;
        panel->Combo4->setCurrentIndex(1);
        panel->Text44->setFocus();
        QTest::keyClicks(panel->Text44, QStringLiteral("nope"));

        // Clicking Submit leaves the focus in the box, so only the click runs the check.
        QTest::mouseClick(panel->SSCommand2, Qt::LeftButton);
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(QApplication::focusWidget(), panel->Text44);

        // Tab leaves the box: one check, and Yes puts the focus back.
        QTest::keyClicks(panel->Text44, QStringLiteral("nope"));
        QTest::keyClick(panel->Text44, Qt::Key_Tab);
        QCOMPARE(t.messages.asked.size(), 2);
        QCOMPARE(QApplication::focusWidget(), panel->Text44);

        // The right password and Tab: signed in, the check does not run again on the way out.
        QTest::keyClicks(panel->Text44, QStringLiteral("adam-pw"));
        QTest::keyClick(panel->Text44, Qt::Key_Tab);
        QCOMPARE(t.messages.asked.size(), 2);
        QVERIFY(panel->isHidden());
        QCOMPARE(w.Panel3D1->Combo3->currentText(), QStringLiteral("Adam"));
        QCOMPARE(QApplication::focusWidget(), w.Panel3D1->Combo1[0]);
    }

    void goingBackToTheNamesListIsNoSubmit()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        SignInPanel *panel = w.SSPanel1;
        t.messages.defaultYesNo
            = Msg::Answer::No;  // a wrongful check must not loop back into the box
        panel->Combo4->setCurrentIndex(1);
        panel->Text44->setFocus();
        QTest::keyClicks(panel->Text44, QStringLiteral("Pw1"));  // Zoe's password under Adam's name
        QTest::mouseClick(panel->Combo4, Qt::LeftButton);
        QVERIFY(t.messages.asked.isEmpty());
        QVERIFY(QApplication::focusWidget() != panel->Text44);
        panel->Combo4->hidePopup();
        panel->Combo4->setCurrentIndex(0);
        panel->SSCommand2->click();
        QVERIFY(panel->isHidden());
        QCOMPARE(w.Panel3D1->Combo3->currentText(), QStringLiteral("Zoe"));
    }

    void enterBringsExitToTheFrontOnly()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        SignInPanel *panel = w.SSPanel1;
        panel->Combo4->setCurrentIndex(0);
        panel->Text44->setFocus();
        QTest::keyClicks(panel->Text44, QStringLiteral("Pw1"));
        panel->SSCommand2->raise();
        QTest::keyClick(panel->Text44, Qt::Key_Return);
        QVERIFY(t.messages.asked.isEmpty());
        QVERIFY(!panel->isHidden());
        QCOMPARE(t.endCalls, 0);
        QCOMPARE(QApplication::focusWidget(), panel->Text44);
        QCOMPARE(panel->children().last(), panel->SSCommand1);
    }

    void exitEndsAtOnce()
    {
        TestWindow t;
        t.install();
        addAgents(t, crew());
        Form1 &w = t.open();
        w.SSPanel1->Text44->setText(QStringLiteral("wrong"));
        w.SSPanel1->SSCommand1->click();
        QCOMPARE(t.endCalls, 1);
        QVERIFY(t.messages.asked.isEmpty());
    }
};

REGISTER_TEST(SignInTest)
#include "SignInTest.moc"
