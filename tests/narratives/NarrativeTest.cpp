#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "form/FormScreen.h"
#include "narratives/NarrativeHandlers.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using Narratives = QList<QPair<QVariant, QVariant>>;  // title, description in table order

void storeNarratives(TestWindow &t, const Narratives &narratives)
{
    for (const auto &[title, description] : narratives)
        t.exec("Form337.mdb", "INSERT INTO Narratives (Title, Description) VALUES (?, ?)",
               {title, description});
}

int narrativeCount(TestWindow &t)
{
    return t.value("Form337.mdb", "SELECT count(*) FROM Narratives").toInt();
}

QStringList listed(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// Replaces the title box's text the way a user types it.
void typeTitle(QComboBox *titleBox, const QString &text)
{
    titleBox->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(titleBox, Qt::Key_Delete);
    else
        QTest::keyClicks(titleBox, text);
}

void loseFocus(QWidget *control, Qt::FocusReason reason = Qt::TabFocusReason)
{
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(control, &out);
}

// An entry picked from the open list: selected, then reported as activated.
void pick(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

const QString kLong
    = QStringLiteral("Spar [A] #1 ") + QString(48, QLatin1Char('x'));  // 60 characters

}  // namespace

class NarrativeTest : public QObject
{
    Q_OBJECT

private slots:
    void backShowsTheStoredDescription_data()
    {
        QTest::addColumn<QVariant>("back");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stored text into an empty box")
            << QVariant("Replaced magneto.\r\nRan engine.") << ""
            << "Replaced magneto.\nRan engine.";
        QTest::newRow("box already written") << QVariant("Replaced magneto.") << "Mine"
                                             << "Mine";
        QTest::newRow("Null") << QVariant() << ""
                              << "";
        QTest::newRow("no stored form") << QVariant("<none>") << ""
                                        << "";
    }

    void backShowsTheStoredDescription()
    {
        QFETCH(QVariant, back);
        QFETCH(QString, typed);
        TestWindow t;
        t.install();
        if (back != QVariant("<none>"))
            t.exec("Form337.mdb", "INSERT INTO Form (RegNum, Back) VALUES ('N1', ?)", {back});
        Form1 &w = t.open();
        w.Panel3D1->Text18->setPlainText(typed);
        w.Command3D13->setEnabled(true);

        w.SSCommand3->click();
        QVERIFY(w.Panel3D1->isBackPageShown());
        QVERIFY(!w.Panel3D1->Combo13->isHidden());
        QCOMPARE(w.SSCommand3->text(), QStringLiteral("Front"));
        QVERIFY(!w.Command3D13->isEnabled());
        QTEST(w.Panel3D1->Text18->toPlainText(), "shown");

        w.SSCommand3->click();
        QVERIFY(!w.Panel3D1->isBackPageShown());
        QVERIFY(w.Panel3D1->Combo13->isHidden());
        QCOMPARE(w.SSCommand3->text(), QStringLiteral("Back"));
        QTEST(w.Panel3D1->Text18->toPlainText(), "shown");  // kept while hidden
    }

    void titleListAndTitleBox_data()
    {
        QTest::addColumn<Narratives>("library");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("titleBox");
        const Narratives mixed{{"Oil", "Changed oil."},
                               {QVariant(), "No title"},
                               {"", "Empty title"},
                               {kLong, "Long one"},
                               {"Tyre", "Changed oil."}};
        QTest::newRow("empty library")
            << Narratives{} << "" << QStringList{} << NarrativeHandlers::kPromptEmptyLibrary;
        QTest::newRow("listed, shortened, none Null or empty")
            << mixed << "" << QStringList{"Oil", kLong.left(50), "Tyre"}
            << NarrativeHandlers::kPromptPickOrType;
        QTest::newRow("first narrative with that description names it")
            << mixed << "Changed oil." << QStringList{"Oil", kLong.left(50), "Tyre"} << "Oil";
        QTest::newRow("description of an untitled narrative")
            << mixed << "No title" << QStringList{"Oil", kLong.left(50), "Tyre"} << "";
        QTest::newRow("line breaks as stored") << Narratives{{"Two lines", "a\r\nb"}} << "a\nb"
                                               << QStringList{"Two lines"} << "Two lines";
        QTest::newRow("only an exact match")
            << Narratives{{"Oil", "Changed oil."}} << "Changed oil" << QStringList{"Oil"}
            << NarrativeHandlers::kPromptPickOrType;
    }

    void titleListAndTitleBox()
    {
        QFETCH(Narratives, library);
        QFETCH(QString, description);
        TestWindow t;
        t.install();
        storeNarratives(t, library);
        Form1 &w = t.open();
        w.Panel3D1->Text18->setPlainText(description);
        w.SSCommand3->click();
        QComboBox *titleBox = w.Panel3D1->Combo13;
        QTEST(listed(titleBox), "titles");
        QTEST(titleBox->currentText(), "titleBox");
        QCOMPARE(titleBox->currentIndex(), -1);
        QCOMPARE(w.Panel3D1->Text18->toPlainText(), description);
        w.SSCommand3->click();
        QCOMPARE(narrativeCount(t), int(library.size()));
    }

    void pickingATitleShowsItsText_data()
    {
        QTest::addColumn<Narratives>("library");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("shown");
        const QString odd = QStringLiteral("Say \"hi\" [x] \\ 'q' *");
        QTest::newRow("plain") << Narratives{{"Oil", "Changed oil."}, {"Tyre", "New tyre."}} << 1
                               << "New tyre.";
        QTest::newRow("same title twice: the first")
            << Narratives{{"Oil", "First."}, {"Oil", "Second."}} << 1 << "First.";
        QTest::newRow("quotes, brackets, backslash")
            << Narratives{{"Say", "Wrong."}, {odd, "Right."}} << 1 << "Right.";
        QTest::newRow("Null description") << Narratives{{"Empty", QVariant()}} << 0 << "";
        QTest::newRow("stored line breaks") << Narratives{{"Two", "a\r\nb"}} << 0 << "a\nb";
        // Read as a pattern, the shortened title would find the decoy first.
        QTest::newRow("long title shortened in the list")
            << Narratives{{QStringLiteral("Spar A 11 ") + QString(40, QLatin1Char('x')), "Decoy."},
                          {kLong, "Long one."}}
            << 1 << "Long one.";
    }

    void pickingATitleShowsItsText()
    {
        QFETCH(Narratives, library);
        QFETCH(int, entry);
        TestWindow t;
        t.install();
        storeNarratives(t, library);
        Form1 &w = t.open();
        w.Panel3D1->Text18->setPlainText(QStringLiteral("Before."));
        w.SSCommand3->click();
        pick(w.Panel3D1->Combo13, entry);
        QTEST(w.Panel3D1->Text18->toPlainText(), "shown");
        w.SSCommand3->click();
        QCOMPARE(narrativeCount(t), int(library.size()));  // picking stores nothing
    }

    void storingOnClosing_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("stored");
        QTest::newRow("new title") << "Pitot heat"
                                   << "Replaced pitot heater." << true;
        QTest::newRow("quotes and brackets") << "O'Hare \"fix\" [1]"
                                             << "Said \"done\"." << true;
        QTest::newRow("title typed, left untouched") << "<untouched>"
                                                     << "Some work." << false;
        QTest::newRow("first prompt typed")
            << NarrativeHandlers::kPromptEmptyLibrary << "Some work." << false;
        QTest::newRow("second prompt typed")
            << NarrativeHandlers::kPromptPickOrType << "Some work." << false;
        QTest::newRow("prompt begun") << "Enter a title"
                                      << "Some work." << false;
        QTest::newRow("empty title") << ""
                                     << "Some work." << false;
        QTest::newRow("lone blank title") << " "
                                          << "Some work." << false;
        QTest::newRow("lone blank description") << "Pitot heat"
                                                << " " << false;
        QTest::newRow("empty description") << "Pitot heat"
                                           << "" << false;
        QTest::newRow("blank first") << " Pitot"
                                     << "  x" << true;
    }

    void storingOnClosing()
    {
        QFETCH(QString, title);
        QFETCH(QString, description);
        QFETCH(bool, stored);
        TestWindow t;
        t.install();
        Form1 &w = t.open();
        QComboBox *titleBox = w.Panel3D1->Combo13;
        w.SSCommand3->click();
        QCOMPARE(titleBox->currentText(), NarrativeHandlers::kPromptEmptyLibrary);
        if (title != QLatin1String("<untouched>"))
            typeTitle(titleBox, title);
        loseFocus(titleBox);
        w.Panel3D1->Text18->setPlainText(description);
        w.SSCommand3->click();

        QCOMPARE(narrativeCount(t), stored ? 1 : 0);
        QVERIFY(!w.narrativeHandlers().titleChanged());
        QVERIFY(t.messages.asked.isEmpty());
        if (!stored)
            return;
        QCOMPARE(t.value("Form337.mdb", "SELECT Title FROM Narratives").toString(), title);
        QCOMPARE(t.value("Form337.mdb", "SELECT Description FROM Narratives").toString(),
                 description);
        // Opened again: the new title is listed; closing again stores nothing more.
        w.SSCommand3->click();
        QVERIFY(listed(titleBox).contains(title));
        w.SSCommand3->click();
        QCOMPARE(narrativeCount(t), 1);
        // A later first opening lists it from the library.
        titleBox->setCurrentIndex(-1);
        w.SSCommand3->click();
        QCOMPARE(listed(titleBox), QStringList{title});
        QCOMPARE(titleBox->currentText(), title);  // named by the description
    }

    void aTitleTypedAgainIsStoredAgain()
    {
        TestWindow t;
        t.install();
        storeNarratives(t, {{"Oil", "Changed oil."}});
        Form1 &w = t.open();
        QComboBox *titleBox = w.Panel3D1->Combo13;
        w.SSCommand3->click();
        typeTitle(titleBox, QStringLiteral("Oil"));
        loseFocus(titleBox);
        // Leaving the box selects the listed title, which brings its text.
        QCOMPARE(listed(titleBox), QStringList{"Oil"});
        QCOMPARE(w.Panel3D1->Text18->toPlainText(), QStringLiteral("Changed oil."));
        w.Panel3D1->Text18->setPlainText(QStringLiteral("Changed oil and filter."));
        w.SSCommand3->click();
        QCOMPARE(narrativeCount(t), 2);
        QCOMPARE(
            t.value("Form337.mdb",
                    "SELECT Description FROM Narratives WHERE Title = 'Oil' ORDER BY rowid LIMIT 1")
                .toString(),
            QStringLiteral("Changed oil."));  // the stored one is unchanged
    }

    void editingAPickedNarrativeChangesNothingStored()
    {
        TestWindow t;
        t.install();
        storeNarratives(t, {{"Oil", "Changed oil."}});
        Form1 &w = t.open();
        w.SSCommand3->click();
        pick(w.Panel3D1->Combo13, 0);
        w.Panel3D1->Text18->setPlainText(QStringLiteral("Changed oil and filter."));
        loseFocus(w.Panel3D1->Combo13);
        w.SSCommand3->click();
        QCOMPARE(narrativeCount(t), 1);
        QCOMPARE(t.value("Form337.mdb", "SELECT Description FROM Narratives").toString(),
                 QStringLiteral("Changed oil."));
        QCOMPARE(w.Panel3D1->Text18->toPlainText(), QStringLiteral("Changed oil and filter."));
    }

    void lossOfFocusCountsOnlyMovesWithinTheWindow_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("counts");
        QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("backtab") << int(Qt::BacktabFocusReason) << true;
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("by code") << int(Qt::OtherFocusReason) << true;
        QTest::newRow("popup") << int(Qt::PopupFocusReason) << false;
        QTest::newRow("another window") << int(Qt::ActiveWindowFocusReason) << false;
    }

    void lossOfFocusCountsOnlyMovesWithinTheWindow()
    {
        QFETCH(int, reason);
        QFETCH(bool, counts);
        TestWindow t;
        t.install();
        storeNarratives(t, {{"Oil", "Changed oil."}});
        Form1 &w = t.open();
        QComboBox *titleBox = w.Panel3D1->Combo13;
        w.SSCommand3->click();
        typeTitle(titleBox, QStringLiteral("Pitot heat"));
        loseFocus(titleBox, Qt::FocusReason(reason));
        loseFocus(titleBox, Qt::FocusReason(reason));
        const QStringList expected = counts ? QStringList{"Oil", "Pitot heat"} : QStringList{"Oil"};
        QCOMPARE(listed(titleBox), expected);
        QCOMPARE(titleBox->currentIndex(), counts ? 1 : -1);
        QCOMPARE(titleBox->currentText(), QStringLiteral("Pitot heat"));
    }

    void enterMovesToTheDescription()
    {
        TestWindow t;
        t.install();
        Form1 &w = t.open();
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox *titleBox = w.Panel3D1->Combo13;
        w.SSCommand3->click();
        titleBox->setFocus();
        QVERIFY(titleBox->hasFocus());
        typeTitle(titleBox, QStringLiteral("Pitot heat"));
        QTest::keyClick(titleBox, Qt::Key_Return);
        QVERIFY(w.Panel3D1->Text18->hasFocus());
        QCOMPARE(listed(titleBox), QStringList{"Pitot heat"});  // the loss of focus ran once
        QTest::keyClicks(w.Panel3D1->Text18, QStringLiteral("Replaced heater."));
        w.SSCommand3->click();
        QCOMPARE(
            t.value("Form337.mdb", "SELECT Title || '=' || Description FROM Narratives").toString(),
            QStringLiteral("Pitot heat=Replaced heater."));
    }

    // Closing while the title box still has the focus: hiding it brings no stored text back.
    void closingWithTheFocusInTheTitleBox()
    {
        TestWindow t;
        t.install();
        storeNarratives(t, {{"Oil", "Changed oil."}});
        Form1 &w = t.open();
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox *titleBox = w.Panel3D1->Combo13;
        w.SSCommand3->click();
        w.Panel3D1->Text18->setPlainText(QStringLiteral("Changed oil twice."));
        titleBox->setFocus();
        typeTitle(titleBox, QStringLiteral("Oil"));
        w.SSCommand3->click();
        QCOMPARE(w.Panel3D1->Text18->toPlainText(), QStringLiteral("Changed oil twice."));
        QCOMPARE(narrativeCount(t), 2);
    }

    void saveAfterClosing_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no mark") << "" << false;
        QTest::newRow("mark") << "N123" << true;
    }

    void saveAfterClosing()
    {
        QFETCH(QString, mark);
        TestWindow t;
        t.install();
        Form1 &w = t.open();
        w.Panel3D1->Combo1[0]->setEditText(mark);
        w.SSCommand3->click();
        QVERIFY(!w.Command3D13->isEnabled());
        w.SSCommand3->click();
        QTEST(w.Command3D13->isEnabled(), "enabled");
    }

    void aTitleTooLongForTheLibraryIsReported()
    {
        TestWindow t;
        t.install();
        Form1 &w = t.open();
        QComboBox *titleBox = w.Panel3D1->Combo13;
        w.SSCommand3->click();
        typeTitle(titleBox, QString(300, QLatin1Char('T')));
        w.Panel3D1->Text18->setPlainText(QStringLiteral("Work."));
        w.SSCommand3->click();
        QCOMPARE(narrativeCount(t), 0);
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(t.messages.asked.first().title, QStringLiteral("Narrative not stored"));
        QVERIFY(!w.Panel3D1->isBackPageShown());
        // The library still takes the next narrative.
        w.SSCommand3->click();
        typeTitle(titleBox, QStringLiteral("Short"));
        w.SSCommand3->click();
        QCOMPARE(narrativeCount(t), 1);
    }
};

REGISTER_TEST(NarrativeTest)
#include "NarrativeTest.moc"
