#include "CharacterCutsTest.h"

#include "common/TestWindow.h"
#include "data/Criterion.h"
#include "data/JetPattern.h"
#include "data/Recordset.h"
#include "print/LineBreaking.h"

#include <QtTest>

namespace {

// Every UTF-16 unit 100 units wide, as a font measures a lone half of a pair (a box).
double unitWidth(const QString& text)
{
    return 100.0 * text.size();
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x9B\xA9");  // U+1F6E9, two UTF-16 units

bool splitsPair(const QString& line)
{
    return !line.isEmpty() && (line.front().isLowSurrogate() || line.back().isHighSurrogate());
}

}  // namespace

void CharacterCutsTest::descriptionHardCutKeepsPairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    // 99 letters and the first half of the emoji fill the 10000 units exactly.
    QTest::newRow("pair at the hard cut") << QString(99, u'a') + kEmoji + "b"
                                          << QStringList{QString(99, u'a'), kEmoji + "b"};
    QTest::newRow("run of emoji after a letter") << "a" + kEmoji.repeated(60)
                                                 << QStringList{"a" + kEmoji.repeated(49), kEmoji.repeated(11)};
}

void CharacterCutsTest::descriptionHardCutKeepsPairs()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const QStringList got = LineBreaking::descriptionLines(text, unitWidth);
    QCOMPARE(got, lines);
    for (const QString& line : got)
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
    QTest::newRow("plain prefix") << "N1*" << "n123";
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
