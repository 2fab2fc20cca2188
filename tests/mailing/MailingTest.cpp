#include "access/AccessHandlers.h"
#include "access/SignInPanel.h"
#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "data/Database.h"
#include "form/FormScreen.h"
#include "mailing/MailingHandlers.h"
#include "mailing/UnsentForms.h"
#include "mailing/UnsentFormsPanel.h"
#include "ui/Dates.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// Stores a form: its mark, approved or not, the approval date (ISO or Null), the fuel-tank
// box and the date sent (ISO or Null).
void storeForm(TestWindow &t, const QString &mark, bool approved, const QVariant &approvalDate,
               bool fuelTanks = false, const QVariant &sent = QVariant())
{
    t.exec("Form337.mdb",
           "INSERT INTO Form (RegNum, Approved, ApproveDate, Rating3, FaaSentDate) "
           "VALUES (?, ?, ?, ?, ?)",
           {mark, approved ? -1 : 0, approvalDate, fuelTanks ? 1 : 0, sent});
}

void signInWithMasterPassword(Form1 &w)
{
    w.SSPanel1->Combo4->setCurrentIndex(-1);
    w.SSPanel1->Text44->setText(AccessHandlers::kMasterPassword);
    w.accessHandlers().AgentSecurity();
}

}  // namespace

class MailingTest : public QObject
{
    Q_OBJECT

private slots:
    // 48 hours counted from the day of item 7, Saturdays and Sundays included.
    void deadline_data()
    {
        QTest::addColumn<QDate>("approved");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("due");
        QTest::addColumn<bool>("late");
        const QDate friday(2024, 3, 1);
        QTest::newRow("Friday, same day") << friday << friday << QDate(2024, 3, 3) << false;
        QTest::newRow("Friday, due on Sunday")
            << friday << QDate(2024, 3, 3) << QDate(2024, 3, 3) << false;
        QTest::newRow("Friday, late on Monday")
            << friday << QDate(2024, 3, 4) << QDate(2024, 3, 3) << true;
        QTest::newRow("over the leap day")
            << QDate(2024, 2, 28) << QDate(2024, 3, 1) << QDate(2024, 3, 1) << false;
        QTest::newRow("over the year end")
            << QDate(2023, 12, 31) << QDate(2024, 1, 3) << QDate(2024, 1, 2) << true;
        QTest::newRow("no approval date counts as late")
            << QDate() << QDate(2024, 3, 1) << QDate() << true;
    }
    void deadline()
    {
        QFETCH(QDate, approved);
        QFETCH(QDate, today);
        QFETCH(QDate, due);
        QFETCH(bool, late);
        QCOMPARE(UnsentForms::due(approved), due);
        QCOMPARE(UnsentForms::isLate(approved, today), late);
    }

    // Sign-in names the approved forms not recorded as sent, the late ones first; rejected and
    // sent forms are left out, and with nothing waiting no box is shown.
    void signInNotice()
    {
        TestWindow t(QDate(2024, 3, 4));
        t.install();
        storeForm(t, "N3", true, "2024-03-03");                       // due March 05
        storeForm(t, "N1", true, "2024-02-20");                       // late
        storeForm(t, "N2", true, "2024-03-01");                       // late since today
        storeForm(t, "N4", false, "2024-02-01");                      // rejected
        storeForm(t, "N5", true, "2024-02-01", false, "2024-02-02");  // sent
        Form1 &w = t.open();
        signInWithMasterPassword(w);
        QVERIFY(w.SSPanel1->isHidden());
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(t.messages.asked[0].title, QStringLiteral("FAA mailing"));
        QCOMPARE(t.messages.lastText(),
                 QStringLiteral("The FAA's copy of 3 approved form(s) is not recorded as sent "
                                "(due within 48 hours of approval):\n"
                                "N1, approved February 20, 2024: LATE\n"
                                "N2, approved March 01, 2024: LATE\n"
                                "N3, approved March 03, 2024: due March 05, 2024\n"
                                "Record the sending under \"FAA mailing\"."));

        TestWindow quiet(QDate(2024, 3, 4));
        quiet.install();
        storeForm(quiet, "N5", true, "2024-02-01", false, "2024-02-02");
        signInWithMasterPassword(quiet.open());
        QVERIFY(quiet.messages.asked.isEmpty());
    }

    // The list shows every unsent form with its deadline and address; ticking several records
    // them at once, and the form screen then shows the sending.
    void listRecordsSeveralAtOnce()
    {
        TestWindow t(QDate(2024, 3, 4));
        t.install();
        storeForm(t, "N1", true, "2024-02-20");
        storeForm(t, "N2", true, "2024-03-03", true);
        storeForm(t, "N3", true, "2024-03-04");
        Form1 &w = t.open();
        signInWithMasterPassword(w);
        w.cmdFaaMailing->click();
        UnsentFormsPanel *panel = w.mailingHandlers().panel();
        QVERIFY(panel->isVisible());
        QTableWidget *list = panel->lstUnsent;
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->item(0, UnsentFormsPanel::Mark)->text(), QStringLiteral("N1"));
        QVERIFY(list->item(0, UnsentFormsPanel::Due)->text().startsWith("LATE"));
        QCOMPARE(list->item(1, UnsentFormsPanel::Due)->text(), QStringLiteral("March 05, 2024"));
        QVERIFY(list->item(1, UnsentFormsPanel::Address)->text().contains("P.O. Box 25724"));
        QVERIFY(list->item(0, UnsentFormsPanel::Address)->text().contains("P.O. Box 25504"));

        // Nothing ticked, or no date: said so, nothing recorded.
        t.messages.asked.clear();
        panel->cmdRecordSent->click();
        QCOMPARE(t.messages.asked.size(), 1);
        list->item(0, UnsentFormsPanel::Mark)->setCheckState(Qt::Checked);
        list->item(1, UnsentFormsPanel::Mark)->setCheckState(Qt::Checked);
        panel->txtSentDate->setText("next week");
        panel->txtSentTracking->setText("USPS 9400 1000 0000 0000 0000 00");
        panel->cmdRecordSent->click();
        QCOMPARE(t.messages.asked.size(), 2);
        QCOMPARE(
            t.value("Form337.mdb", "SELECT count(*) FROM Form WHERE FaaSentDate IS NULL").toInt(),
            3);
        QCOMPARE(panel->txtSentTracking->text(),
                 QStringLiteral("USPS 9400 1000 0000 0000 0000 00"));

        panel->txtSentDate->setText("March 04, 2024");
        panel->cmdRecordSent->click();
        QCOMPARE(t.messages.asked.size(), 2);
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->item(0, UnsentFormsPanel::Mark)->text(), QStringLiteral("N3"));
        const QList<QVariantList> rows
            = Database::open(t.folder + "/Form337.mdb")
                  ->rows("SELECT RegNum, FaaSentDate, FaaTracking, ChangeCount FROM Form "
                         "ORDER BY RegNum");
        QCOMPARE(rows[0],
                 (QVariantList{"N1", "2024-03-04", "USPS 9400 1000 0000 0000 0000 00", 1}));
        QCOMPARE(rows[1],
                 (QVariantList{"N2", "2024-03-04", "USPS 9400 1000 0000 0000 0000 00", 1}));
        QVERIFY(rows[2][1].isNull());

        // Found on the form screen, a form shows its sending; the next one shows none.
        for (const char *mark : {"N1", "N3"}) {
            w.Command3D27->click();
            w.findChild<QLineEdit *>("Text36")->setText(mark);
            w.findChild<QPushButton *>("Command3D7")->click();
            QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), QString(mark));
            const bool sent = QString(mark) == "N1";
            QCOMPARE(Dates::parse(w.Panel3D1->txtFaaSentDate->text()),
                     sent ? QDate(2024, 3, 4) : QDate());
            QCOMPARE(w.Panel3D1->txtFaaTracking->text(),
                     sent ? QStringLiteral("USPS 9400 1000 0000 0000 0000 00") : QString());
        }

        // A sending date typed on the form screen that is no date is said so on leaving it.
        t.messages.asked.clear();
        for (const char *typed : {"March 05, 2024", "", "tomorrow"}) {
            w.Panel3D1->txtFaaSentDate->setText(typed);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(w.Panel3D1->txtFaaSentDate, &out);
        }
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY(t.messages.lastText().startsWith("\"tomorrow\" is not a date."));
    }
};

REGISTER_TEST(MailingTest)
#include "MailingTest.moc"
