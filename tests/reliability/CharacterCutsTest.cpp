#include "CharacterCutsTest.h"
#include "common/TestRegistry.h"

#include "common/TestWindow.h"
#include "data/Criterion.h"
#include "data/JetPattern.h"
#include "data/Recordset.h"
#include "print/LineBreaking.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

// Every UTF-16 unit 100 units wide, as a font measures a lone half of a pair (a box).
double unitWidth(const QString &text)
{
    return 100.0 * text.size();
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x9B\xA9");  // U+1F6E9, two UTF-16 units

bool splitsPair(const QString &line)
{
    return !line.isEmpty() && (line.front().isLowSurrogate() || line.back().isHighSurrogate());
}

}  // namespace

void CharacterCutsTest::descriptionHardCutKeepsPairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    // 99 letters and the first half of the emoji fill the 10000 units exactly.
    QTest::newRow("pair at the hard cut")
        << QString(99, u'a') + kEmoji + "b" << QStringList{QString(99, u'a'), kEmoji + "b"};
    QTest::newRow("run of emoji after a letter")
        << "a" + kEmoji.repeated(60) << QStringList{"a" + kEmoji.repeated(49), kEmoji.repeated(11)};
}

void CharacterCutsTest::descriptionHardCutKeepsPairs()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const QStringList got = LineBreaking::descriptionLines(text, unitWidth);
    QCOMPARE(got, lines);
    for (const QString &line : got)
        QVERIFY2(!splitsPair(line), qPrintable(line));
}

void CharacterCutsTest::ownerNameLastLineKeepsPairs()
{
    // The last line keeps 120 units at most; the 120th is the first half of an emoji.
    const QString name = QString(119, u'X') + kEmoji + "YZ";
    const QStringList lines = LineBreaking::ownerNameLines(name, unitWidth);
    QCOMPARE(lines, QStringList{QString(119, u'X')});
}

void CharacterCutsTest::searchFindsWhatTheMatcherTakes_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("stored");
    // The Kelvin sign and the long s fold onto the ASCII "k" and "s".
    QTest::newRow("kelvin sign") << "K*" << QStringLiteral("\u212A-100");
    QTest::newRow("long s") << "Ns*" << QStringLiteral("N\u017F12");
    QTest::newRow("plain prefix") << "N1*"
                                  << "n123";
}

void CharacterCutsTest::searchFindsWhatTheMatcherTakes()
{
    // A plain prefix pattern is narrowed through the engine's own LIKE before the
    // matcher decides: the narrowing must not drop a text the matcher takes.
    QFETCH(QString, pattern);
    QFETCH(QString, stored);
    QVERIFY(JetPattern::matches(pattern, stored));
    TestWindow t;
    t.install();
    t.exec("Form337.mdb", "INSERT INTO Form (RegNum) VALUES (?)", {stored});
    Recordset forms;
    forms.setDatabaseName(t.folder + QStringLiteral("/Form337.mdb"));
    forms.setTable(QStringLiteral("Form"), Criterion::like(QStringLiteral("RegNum"), pattern));
    forms.refresh();
    QCOMPARE(forms.recordCount(), 1);
}

void CharacterCutsTest::pasteAcrossALimitKeepsWholeCharacters_data()
{
    QTest::addColumn<QString>("name");    // the box's object name in the main window
    QTest::addColumn<QString>("before");  // its text before the paste
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");  // what it holds then
    QTest::addColumn<bool>("told");      // the field-too-long message was shown

    const QString accent = QStringLiteral("e\u0301");  // e and a combining acute: one character
    const QString flag
        = QString::fromUtf8("\xF0\x9F\x87\xBA\xF0\x9F\x87\xB8");  // two regional indicators
    QTest::newRow("serial: emoji fits, the next does not")
        << "Text1(0)" << QString(27, u'a') << "b" + kEmoji + kEmoji
        << QString(27, u'a') + "b" + kEmoji << false;
    QTest::newRow("registration mark: emoji over by one unit")
        << "Combo1(0)" << QString(19, u'N') << kEmoji << QString(19, u'N') << false;
    QTest::newRow("certificate: accent across the limit")
        << "Text13" << QString(27, u'C') << "x" + accent + accent
        << QString(27, u'C') + "x" + accent << false;
    QTest::newRow("owner name: emoji over by one unit")
        << "Text2(0)" << QString(254, u'x') << kEmoji << QString(254, u'x') << false;
    QTest::newRow("owner name: flag across the limit")
        << "Text2(0)" << QString(251, u'x') << "y" + flag << QString(251, u'x') + "y" << false;
    QTest::newRow("set-up agency name: emoji over by one unit")
        << "Text8(0)" << QString(99, u'A') << kEmoji << QString(99, u'A') << false;
    QTest::newRow("find registration mark: emoji across the limit")
        << "Text36" << QString(18, u'N') << "X" + kEmoji << QString(18, u'N') + "X" << false;
    QTest::newRow("sign-in password: emoji over by one unit")
        << "Text44" << QString(7, u'p') << kEmoji << QString(7, u'p') << false;
    QTest::newRow("find make: accent across the limit")
        << "Text28" << QString(38, u'M') << "x" + accent << QString(38, u'M') + "x" << false;
    QTest::newRow("set-up certificate: flag across the limit")
        << "Text8(4)" << QString(28, u'C') << flag << QString(28, u'C') << false;
    // The description: 1 048 576 characters, kept as lines so the box lays out quickly.
    const QString fullLine = QString(99, u'd') + "\n";
    const QString nearlyFull = fullLine.repeated(10485) + QString(75, u'd');  // 1 048 575 units
    QTest::newRow("description: emoji over by one unit")
        << "Text18" << nearlyFull << kEmoji << nearlyFull << true;
    QTest::newRow("description: a long paste is cut at the limit")
        << "Text18" << QString() << fullLine.repeated(20000)
        << fullLine.repeated(10485) + QString(76, u'd') << true;
}

void CharacterCutsTest::pasteAcrossALimitKeepsWholeCharacters()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(bool, told);
    TestWindow t;
    t.install();
    Form1 &w = t.open();
    QWidget *control = w.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    if (auto combo = qobject_cast<QComboBox *>(control))
        control = combo->lineEdit();
    QGuiApplication::clipboard()->setText(pasted);
    if (auto line = qobject_cast<QLineEdit *>(control)) {
        line->setText(before);
        line->end(false);
        line->paste();
        QCOMPARE(line->text(), after);
    } else {
        auto text = qobject_cast<QPlainTextEdit *>(control);
        QVERIFY(text);
        text->setPlainText(before);
        text->moveCursor(QTextCursor::End);
        text->paste();
        QCOMPARE(text->toPlainText().size(), after.size());
        QCOMPARE(text->toPlainText(), after);
    }
    QCOMPARE(t.messages.asked.size(), told ? 1 : 0);
    if (told)
        QCOMPARE(t.messages.lastText(),
                 QStringLiteral("The following field entry is too long: Description of work"));
}

REGISTER_TEST(CharacterCutsTest)
