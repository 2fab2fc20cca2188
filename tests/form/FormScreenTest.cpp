#include "access/AdminPanel.h"
#include "common/TestRegistry.h"
#include "ui/CalendarButton.h"
#include "ui/Dates.h"

#include "form/FormScreen.h"
#include "form/FormTexts.h"
#include "ui/CapitalsLineEdit.h"
#include "ui/Clock.h"
#include "ui/ControlText.h"
#include "ui/MultiLineBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString Dashes34(34, QLatin1Char('-'));

// Every control of the screen in item order, as the members hold them.
QList<QWidget *> allControls(FormScreen &f)
{
    QList<QWidget *> all{f.Combo1[0], f.Combo1[1], f.Combo1[2], f.Text1[0], f.Text1[1]};
    all << f.Text2[0] << f.Text2[1] << f.Text2[2] << f.Text2[3] << f.Option1[0] << f.Option1[1];
    all << f.List1 << f.Text4[0] << f.Text4[1] << f.Label10 << f.Text5 << f.Text6;
    for (QLineEdit *box : f.Text7)
        all << box;
    for (QRadioButton *option : f.Option2)
        all << option;
    all << f.Check2 << f.Combo3 << f.Text16 << f.Option5[0] << f.Option5[1];
    for (QRadioButton *option : f.Option6)
        all << option;
    all << f.Text3 << f.Text13 << f.Combo5 << f.Text17 << f.txtFaaSentDate << f.txtFaaTracking;
    all << f.Combo13 << f.Text18;
    return all;
}

void showActive(FormScreen &form)
{
    form.resize(1280, 660);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

}  // namespace

class FormScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void calendarFillsTheDateBoxInItsFormat_data();
    void calendarFillsTheDateBoxInItsFormat();
    void boxesAreNamedByItemAndLabel_data();
    void boxesAreNamedByItemAndLabel();
    void controlHasKindAndDesignText_data();
    void controlHasKindAndDesignText();
    void everyMemberIsFoundByItsName();
    void tabOrderRunsItemByItem();
    void panelFitsTheWindowArea();

    void unitKindLayout_data();
    void unitKindLayout();
    void applianceShowsAndEmptiesManufacturerThenPowerplantHidesIt();
    void sameRowOrNoRowRunsNothing();
    void kindChangedWhileLayoutIsAppliedEndsInThatKind();

    void modelBoxCapitalisesTypedLettersOnly();
    void enterInModelBoxMovesToSerialBox();

    void dateFillers_data();
    void dateFillers();
    void signerOfItem7GetsApprovalNumber_data();
    void signerOfItem7GetsApprovalNumber();

    void optionGroupsClearAndStayExclusive();
    void registrationMarkSignals();

    void typingLimitNeverCutsTextSetByCode_data();
    void typingLimitNeverCutsTextSetByCode();
    void ownerNameTakesSeveralLinesWithinItsLimit();
    void uniformTextAccess_data();
    void uniformTextAccess();
    void listItemAddedKeepsComboText();

    void backPageCoversTheFormArea();
};

void FormScreenTest::controlHasKindAndDesignText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("designText");
    QTest::addColumn<bool>("hidden");

    const QString dash = FormTexts::DashLine;
    struct Row
    {
        const char *name;
        const char *kind;
        QString text;
        bool hidden;
    };
    const Row rows[] = {
        {"Combo1(0)", "QComboBox", "", false},
        {"Combo1(1)", "QComboBox", "", false},
        {"Combo1(2)", "QComboBox", "", false},
        {"Text1(0)", "QLineEdit", "", false},
        {"Text1(1)", "QLineEdit", "", false},
        {"Text2(0)", "MultiLineBox", "", false},
        {"Text2(1)", "QLineEdit", "Address", false},
        {"Text2(2)", "QLineEdit", "City & State", false},
        {"Text2(3)", "QLineEdit", "Zip & Country", false},
        {"Option1(0)", "QRadioButton", "Repair", false},
        {"Option1(1)", "QRadioButton", "Alteration", false},
        {"List1", "QListWidget", "", false},
        {"Text4(0)", "QLineEdit", dash, false},
        {"Text4(1)", "QLineEdit", dash, true},
        {"Label10", "QLabel", "Manufacturer", true},
        {"Text5", "CapitalsLineEdit", "(As described in Item 1 above)", false},
        {"Text6", "QLineEdit", Dashes34, false},
        {"Text7(0)", "QLineEdit", "Name", false},
        {"Text7(1)", "QLineEdit", "Address", false},
        {"Text7(2)", "QLineEdit", "City & State", false},
        {"Text7(3)", "QLineEdit", "Zip & Country", false},
        {"Text7(4)", "QLineEdit", "", false},
        {"Option2(0)", "QRadioButton", "U.S. Certificated Mechanic", false},
        {"Option2(1)", "QRadioButton", "Foreign Certificated Mechanic", false},
        {"Option2(2)", "QRadioButton", "Certificated Repair Station", false},
        {"Option2(3)", "QRadioButton", "Certificated Maintenance Organization", false},
        {"Option2(4)", "QRadioButton", "Manufacturer", false},
        {"Check2", "QCheckBox", "Extended range fuel per 14 CFR Part 43 App. B", false},
        {"Combo3", "QComboBox", "", false},
        {"Text16", "QLineEdit", "", false},
        {"Option5(0)", "QRadioButton", "Approved", false},
        {"Option5(1)", "QRadioButton", "Rejected", false},
        {"Option6(0)", "QRadioButton", "FAA Flt. Standards Inspector", false},
        {"Option6(1)", "QRadioButton", "Manufacturer", false},
        {"Option6(2)", "QRadioButton", "Maintenance Organization", false},
        {"Option6(3)", "QRadioButton", "Persons Approved by Canadian Department of Transportation",
         false},
        {"Option6(4)", "QRadioButton", "FAA Designee", false},
        {"Option6(5)", "QRadioButton", "Repair Station", false},
        {"Option6(6)", "QRadioButton", "Inspection Authorization", false},
        {"Text3", "QLineEdit", "", false},
        {"Text13", "QLineEdit", "", false},
        {"Combo5", "QComboBox", "", false},
        {"Text17", "QLineEdit", "", false},
        {"txtFaaSentDate", "QLineEdit", "", false},
        {"txtFaaTracking", "QLineEdit", "", false},
        {"Combo13", "QComboBox", "", true},
        {"Text18", "QPlainTextEdit", "", true},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromLatin1(row.kind)
                                << row.text << row.hidden;
}

void FormScreenTest::controlHasKindAndDesignText()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, designText);
    QFETCH(bool, hidden);

    FormScreen form;
    QCOMPARE(form.objectName(), QStringLiteral("Panel3D1"));
    const auto found = form.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *control = found.first();
    QVERIFY2(control->inherits(kind.toLatin1()), control->metaObject()->className());
    QCOMPARE(controlText(control), designText);
    QCOMPARE(control->isHidden(), hidden);
    if (auto combo = qobject_cast<QComboBox *>(control)) {
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    }
    if (auto option = qobject_cast<QRadioButton *>(control))
        QVERIFY(!option->isChecked());
}

void FormScreenTest::everyMemberIsFoundByItsName()
{
    FormScreen form;
    const QList<QWidget *> controls = allControls(form);
    QCOMPARE(controls.size(), 47);
    for (QWidget *control : controls) {
        QVERIFY(control);
        QCOMPARE(form.findChild<QWidget *>(control->objectName()), control);
    }
    QCOMPARE(form.Text18->parentWidget(), &form);
    QCOMPARE(form.Combo13->parentWidget(), &form);
    QCOMPARE(form.List1->count(), 4);
    const QStringList kinds{"Airframe", "Powerplant", "Propeller", "Appliance"};
    for (int row = 0; row < 4; ++row)
        QCOMPARE(form.List1->item(row)->text(), kinds[row]);
    QCOMPARE(form.List1->currentRow(), -1);
    QVERIFY(!form.Check2->isChecked());
}

void FormScreenTest::tabOrderRunsItemByItem()
{
    FormScreen form;
    QList<QWidget *> chain;
    QWidget *start = form.Combo1[0];
    for (QWidget *w = start; chain.size() < 500; w = w->nextInFocusChain()) {
        chain << w;
        if (w->nextInFocusChain() == start)
            break;
    }
    // Representatives of items 1, 2, 4, 5, 6, 7 and 8 in that order.
    const QList<QWidget *> milestones{
        form.Combo1[0],  form.Combo1[2], form.Text1[1], form.Text2[0], form.Text2[3],
        form.Option1[0], form.List1,     form.Text4[0], form.Text6,    form.Text7[0],
        form.Option2[0], form.Text7[4],  form.Combo3,   form.Text16,   form.Option5[0],
        form.Option6[0], form.Text13,    form.Combo5,   form.Text18};
    qsizetype previous = -1;
    for (QWidget *milestone : milestones) {
        const qsizetype at = chain.indexOf(milestone);
        QVERIFY2(at > previous, qPrintable(milestone->objectName()));
        previous = at;
    }
}

void FormScreenTest::panelFitsTheWindowArea()
{
    FormScreen form;
    QVERIFY(form.minimumSizeHint().width() <= 1280);
    QVERIFY(form.minimumSizeHint().height() <= 660);
    QVERIFY(form.sizeHint().width() <= 1280);
    QVERIFY(form.sizeHint().height() <= 660);

    // Laid out at 1280 x 660 with the tallest unit layout, nothing sticks out of the panel.
    form.resize(1280, 660);
    form.show();
    form.List1->setCurrentRow(3);
    QApplication::processEvents();
    const QRect panel = form.rect();
    for (QWidget *control : allControls(form)) {
        if (!control->isVisible())
            continue;
        const QRect area(control->mapTo(&form, QPoint(0, 0)), control->size());
        QVERIFY2(panel.contains(area), qPrintable(control->objectName()));
        if (!qobject_cast<QListWidget *>(control))  // the unit list is sized to its four entries
            QVERIFY2(control->height() >= control->minimumSizeHint().height(),
                     qPrintable(control->objectName()));
    }
}

void FormScreenTest::unitKindLayout_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("manufacturerShown");
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("focus");

    const QString dash = FormTexts::DashLine;
    QTest::newRow("Airframe") << 0 << false << dash << FormTexts::AsDescribed << dash << false
                              << "Text7(0)";
    QTest::newRow("Powerplant") << 1 << false << ""
                                << ""
                                << "" << true << "Text4(0)";
    QTest::newRow("Propeller") << 2 << false << ""
                               << ""
                               << "" << true << "Text4(0)";
    QTest::newRow("Appliance") << 3 << true << ""
                               << ""
                               << "" << true << "Text4(0)";
}

void FormScreenTest::unitKindLayout()
{
    QFETCH(int, row);
    QFETCH(bool, manufacturerShown);
    QFETCH(QString, make);
    QFETCH(QString, model);
    QFETCH(QString, serial);
    QFETCH(bool, enabled);
    QFETCH(QString, focus);

    FormScreen form;
    showActive(form);
    // Start from the other layout kind with typed values in the boxes.
    form.List1->setCurrentRow(row == 0 ? 1 : 0);
    for (QLineEdit *box : {form.Text4[0], form.Text5, form.Text6})
        box->setText(QStringLiteral("typed"));
    form.Combo1[0]->setFocus();

    form.List1->setCurrentRow(row);

    QCOMPARE(form.Text4[1]->isVisible(), manufacturerShown);
    QCOMPARE(form.Label10->isVisible(), manufacturerShown);
    QCOMPARE(form.Text4[0]->text(), make);
    QCOMPARE(form.Text5->text(), model);
    QCOMPARE(form.Text6->text(), serial);
    for (QLineEdit *box : {form.Text4[0], form.Text5, form.Text6})
        QCOMPARE(box->isEnabled(), enabled);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void FormScreenTest::applianceShowsAndEmptiesManufacturerThenPowerplantHidesIt()
{
    FormScreen form;
    form.show();
    QCOMPARE(form.Text4[1]->text(), FormTexts::DashLine);
    form.List1->setCurrentRow(3);
    QVERIFY(form.Text4[1]->isVisible());
    QCOMPARE(form.Text4[1]->text(), QString());

    form.Text4[1]->setText(QStringLiteral("Bendix"));
    form.List1->setCurrentRow(1);
    QVERIFY(!form.Text4[1]->isVisible());
    QVERIFY(!form.Label10->isVisible());
    QCOMPARE(form.Text4[1]->text(), QStringLiteral("Bendix"));

    form.List1->setCurrentRow(0);
    QCOMPARE(form.Text4[1]->text(), QStringLiteral("Bendix"));
}

void FormScreenTest::sameRowOrNoRowRunsNothing()
{
    FormScreen form;
    form.List1->setCurrentRow(1);
    form.Text4[0]->setText(QStringLiteral("Lycoming"));

    form.List1->setCurrentRow(1);  // already selected: the boxes are not emptied again
    QCOMPARE(form.Text4[0]->text(), QStringLiteral("Lycoming"));

    form.List1->setCurrentRow(-1);  // no selection: nothing happens, nothing shows selected
    QCOMPARE(form.Text4[0]->text(), QStringLiteral("Lycoming"));
    QVERIFY(form.Text4[0]->isEnabled());
    QVERIFY(form.List1->selectedItems().isEmpty());

    form.List1->setCurrentRow(1);  // from no selection back to a kind: the layout applies
    QCOMPARE(form.Text4[0]->text(), QString());
}

void FormScreenTest::kindChangedWhileLayoutIsAppliedEndsInThatKind()
{
    FormScreen form;
    form.show();
    // Someone reacting to the airframe sentence switches the kind to Propeller at once.
    form.Text5->clear();
    bool switched = false;
    QObject::connect(form.Text5, &QLineEdit::textChanged, &form, [&](const QString &text) {
        if (text == FormTexts::AsDescribed && !switched) {
            switched = true;
            form.List1->setCurrentRow(2);
        }
    });
    form.List1->setCurrentRow(0);

    QCOMPARE(form.List1->currentRow(), 2);
    QCOMPARE(form.Text5->text(), QString());
    QCOMPARE(form.Text4[0]->text(), QString());
    QVERIFY(form.Text5->isEnabled());
    QVERIFY(!form.Text4[1]->isVisible());
}

void FormScreenTest::modelBoxCapitalisesTypedLettersOnly()
{
    FormScreen form;
    form.Text5->setText(QStringLiteral("code-set model"));
    QCOMPARE(form.Text5->text(), QStringLiteral("code-set model"));

    form.Text5->end(false);
    QTest::keyClicks(form.Text5, QStringLiteral(" abc"));
    QCOMPARE(form.Text5->text(), QStringLiteral("code-set model ABC"));

    form.Text5->clear();
    QTest::keyClicks(form.Text5, QStringLiteral("io-540 Zz9"));
    QCOMPARE(form.Text5->text(), QStringLiteral("IO-540 ZZ9"));
    // A letter outside a-z is passed on unchanged.
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(form.Text5, &accented);
    QCOMPARE(form.Text5->text(), QStringLiteral("IO-540 ZZ9\u00e9"));
}

void FormScreenTest::enterInModelBoxMovesToSerialBox()
{
    FormScreen form;
    showActive(form);
    form.List1->setCurrentRow(1);
    form.Text5->setFocus();
    QTest::keyClicks(form.Text5, QStringLiteral("o-360"));
    QTest::keyClick(form.Text5, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.Text6));
    QCOMPARE(form.Text5->text(), QStringLiteral("O-360"));
}

void FormScreenTest::dateFillers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");

    QTest::newRow("signer of item 6 picked") << "Combo3"
                                             << "Text16";
    QTest::newRow("signer of item 7 picked") << "Combo5"
                                             << "Text17";
    QTest::newRow("double-click item 6 date") << "Text16"
                                              << "Text16";
    QTest::newRow("double-click item 7 date") << "Text17"
                                              << "Text17";
}

void FormScreenTest::dateFillers()
{
    QFETCH(QString, action);
    QFETCH(QString, target);

    FormScreen form;
    FixedClock clock(QDate(2001, 3, 5));
    form.setClock(&clock);
    form.show();
    auto *box = form.findChild<QLineEdit *>(target);
    box->setText(QStringLiteral("earlier text"));

    QWidget *control = form.findChild<QWidget *>(action);
    if (auto combo = qobject_cast<QComboBox *>(control)) {
        combo->addItems({QStringLiteral("A. Smith"), QStringLiteral("B. Jones")});
        combo->setCurrentIndex(0);
        QTest::keyClick(combo, Qt::Key_Down);  // the user picks the next name
        QCOMPARE(combo->currentText(), QStringLiteral("B. Jones"));
    } else {
        QTest::mouseDClick(control, Qt::LeftButton);
    }
    QCOMPARE(box->text(), QStringLiteral("March 05, 2001"));

    clock.set(QDate(2026, 12, 7));
    QTest::mouseDClick(box, Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("December 07, 2026"));
}

void FormScreenTest::calendarFillsTheDateBoxInItsFormat_data()
{
    QTest::addColumn<bool>("onForm");  // else the statistics' period on the administration panel
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    const QDate day(2011, 3, 17);
    QTest::newRow("item 6 date") << true << "Text16"
                                 << "March 17, 2011";
    QTest::newRow("item 7 date") << true << "Text17"
                                 << "March 17, 2011";
    QTest::newRow("period start") << false << "Text47(11)" << Dates::shortForm(day);
    QTest::newRow("period end") << false << "Text47(13)" << Dates::shortForm(day);
}

void FormScreenTest::calendarFillsTheDateBoxInItsFormat()
{
    QFETCH(bool, onForm);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    FormScreen form;
    AdminPanel admin;
    QWidget *panel = onForm ? static_cast<QWidget *>(&form) : &admin;
    auto *date = panel->findChild<QLineEdit *>(box);
    auto *calendar = panel->findChild<CalendarButton *>(box + QStringLiteral("Calendar"));
    QVERIFY(date && calendar);
    date->setText(QStringLiteral("typed"));  // typing stays possible
    QCOMPARE(date->text(), QStringLiteral("typed"));
    calendar->pick(QDate(2011, 3, 17));
    QCOMPARE(date->text(), expected);
}

void FormScreenTest::boxesAreNamedByItemAndLabel_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::newRow("owner's city") << "Text2(2)"
                                  << "Item 2, Owner's city & state";
    QTest::newRow("unit make, inside its own frame") << "Text4(0)"
                                                     << "Item 5, Unit make";
    QTest::newRow("unit list") << "List1"
                               << "Item 5, Kind of unit";
    QTest::newRow("approval date") << "Text17"
                                   << "Item 7, Approval date";
    QTest::newRow("description") << "Text18"
                                 << "Item 8, Description of work";
}

void FormScreenTest::boxesAreNamedByItemAndLabel()
{
    QFETCH(QString, box);
    QFETCH(QString, name);
    FormScreen form;
    auto *control = form.findChild<QWidget *>(box);
    QVERIFY(control);
    QCOMPARE(control->accessibleName(), name);
}

void FormScreenTest::signerOfItem7GetsApprovalNumber_data()
{
    QTest::addColumn<int>("picked");
    QTest::addColumn<QString>("number");

    QTest::newRow("first signer") << 0 << "DMIR-100";
    QTest::newRow("third signer") << 2 << "DMIR-300";
    QTest::newRow("signer without number") << 3 << "";
}

void FormScreenTest::signerOfItem7GetsApprovalNumber()
{
    QFETCH(int, picked);
    QFETCH(QString, number);

    FormScreen form;
    // Item 7 is captioned as on the paper form.
    auto *item7 = qobject_cast<QGroupBox *>(form.Combo5->parentWidget());
    QVERIFY(item7);
    QCOMPARE(item7->title(), QStringLiteral("7. Approval for Return to Service"));
    FixedClock clock(QDate(2011, 3, 17));
    form.setClock(&clock);
    const QStringList numbers{"DMIR-100", "DMIR-200", "DMIR-300"};
    form.setApprovalNumbers(&numbers);
    form.Combo5->addItems({"Ann", "Bob", "Cy", "Dee"});
    form.Text13->setText(QStringLiteral("old number"));

    form.Combo5->setCurrentIndex(picked);
    emit form.Combo5->activated(picked);

    QCOMPARE(form.Text13->text(), number);
    QCOMPARE(form.Text17->text(), QStringLiteral("March 17, 2011"));
    QCOMPARE(form.Text16->text(), QString());  // item 6 is not dated by item 7's signer

    form.setApprovalNumbers(std::function<QString(int)>{});
    emit form.Combo5->activated(picked);
    QCOMPARE(form.Text13->text(), QString());
}

void FormScreenTest::optionGroupsClearAndStayExclusive()
{
    FormScreen form;
    const std::span<QRadioButton *const> groups[]
        = {form.Option1, form.Option2, form.Option5, form.Option6};
    for (const auto &group : groups) {
        const int last = int(group.size()) - 1;
        QVERIFY(FormScreen::selectOption(group, last));
        QCOMPARE(FormScreen::selectedIndex(group), last);
        FormScreen::clearOptions(group);
        QCOMPARE(FormScreen::selectedIndex(group), -1);
        // Exclusive again after clearing: picking one button releases the other.
        QVERIFY(FormScreen::selectOption(group, 0));
        QVERIFY(FormScreen::selectOption(group, 1));
        QVERIFY(!group[0]->isChecked());
        QCOMPARE(FormScreen::selectedIndex(group), 1);
        QVERIFY(!FormScreen::selectOption(group, last + 1));
        QVERIFY(!FormScreen::selectOption(group, -1));
        QCOMPARE(FormScreen::selectedIndex(group), 1);
    }
    // The groups are independent although items 6 and 7 share frames with several groups.
    FormScreen::selectOption(form.Option5, 1);
    FormScreen::selectOption(form.Option6, 3);
    FormScreen::selectOption(form.Option2, 2);
    QCOMPARE(FormScreen::selectedIndex(form.Option5), 1);
    QCOMPARE(FormScreen::selectedIndex(form.Option6), 3);
    QCOMPARE(FormScreen::selectedIndex(form.Option2), 2);
    QCOMPARE(FormScreen::selectedIndex(form.Option1), 1);
}

void FormScreenTest::registrationMarkSignals()
{
    FormScreen form;
    form.show();
    QSignalSpy typed(&form, &FormScreen::registrationMarkTyped);
    QSignalSpy picked(&form, &FormScreen::Combo1_Click);

    QTest::keyClicks(form.Combo1[2], QStringLiteral("172"));  // no mark yet
    QCOMPARE(typed.count(), 0);
    setControlText(form.Combo1[0], QStringLiteral("N123"));  // set by code, not typed
    QCOMPARE(typed.count(), 0);

    form.Combo1[0]->setEditText(QString());
    QTest::keyClicks(form.Combo1[0], QStringLiteral("N1"));
    QCOMPARE(typed.count(), 2);
    QTest::keyClicks(form.Combo1[2],
                     QStringLiteral("S"));  // the model box alone, once a mark is there
    QCOMPARE(typed.count(), 3);
    QCOMPARE(picked.count(), 0);

    form.Combo1[1]->addItems({"Cessna", "Piper"});
    form.Combo1[1]->setCurrentIndex(0);
    QTest::keyClick(form.Combo1[1], Qt::Key_Down);
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.first().first().toInt(), 1);
    QCOMPARE(typed.count(), 3);  // a pick is no typing
}

void FormScreenTest::typingLimitNeverCutsTextSetByCode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");

    QTest::newRow("registration mark") << "Combo1(0)" << 20;
    QTest::newRow("make") << "Combo1(1)" << 40;
    QTest::newRow("serial") << "Text1(0)" << 30;
    QTest::newRow("owner address") << "Text2(1)" << 100;
    QTest::newRow("unit model") << "Text5" << 50;
    QTest::newRow("agency certificate") << "Text7(4)" << 30;
    QTest::newRow("item 7 signer") << "Combo5" << 50;
    QTest::newRow("approval certificate") << "Text13" << 30;
}

void FormScreenTest::typingLimitNeverCutsTextSetByCode()
{
    QFETCH(QString, name);
    QFETCH(int, limit);

    FormScreen form;
    form.show();
    QWidget *control = form.findChild<QWidget *>(name);
    auto combo = qobject_cast<QComboBox *>(control);
    QLineEdit *box = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control);
    QVERIFY(box);

    box->clear();
    QTest::keyClicks(box, QString(limit + 5, QLatin1Char('7')));
    QCOMPARE(controlText(control).size(), limit);

    const QString stored(limit + 10, QLatin1Char('8'));
    setControlText(control, stored);
    QCOMPARE(controlText(control), stored);
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("99"));
    QCOMPARE(controlText(control), stored);  // a long stored text does not grow by typing
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QVERIFY(controlText(control).size() < stored.size());  // a long stored text can be shortened
}

void FormScreenTest::ownerNameTakesSeveralLinesWithinItsLimit()
{
    FormScreen form;
    form.show();
    auto *owner = qobject_cast<MultiLineBox *>(form.Text2[0]);
    QVERIFY(owner);
    QVERIFY(owner->tabChangesFocus());
    QTest::keyClicks(owner, QStringLiteral("John Doe"));
    QTest::keyClick(owner, Qt::Key_Return);
    QTest::keyClicks(owner, QStringLiteral("Jane Doe"));
    QCOMPARE(controlText(owner), QStringLiteral("John Doe\nJane Doe"));

    owner->clear();
    QTest::keyClicks(owner, QString(260, QLatin1Char('x')));
    QCOMPARE(controlText(owner).size(), 255);

    const QString stored(300, QLatin1Char('y'));
    setControlText(owner, stored);
    QCOMPARE(controlText(owner), stored);
    QTest::keyClicks(owner, QStringLiteral("zz"));
    QCOMPARE(controlText(owner), stored);
}

void FormScreenTest::uniformTextAccess_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");

    QTest::newRow("line edit") << "Text7(0)"
                               << "Acme Aero"
                               << "Acme Aero";
    QTest::newRow("owner name CR/LF") << "Text2(0)"
                                      << "John Doe\r\nJane Doe"
                                      << "John Doe\nJane Doe";
    QTest::newRow("description") << "Text18"
                                 << "Line 1\r\nLine 2\rLine 3"
                                 << "Line 1\nLine 2\nLine 3";
    QTest::newRow("combo edit text") << "Combo1(1)"
                                     << "Not In List"
                                     << "Not In List";
    QTest::newRow("signer combo") << "Combo3"
                                  << "Somebody"
                                  << "Somebody";
    QTest::newRow("title combo") << "Combo13"
                                 << "A title"
                                 << "A title";
    QTest::newRow("emptied") << "Text2(1)"
                             << ""
                             << "";
}

void FormScreenTest::uniformTextAccess()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(QString, read);

    FormScreen form;
    form.Combo1[1]->addItems({"Cessna", "Piper"});
    form.Combo1[1]->setCurrentIndex(-1);
    QWidget *control = form.findChild<QWidget *>(name);
    setControlText(control, written);
    QCOMPARE(controlText(control), read);
    if (auto combo = qobject_cast<QComboBox *>(control))
        QCOMPARE(combo->currentIndex(), -1);
}

void FormScreenTest::listItemAddedKeepsComboText()
{
    FormScreen form;
    setControlText(form.Combo1[1], QStringLiteral("Typed Make"));
    addListItem(form.Combo1[1], QStringLiteral("Beech"));
    addListItem(form.Combo1[1], QStringLiteral("Mooney"));
    QCOMPARE(form.Combo1[1]->count(), 2);
    QCOMPARE(controlText(form.Combo1[1]), QStringLiteral("Typed Make"));
    QCOMPARE(form.Combo1[1]->currentIndex(), -1);
}

void FormScreenTest::backPageCoversTheFormArea()
{
    FormScreen form;
    form.resize(1280, 660);
    form.show();
    QVERIFY(!form.isBackPageShown());
    form.Text18->setPlainText(QStringLiteral("Replaced left wing spar."));

    form.setBackPageShown(true);
    QVERIFY(form.isBackPageShown());
    QVERIFY(form.Combo13->isVisible());
    QVERIFY(form.Text18->isVisible());
    QVERIFY(!form.Text7[0]->isVisible());
    QVERIFY(!form.Combo1[0]->isVisible());
    QCOMPARE(form.Combo13->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(form.Combo13->width(), form.width());
    QCOMPARE(form.Text18->y(), form.Combo13->height());
    QCOMPARE(form.Text18->width(), form.width());
    QCOMPARE(form.Text18->geometry().bottom(), form.rect().bottom());
    QCOMPARE(form.Text18->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    form.resize(1200, 600);  // the back page follows the panel's size
    QCOMPARE(form.Combo13->width(), 1200);
    QCOMPARE(form.Text18->geometry().bottom(), 599);

    form.setBackPageShown(false);
    QVERIFY(!form.isBackPageShown());
    QVERIFY(form.Combo13->isHidden());
    QVERIFY(form.Combo1[0]->isVisible());
    QCOMPARE(form.Text18->toPlainText(), QStringLiteral("Replaced left wing spar."));
}

REGISTER_TEST(FormScreenTest)
#include "FormScreenTest.moc"
