#include "common/TestRegistry.h"
#include "ui/Dates.h"
#include "ui/ListFill.h"
#include "ui/QtMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>

#include <QtTest>

Q_DECLARE_METATYPE(Msg::Buttons)
Q_DECLARE_METATYPE(Msg::Answer)

// The shared helpers of the screens: date texts typed into the boxes, the leading-number
// rule for copies and totals, the long pick lists, and the message boxes' answers.
class HelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void longFormUsesEnglishMonthsAndTwoDigitDays()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Dates::longForm(QDate(2001, 3, 5)), QStringLiteral("March 05, 2001"));
        QCOMPARE(Dates::longForm(QDate(2026, 12, 7)), QStringLiteral("December 07, 2026"));
        QLocale::setDefault(saved);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("long form") << "March 17, 2011" << QDate(2011, 3, 17);
        QTest::newRow("long form, two-digit day") << "March 05, 2001" << QDate(2001, 3, 5);
        QTest::newRow("stored form") << "Mar/17/2011" << QDate(2011, 3, 17);
        QTest::newRow("iso") << "2011-03-17" << QDate(2011, 3, 17);
        QTest::newRow("month first without a locale") << "3/17/2011" << QDate(2011, 3, 17);
        QTest::newRow("two-digit year") << "3/17/11" << QDate(2011, 3, 17);
        QTest::newRow("blanks around") << "  3/17/2011 " << QDate(2011, 3, 17);
        QTest::newRow("no such day") << "13/45/2001" << QDate();
        QTest::newRow("words") << "next Tuesday" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("quote") << "3/17/2011\"" << QDate();
        QTest::newRow("february 30") << "2/30/2001" << QDate();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(Dates::parse(text), expected);
    }

    void shortFormReadsBack()
    {
        const QDate day(1999, 12, 31);
        QCOMPARE(Dates::parse(Dates::shortForm(day)), day);
    }

    void leadingValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("three") << "3" << 3.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("words after") << "3 copies" << 3.0;
        QTest::newRow("leading blanks") << "  7" << 7.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("words") << "words" << 0.0;
    }

    void leadingValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Numbers::leadingValue(text), value);
    }

    void longSortedListFindsAndInsertsByHalves_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("short list, searched in full") << 20;
        QTest::newRow("long list, searched by halves") << 3000;
    }

    void longSortedListFindsAndInsertsByHalves()
    {
        QFETCH(int, size);
        QComboBox combo;
        combo.setEditable(true);
        QStringList marks;
        for (int i = 0; i < size; ++i)
            marks << QStringLiteral("N%1").arg(10000 + 2 * i);  // sorted, every other number
        ListFill::replaceItems(&combo, marks);
        ListFill::setText(&combo, QStringLiteral("N10004"));
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(combo.currentText(), QStringLiteral("N10004"));
        ListFill::setText(&combo,
                          QStringLiteral("n10004"));  // another case: shown as given, not selected
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.currentText(), QStringLiteral("n10004"));

        ListFill::setText(&combo, QStringLiteral("N10004"));
        ListFill::insertSorted(&combo, QStringLiteral("N10001"));  // before the selection
        ListFill::insertSorted(&combo, QStringLiteral("n10001"));  // already there in another case
        ListFill::insertSorted(&combo, QStringLiteral("N99999"));  // at the end
        QCOMPARE(combo.count(), size + 2);
        QCOMPARE(combo.itemText(1), QStringLiteral("N10001"));
        QCOMPARE(combo.itemText(combo.count() - 1), QStringLiteral("N99999"));
        QCOMPARE(combo.currentIndex(), 3);  // still on N10004
        QCOMPARE(combo.currentText(), QStringLiteral("N10004"));
        QCOMPARE(ListFill::rowOf(&combo, QStringLiteral("N99999")), combo.count() - 1);
        QCOMPARE(ListFill::rowOf(&combo, QStringLiteral("N10003")), -1);
    }

    // The button pressed in a real message box is the answer; a box closed without a button
    // gives the choice that changes nothing.
    void messageBoxAnswers_data()
    {
        QTest::addColumn<Msg::Buttons>("buttons");
        QTest::addColumn<QString>("pressed");  // the button's text; empty: closed
        QTest::addColumn<Msg::Answer>("answer");
        using B = Msg::Buttons;
        using A = Msg::Answer;
        QTest::newRow("OK") << B::Ok << "OK" << A::Ok;
        QTest::newRow("OK closed") << B::Ok << "" << A::Ok;
        QTest::newRow("OK/Cancel: Cancel") << B::OkCancel << "Cancel" << A::Cancel;
        QTest::newRow("Yes/No: Yes") << B::YesNo << "&Yes" << A::Yes;
        QTest::newRow("Yes/No closed") << B::YesNo << "" << A::No;
        QTest::newRow("Yes/No/Cancel: No") << B::YesNoCancel << "&No" << A::No;
        QTest::newRow("Yes/No/Cancel closed") << B::YesNoCancel << "" << A::Cancel;
        QTest::newRow("Save/Discard/Cancel: Save") << B::SaveDiscardCancel << "Save" << A::Save;
        QTest::newRow("Save/Discard/Cancel: Discard")
            << B::SaveDiscardCancel << "Discard" << A::Discard;
        QTest::newRow("Save/Discard/Cancel closed") << B::SaveDiscardCancel << "" << A::Cancel;
        QTest::newRow("Import/Cancel: Import") << B::ImportCancel << "Import" << A::Ok;
        QTest::newRow("Import/Cancel closed") << B::ImportCancel << "" << A::Cancel;
    }

    void messageBoxAnswers()
    {
        QFETCH(Msg::Buttons, buttons);
        QFETCH(QString, pressed);
        QFETCH(Msg::Answer, answer);
        QString shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *button : box->buttons())
                shown += button->text() + QLatin1Char('|');
            for (QAbstractButton *button : box->buttons()) {
                if (!pressed.isEmpty() && button->text() == pressed)
                    return button->click();
            }
            box->reject();
        });
        QtMessageService messages;
        QCOMPARE(messages.ask({QStringLiteral("Text"), QStringLiteral("Title"), buttons,
                               Msg::Icon::Question, Msg::Answer::Ok}),
                 answer);
        QVERIFY2(pressed.isEmpty() || shown.contains(pressed + QLatin1Char('|')),
                 qPrintable(shown));
    }
};

REGISTER_TEST(HelpersTest)
#include "HelpersTest.moc"
