#include "access/SignInPanel.h"
#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "form/FormScreen.h"
#include "print/PrintTestSupport.h"
#include "ui/ControlText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The whole road of a form through the assembled window, driven by control names
// the way a user drives it: sign in, fill in, save, find, start the next form from
// the same mark, print, delete.
class WorkflowTest : public QObject
{
    Q_OBJECT

    template<typename T>
    static T *control(Form1 &w, const char *name)
    {
        T *c = w.findChild<T *>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    static void click(Form1 &w, const char *name)
    {
        QPushButton *b = control<QPushButton>(w, name);
        QVERIFY2(b->isEnabled(), name);
        b->click();
    }

    static void type(Form1 &w, const char *name, const QString &text)
    {
        QWidget *box = control<QWidget>(w, name);
        setControlText(box, QString());
        // Key simulation covers ASCII only; other text is put in as a paste would.
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(box, text);
        else
            setControlText(box, text);
    }

private slots:
    void signInFillSaveFindReuseAndDelete()
    {
        TestWindow t;
        const SystemFontCheck fonts;
        RecordingEnvironment printer(fonts);
        t.printEnvironment = &printer;
        Form1 &w = t.open();

        // Sign in with the master password.
        type(w, "Text44", QStringLiteral("kxqd2718"));
        click(w, "SSCommand2");
        QVERIFY(w.SSPanel1->isHidden());

        // Fill in a form; typing the mark offers Save.
        QVERIFY(!w.Command3D13->isEnabled());
        type(w, "Combo1(0)", QStringLiteral("N337\"FA"));
        QVERIFY(w.Command3D13->isEnabled());
        type(w, "Combo1(1)", QStringLiteral("Cessna"));
        type(w, "Combo1(2)", QStringLiteral("172N"));
        type(w, "Text1(0)", QStringLiteral("17270001"));
        type(w, "Text2(0)", QStringLiteral("Zoë O'Brien"));
        type(w, "Text2(1)", QStringLiteral("1 Runway Rd"));
        type(w, "Text2(2)", QStringLiteral("Wichita, KS"));
        type(w, "Text2(3)", QStringLiteral("67201 USA"));
        type(w, "Text7(0)", QStringLiteral("Prairie Air"));
        type(w, "Text7(1)", QStringLiteral("2 Hangar Ln"));
        type(w, "Text7(2)", QStringLiteral("Wichita, KS"));
        type(w, "Text7(3)", QStringLiteral("67202 USA"));
        type(w, "Text7(4)", QStringLiteral("P3AR123K"));
        control<QRadioButton>(w, "Option2(2)")->click();
        control<QRadioButton>(w, "Option1(0)")->click();
        control<QRadioButton>(w, "Option5(0)")->click();
        control<QRadioButton>(w, "Option6(4)")->click();
        control<QCheckBox>(w, "Check2")->click();  // extended-range fuel tank
        w.Panel3D1->Text18->setPlainText(
            QStringLiteral("Installed STC SA1234GL fuel tank.\nWeight and balance revised."));
        click(w, "Command3D13");
        QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
        QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM Form").toInt(), 1);
        QCOMPARE(t.value("Form337.mdb", "SELECT OwnerName FROM Form WHERE RegNum = ?", {"N337\"FA"})
                     .toString(),
                 QStringLiteral("Zoë O'Brien"));
        QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM aircraft").toInt(), 1);
        QVERIFY(w.Command3D15->isEnabled());

        // Print it: the checklist of an approved form first, then front, reinsert prompt, back.
        // A fuel-tank form offers three copies.
        click(w, "Command3D14");
        QCOMPARE(t.messages.asked.last().title, QStringLiteral("Before printing"));
        QVERIFY2(t.messages.lastText().contains(
                     "[x] Item 8 names the data used (an STC, AC 43.13, a field approval, "
                     "manufacturer's data)\n"
                     "[x] Weight and balance / equipment list addressed\n"
                     "[  ] Extended-range fuel tanks: a copy is kept aboard the aircraft\n"),
                 qPrintable(t.messages.lastText()));
        QCOMPARE(controlText(control<QLineEdit>(w, "Text45")), QStringLiteral("3"));
        control<QLineEdit>(w, "Text45")->setText(QStringLiteral("1"));
        click(w, "Command1(0)");
        QCOMPARE(printer.documents.size(), 2);
        QVERIFY(
            t.messages.texts().contains("Press OK when ready or Cancel to not print back of form"));

        // Find it, then start the next form of the same aircraft from its mark.
        click(w, "Command3D27");
        type(w, "Text36", QStringLiteral("n337"));
        click(w, "Command3D7");
        QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), QStringLiteral("N337\"FA"));
        click(w, "Command3D19");  // New
        QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), QString());
        QCOMPARE(w.Panel3D1->Text7[0]->text(), QStringLiteral("Prairie Air"));  // the agency stays
        QComboBox *mark = w.Panel3D1->Combo1[0];
        mark->setCurrentIndex(mark->findText(QStringLiteral("N337\"FA")));
        emit mark->activated(mark->currentIndex());
        QCOMPARE(w.Panel3D1->Combo1[1]->currentText(), QStringLiteral("Cessna"));
        QCOMPARE(controlText(w.Panel3D1->Text2[0]), QStringLiteral("Zoë O'Brien"));
        QVERIFY(w.Panel3D1->Option5[1]->isChecked());  // the work items start afresh
        QVERIFY(w.Command3D13->isEnabled());
        QCOMPARE(w.NewFormFlag, 1);

        // Back to the stored form and delete it.
        click(w, "Command3D27");
        click(w, "Command3D10");  // Show All Records
        t.messages.script = {Msg::Answer::Yes};
        click(w, "Command3D15");
        QCOMPARE(t.messages.lastText(),
                 QStringLiteral("Are you sure you want to delete this entire form?"));
        QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM Form").toInt(), 0);
        QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), QString());
        QCOMPARE(w.Panel3D1->Combo1[0]->count(), 0);
    }
};

REGISTER_TEST(WorkflowTest)
#include "WorkflowTest.moc"
