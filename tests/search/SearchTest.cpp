#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "data/Database.h"
#include "form/FormScreen.h"
#include "search/FindPanel.h"
#include "search/SearchConditions.h"
#include "search/SearchHandlers.h"
#include "setup/SetupHandlers.h"
#include "setup/SetupPanel.h"
#include "ui/TypingLengthValidator.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Search order of the boxes: 0 registration, 1 serial, 2 make, 3 model, 4 series,
// 5 owner, 6 city, 7 state, 8 unit make, 9 unit model, 10 agency.
enum Box { Reg, Serial, Make, Model, Series, Owner, City, State, UnitMake, UnitModel, Agency };

QStringList boxes(std::initializer_list<std::pair<Box, QString>> filled)
{
    QStringList texts(11);
    for (const auto &[box, text] : filled)
        texts[box] = text;
    return texts;
}

const char *kBase = "Select Form.* from Form";

// Four stored forms, in table order.
void storeForms(TestWindow &t)
{
    const QString insert = QStringLiteral(
        "INSERT INTO Form (RegNum, Serial, Make, Model, Rating1, OwnerName, OwnerAdd2, PowMake, "
        "PowModel,"
        " ProMake, ProModel, AppMake, AppModel, AgencyName) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    t.exec("Form337.mdb", insert,
           {"N123", "17270001", "Cessna", "172N", "Skyhawk", "John Smith", "Tulsa, TX", "Lycoming",
            "O-320", QVariant(), QVariant(), QVariant(), QVariant(), "Sky Repair"});
    t.exec("Form337.mdb", insert,
           {"n1ab", "28-7790001", "Piper", "PA-28", "Cherokee", "Mary O'Brien", "Dallas, TX",
            QVariant(), QVariant(), "McCauley", "1A170", QVariant(), QVariant(),
            "Acme \"Best\" Aero"});
    t.exec("Form337.mdb", insert,
           {"XN1", "18259999", "Cessna", "182P", "Skylane", "Smith Aviation", "Austin,TX",
            QVariant(), QVariant(), QVariant(), QVariant(), "Garmin", "GNS430",
            "Back\\slash [Shop]"});
    t.exec("Form337.mdb", insert,
           {"N9Q", "BB-1", "Beech", "A36", "Bonanza", "Pete Smithers", "Wichita, KS", "Continental",
            "IO-520", QVariant(), QVariant(), QVariant(), QVariant(), "Plains Aero"});
}

// The registration marks of the search result, from its first record to its last.
QStringList resultMarks(Recordset &rs)
{
    QStringList marks;
    if (rs.isEmpty())
        return marks;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        marks << rs.text("RegNum");
    return marks;
}

// The registration marks that criterion selects, in table order.
QStringList marksWhere(Database &db, const Criterion &given)
{
    const Criterion criterion = db.runnable(given);
    QString sql = QStringLiteral("SELECT RegNum FROM Form");
    if (!criterion.isEmpty())
        sql += QStringLiteral(" WHERE ") + criterion.sql;
    QStringList marks;
    for (const QVariantList &row :
         db.rows(sql + QStringLiteral(" ORDER BY RecordId"), criterion.params))
        marks << row.first().toString();
    return marks;
}

QString currentMark(const Recordset &rs)
{
    return rs.hasCurrent() ? rs.text("RegNum") : QString();
}

QList<QPushButton *> nineButtons(Form1 &w)
{
    return {w.Command3D18, w.Command3D15, w.Command3D14, w.Command3D19, w.Command3D13,
            w.Command3D12, w.Command3D17, w.Command3D16, w.Command3D27};
}

void fill(FindPanel *panel, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        panel->boxes().at(i)->setText(texts.at(i));
}

QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

QString tableSnapshot(TestWindow &t)
{
    QStringList records;
    for (const QVariantList &row :
         Database::open(t.place("Form337.mdb"))
             ->rows("SELECT RegNum, OwnerName, AgencyName FROM Form ORDER BY RecordId")) {
        QStringList values;
        for (const QVariant &value : row)
            values << (value.isNull() ? QStringLiteral("<Null>") : value.toString());
        records << values.join(u'|');
    }
    return records.join(u';');
}

}  // namespace

// Run on both engines: the window on data files, and on a server database.
class SearchTest : public QObject
{
    Q_OBJECT
public:
    explicit SearchTest(TestEngine engine = TestEngine::File)
        : m_engine(engine)
    { }

private slots:
    // The statement the boxes stand for, condition by condition in box order.
    void statementText_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("statement");
        const QString base = QString::fromLatin1(kBase);
        QTest::newRow("all empty") << boxes({}) << base;
        QTest::newRow("registration")
            << boxes({{Reg, "N12"}}) << base + " where RegNum Like \"N12*\"";
        QTest::newRow("registration and make")
            << boxes({{Reg, "N12"}, {Make, "Cessna"}})
            << base + " where RegNum Like \"N12*\" AND Make Like \"Cessna*\"";
        QTest::newRow("serial first")
            << boxes({{Serial, "172"}}) << base + " where Serial Like \"172*\"";
        QTest::newRow("series is Rating1")
            << boxes({{Series, "Sky"}}) << base + " where Rating1 Like \"Sky*\"";
        QTest::newRow("state with blank")
            << boxes({{State, " TX"}}) << base + " where OwnerAdd2 Like \"*, TX*\"";
        QTest::newRow("state without blank")
            << boxes({{State, "TX"}}) << base + " where OwnerAdd2 Like \"*,TX*\"";
        QTest::newRow("city and state")
            << boxes({{City, "Tulsa"}, {State, " TX"}})
            << base + " where OwnerAdd2 Like \"Tulsa*\" AND OwnerAdd2 Like \"*, TX*\"";
        QTest::newRow("unit model alone") << boxes({{UnitModel, "O-3"}})
                                          << base
                                                 + " where (PowModel Like \"O-3*\" OR ProModel "
                                                   "Like \"O-3*\" OR AppModel Like \"O-3*\")";
        QTest::newRow("owner then unit make")
            << boxes({{Owner, "*Smith"}, {UnitMake, "Lyc"}})
            << base
                   + " where OwnerName Like \"*Smith*\" AND (PowMake Like \"Lyc*\" OR ProMake Like "
                     "\"Lyc*\""
                     " OR AppMake Like \"Lyc*\")";
        QTest::newRow("every box, in order")
            << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}
            << base
                   + " where RegNum Like \"a*\" AND Serial Like \"b*\" AND Make Like \"c*\" AND "
                     "Model Like \"d*\""
                     " AND Rating1 Like \"e*\" AND OwnerName Like \"f*\" AND OwnerAdd2 Like \"g*\""
                     " AND OwnerAdd2 Like \"*,h*\" AND (PowMake Like \"i*\" OR ProMake Like \"i*\" "
                     "OR AppMake Like \"i*\")"
                     " AND (PowModel Like \"j*\" OR ProModel Like \"j*\" OR AppModel Like \"j*\")"
                     " AND AgencyName Like \"k*\"";
        QTest::newRow("blanks kept as typed")
            << boxes({{Make, " "}}) << base + " where Make Like \" *\"";
        QTest::newRow("double quote doubled") << boxes({{Agency, "Acme \"Best"}})
                                              << base + " where AgencyName Like \"Acme \"\"Best*\"";
    }

    void statementText()
    {
        QFETCH(QStringList, texts);
        const SearchConditions conditions(texts);
        QTEST(conditions.statement(), "statement");
        QCOMPARE(conditions.isEmpty(), conditions.criterion().isEmpty());
    }

    // The criterion carries the typed text only as bound values.
    void typedTextIsBoundNeverSql_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("double quote") << "O\"Hare";
        QTest::newRow("single quote") << "O'Brien";
        QTest::newRow("statement") << "x' OR 1=1 --";
        QTest::newRow("backslash and bracket") << "a\\b[c";
    }

    void typedTextIsBoundNeverSql()
    {
        QFETCH(QString, typed);
        const SearchConditions conditions(boxes({{Owner, typed}, {UnitMake, typed}}));
        const Criterion c = conditions.criterion();
        QVERIFY(!c.sql.contains(typed));
        QVERIFY(c.params.contains(typed + "*"));
        QCOMPARE(conditions.conditions().size(), 2);
        QCOMPARE(conditions.conditions().at(1).fields,
                 (QStringList{"PowMake", "ProMake", "AppMake"}));
    }

    void panelHasItsBoxesLabelsAndLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("limit");
        QTest::newRow("1") << "Text36"
                           << "Registration Mark" << 20;
        QTest::newRow("2") << "Text35"
                           << "Serial Number" << 15;
        QTest::newRow("3") << "Text28"
                           << "Make" << 40;
        QTest::newRow("4") << "Text27"
                           << "Model" << 30;
        QTest::newRow("5") << "Text34"
                           << "Series" << 30;
        QTest::newRow("6") << "Text32"
                           << "Owner Name" << 30;
        QTest::newRow("7") << "Text30"
                           << "City" << 20;
        QTest::newRow("8") << "Text33"
                           << "State (try a space in front)" << 32767;
        QTest::newRow("9") << "Text31"
                           << "Unit Make" << 30;
        QTest::newRow("10") << "Text29"
                            << "Unit Model" << 20;
        QTest::newRow("11") << "Text37"
                            << "Agency Name" << 32767;
    }

    void panelHasItsBoxesLabelsAndLimits()
    {
        QFETCH(QString, name);
        FindPanel panel;
        const int order = QString::fromLatin1(QTest::currentDataTag()).toInt() - 1;
        QLineEdit *box = panel.findChild<QLineEdit *>(name);
        QVERIFY(box);
        QCOMPARE(panel.boxes().at(order), box);
        // The typing limit: the validator's, or none (the box's own default of 32767).
        const auto *limit = qobject_cast<const TypingLengthValidator *>(box->validator());
        QTEST(limit ? limit->maxLength() : box->maxLength(), "limit");
        QLabel *label = nullptr;
        for (QLabel *l : panel.findChildren<QLabel *>())
            if (l->buddy() == box)
                label = l;
        QVERIFY(label);
        QTEST(label->text(), "label");
        // Tab runs through the boxes in search order, then on to the buttons.
        QWidget *next = nextTabStop(box);
        QCOMPARE(next, order < 10 ? static_cast<QWidget *>(panel.boxes().at(order + 1))
                                  : static_cast<QWidget *>(panel.Command3D7));
    }

    void panelTextsAndButtons()
    {
        FindPanel panel;
        QCOMPARE(panel.objectName(), QStringLiteral("Panel3D3"));
        QStringList texts;
        for (QLabel *l : panel.findChildren<QLabel *>())
            texts << l->text();
        QVERIFY(texts.contains("Find Match"));
        QVERIFY(texts.contains(
            "Enter the value you wish to match in the appropriate section(s). Begin by clicking "
            "Find First or Find Last."));
        QCOMPARE(panel.findChild<QPushButton *>("Command3D7")->text(),
                 QStringLiteral("Find First"));
        QCOMPARE(panel.findChild<QPushButton *>("Command3D9")->text(), QStringLiteral("Find Last"));
        QCOMPARE(panel.findChild<QPushButton *>("Command3D10")->text(),
                 QStringLiteral("Show All Records"));
        QCOMPARE(nextTabStop(panel.Command3D7), panel.Command3D9);
        QCOMPARE(nextTabStop(panel.Command3D9), panel.Command3D10);
    }

    void findOpensThePanel()
    {
        TestWindow t(m_engine);
        t.install();
        Form1 &w = t.open();
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Command3D27->click();
        QVERIFY(w.Panel3D3->isVisible());
        QCOMPARE(w.Panel3D3->pos(), QPoint(twipsToPixels(2295, &w), twipsToPixels(2340, &w)));
        QCOMPARE(w.NewFormFlag, 0);
        for (QPushButton *b : nineButtons(w))
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(w.Panel3D3->Text36->hasFocus());
        // The panel lies over the form screen.
        QVERIFY(w.Panel3D3->parentWidget()->childAt(w.Panel3D3->geometry().center()) != w.Panel3D1);
    }

    // The panel is dragged by its background, labels included; its boxes keep their clicks.
    void panelIsDraggedByItsLabels()
    {
        TestWindow t(m_engine);
        t.install();
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Command3D27->click();
        const QPoint start = w.Panel3D3->pos();
        QLabel *title = w.Panel3D3->findChild<QLabel *>("findTitle");
        QVERIFY(title);
        const QPoint grab = title->mapTo(w.Panel3D3, QPoint(5, 5));
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(w.Panel3D3, grab + QPoint(40, 25));
        QTest::mouseRelease(w.Panel3D3, Qt::LeftButton, {}, grab + QPoint(40, 25));
        QCOMPARE(w.Panel3D3->pos(), start + QPoint(40, 25));
    }

    void findHidesAnOpenSetupPanel()
    {
        TestWindow t(m_engine);
        t.install();
        Form1 &w = t.open();
        w.Command3D18->click();
        QVERIFY(!w.Panel3D7->isHidden());
        w.searchHandlers().Command3D27_Click();
        QVERIFY(w.Panel3D7->isHidden());
        QCOMPARE(w.Command3D18->text(), QStringLiteral("Set-up"));
        QVERIFY(!w.Panel3D3->isHidden());
    }

    // What each box finds among the stored forms, on real files.
    void searchFinds_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("N1: prefix, case ignored")
            << boxes({{Reg, "N1"}}) << QStringList{"N123", "n1ab"};
        QTest::newRow("n1 lower case") << boxes({{Reg, "n1"}}) << QStringList{"N123", "n1ab"};
        QTest::newRow("X only at the start") << boxes({{Reg, "X"}}) << QStringList{"XN1"};
        QTest::newRow("typed range") << boxes({{Reg, "N[2-9]"}}) << QStringList{"N9Q"};
        QTest::newRow("typed negated range")
            << boxes({{Reg, "N[!2-9]"}}) << QStringList{"N123", "n1ab"};
        QTest::newRow("typed digit") << boxes({{Reg, "N#"}}) << QStringList{"N123", "n1ab", "N9Q"};
        QTest::newRow("typed one character") << boxes({{Reg, "?N"}}) << QStringList{"XN1"};
        QTest::newRow("serial") << boxes({{Serial, "1727"}}) << QStringList{"N123"};
        QTest::newRow("make") << boxes({{Make, "cessna"}}) << QStringList{"N123", "XN1"};
        QTest::newRow("model") << boxes({{Model, "PA"}}) << QStringList{"n1ab"};
        QTest::newRow("series") << boxes({{Series, "Sky"}}) << QStringList{"N123", "XN1"};
        QTest::newRow("owner at start") << boxes({{Owner, "Smith"}}) << QStringList{"XN1"};
        QTest::newRow("owner anywhere")
            << boxes({{Owner, "*Smith"}}) << QStringList{"N123", "XN1", "N9Q"};
        QTest::newRow("single quote") << boxes({{Owner, "Mary O'"}}) << QStringList{"n1ab"};
        QTest::newRow("city") << boxes({{City, "Tul"}}) << QStringList{"N123"};
        QTest::newRow("state with blank") << boxes({{State, " TX"}}) << QStringList{"N123", "n1ab"};
        QTest::newRow("state without blank") << boxes({{State, "TX"}}) << QStringList{"XN1"};
        QTest::newRow("unit make powerplant") << boxes({{UnitMake, "lyc"}}) << QStringList{"N123"};
        QTest::newRow("unit make propeller") << boxes({{UnitMake, "McC"}}) << QStringList{"n1ab"};
        QTest::newRow("unit make appliance") << boxes({{UnitMake, "Gar"}}) << QStringList{"XN1"};
        QTest::newRow("unit model") << boxes({{UnitModel, "1A"}}) << QStringList{"n1ab"};
        QTest::newRow("unit model any kind")
            << boxes({{UnitModel, "*2"}}) << QStringList{"N123", "N9Q"};
        QTest::newRow("agency with double quote")
            << boxes({{Agency, "Acme \"Best\""}}) << QStringList{"n1ab"};
        QTest::newRow("backslash and lone bracket")
            << boxes({{Agency, "Back\\slash [Shop"}}) << QStringList{"XN1"};
        QTest::newRow("closed bracket is a set")
            << boxes({{Agency, "Back\\slash [S]hop"}}) << QStringList{};
        QTest::newRow("make and state")
            << boxes({{Make, "Cessna"}, {State, " TX"}}) << QStringList{"N123"};
        QTest::newRow("owner, unit model, agency")
            << boxes({{Owner, "*Smith"}, {UnitModel, "IO"}, {Agency, "Plains"}})
            << QStringList{"N9Q"};
        QTest::newRow("nothing") << boxes({{Reg, "ZZZ"}}) << QStringList{};
        QTest::newRow("owner inside")
            << boxes({{Owner, "*mith"}}) << QStringList{"N123", "XN1", "N9Q"};
        QTest::newRow("owner inside, empty set and case")
            << boxes({{Owner, "*Sm[]ITH"}}) << QStringList{"N123", "XN1", "N9Q"};
        QTest::newRow("owner starting with s") << boxes({{Owner, "smi"}}) << QStringList{"XN1"};
        QTest::newRow("serial inside") << boxes({{Serial, "*7790"}}) << QStringList{"n1ab"};
        QTest::newRow("unit make inside") << boxes({{UnitMake, "*OMING"}}) << QStringList{"N123"};
        QTest::newRow("agency, quotes inside")
            << boxes({{Agency, "*\"best\" a"}}) << QStringList{"n1ab"};
        QTest::newRow("state and owner inside")
            << boxes({{Owner, "*smith"}, {State, " K"}}) << QStringList{"N9Q"};
    }

    void searchFinds()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, marks);
        TestWindow t(m_engine);
        t.install();
        storeForms(t);
        Form1 &w = t.open();
        const QString before = tableSnapshot(t);

        w.Command3D27->click();
        fill(w.Panel3D3, texts);
        w.Panel3D3->Command3D7->click();  // Find First
        QCOMPARE(w.FindFromFirst, 1);
        QCOMPARE(currentMark(w.Data1), marks.value(0));
        QCOMPARE(resultMarks(w.Data1), marks);

        w.Command3D27->click();
        QCOMPARE(w.Panel3D3->boxTexts(), texts);  // the boxes keep what was typed
        w.Panel3D3->Command3D9->click();          // Find Last
        QCOMPARE(w.FindFromFirst, 0);
        QCOMPARE(currentMark(w.Data1), marks.isEmpty() ? QString() : marks.last());
        QCOMPARE(tableSnapshot(t), before);  // a search touches nothing stored

        // Narrowed by the indexes, and reading every record: the same forms.
        std::shared_ptr<Database> db = w.Data1.database();
        QCOMPARE(db->hasSearchIndex(), m_engine == TestEngine::File);
        const Criterion criterion = SearchConditions(texts).criterion();
        QCOMPARE(marksWhere(*db, criterion), marks);
        QCOMPARE(marksWhere(*db, criterion.scanning()), marks);
    }

    // ShowRecord belongs to the form screen's handlers; what the search decides
    // is the record Data1 stands on, and that the screen is left alone on no match.
    void noMatchTellsAndGivesTheButtonsBack()
    {
        TestWindow t(m_engine);
        t.install();
        storeForms(t);
        Form1 &w = t.open();
        w.Panel3D1->Combo1[0]->setEditText(QStringLiteral("N55"));
        w.Command3D27->click();
        w.Panel3D3->Text36->setText(QStringLiteral("ZZZ"));
        w.Panel3D3->Command3D7->click();

        // The typed mark is unsaved work: Find asks about it first (the script discards it).
        QCOMPARE(t.messages.asked.size(), 2);
        QCOMPARE(t.messages.asked.first().text,
                 QStringLiteral("Save the changes to the form for N55?"));
        const Msg::Request &box = t.messages.asked.last();
        QCOMPARE(box.text, QStringLiteral("No matches found within database"));
        QCOMPARE(box.title, QStringLiteral("Search Results"));
        QCOMPARE(box.buttons, Msg::Buttons::Ok);
        QCOMPARE(box.icon, Msg::Icon::None);
        QVERIFY(w.Panel3D3->isHidden());
        for (QPushButton *b : nineButtons(w))
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), QStringLiteral("N55"));
        QVERIFY(w.Data1.isEmpty());  // the empty result stays the record source
        QVERIFY(!w.Data1.filter().isEmpty());
    }

    void aMatchAsksNothing()
    {
        TestWindow t(m_engine);
        t.install();
        storeForms(t);
        Form1 &w = t.open();
        w.Command3D27->click();
        w.Panel3D3->Text28->setText(QStringLiteral("Beech"));
        w.Panel3D3->Command3D7->click();
        QVERIFY(t.messages.asked.isEmpty());
        QVERIFY(w.Panel3D3->isHidden());
        for (QPushButton *b : nineButtons(w))
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N9Q"));
    }

    void allBoxesEmptyFindsTheWholeTable()
    {
        TestWindow t(m_engine);
        t.install();
        storeForms(t);
        Form1 &w = t.open();
        w.Command3D27->click();
        w.Panel3D3->Command3D7->click();
        QVERIFY(w.Data1.filter().isEmpty());
        QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N123"));
        QCOMPARE(resultMarks(w.Data1), (QStringList{"N123", "n1ab", "XN1", "N9Q"}));
    }

    void showAllRecordsAfterAFilteredSearch()
    {
        TestWindow t(m_engine);
        t.install();
        storeForms(t);
        Form1 &w = t.open();
        w.Command3D27->click();
        w.Panel3D3->Text36->setText(QStringLiteral("N1"));
        w.Panel3D3->Text32->setText(QStringLiteral("Mary"));
        w.Panel3D3->Command3D7->click();
        QCOMPARE(resultMarks(w.Data1), QStringList{"n1ab"});

        w.Command3D27->click();
        w.Panel3D3->Command3D10->click();
        QCOMPARE(w.Panel3D3->boxTexts(), QStringList(11));
        QCOMPARE(w.FindFromFirst, 0);
        QVERIFY(w.Data1.filter().isEmpty());
        QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N9Q"));  // the last form of the table
        QCOMPARE(w.Data1.recordCount(), 4);
        QVERIFY(t.messages.asked.isEmpty());
    }

    // A search that takes long shows its progress; Cancel leaves the record shown before
    // and its record source, and the panel open with what was typed.
    void cancelLeavesThePreviousRecord()
    {
        if (m_engine == TestEngine::Server)
            QSKIP("the progress and Cancel of a long search are the data files' own so far");
        TestWindow t(m_engine);
        t.install();
        storeForms(t);
        // Enough forms for the engine to report its progress while it reads them all.
        t.exec("Form337.mdb",
               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
               "INSERT INTO Form (RegNum, OwnerName) SELECT 'Q' || i, 'Owner ' || i FROM n");
        Form1 &w = t.open();
        w.Command3D27->click();
        w.Panel3D3->Text28->setText(QStringLiteral("Beech"));
        w.Panel3D3->Command3D7->click();
        QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N9Q"));

        w.searchHandlers().showProgressAfterMs = 0;
        w.Command3D27->click();
        w.Panel3D3->Text28->clear();
        w.Panel3D3->Text32->setText(
            QStringLiteral("*z?"));  // no run to narrow by: every form is read
        bool shown = false;
        QTimer::singleShot(0, &w, [&] {
            if (auto *progress = w.findChild<QProgressDialog *>("searchProgress")) {
                shown = progress->isVisible();
                progress->cancel();
            }
        });
        w.Panel3D3->Command3D7->click();
        QVERIFY(shown);
        QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
        QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N9Q"));
        QCOMPARE(resultMarks(w.Data1), QStringList{"N9Q"});
        QVERIFY(!w.Panel3D3->isHidden());
        QCOMPARE(w.Panel3D3->Text32->text(), QStringLiteral("*z?"));

        // Without Cancel the same search runs to its end.
        w.Panel3D3->Command3D7->click();
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(t.messages.asked.first().text, QStringLiteral("No matches found within database"));
    }

    void resultIsWalkedUntilTheNextSearch()
    {
        TestWindow t(m_engine);
        t.install();
        storeForms(t);
        Form1 &w = t.open();
        w.Command3D27->click();
        w.Panel3D3->Text28->setText(QStringLiteral("Cessna"));
        w.Panel3D3->Command3D7->click();
        // Re-binding the data keeps the search as the record source.
        w.SetDataPaths();
        QCOMPARE(resultMarks(w.Data1), (QStringList{"N123", "XN1"}));
    }

private:
    TestEngine m_engine;
};

class SearchOnServerTest : public SearchTest
{
    Q_OBJECT
public:
    SearchOnServerTest()
        : SearchTest(TestEngine::Server)
    { }
};

REGISTER_TEST(SearchTest)
REGISTER_TEST(SearchOnServerTest)
#include "SearchTest.moc"
