#include "data/JetPattern.h"
#include "DataTestSupport.h"
#include "common/JetLikeCases.h"
#include "common/TestRegistry.h"
#include "data/IndexFolding.h"
#include "data/JetMatcher.h"

#include <QElapsedTimer>

class JetPatternTest : public QObject
{
    Q_OBJECT
private slots:
    void matches_data();
    void matches();
    void isPlainPrefix_data();
    void isPlainPrefix();
    void manyStarsStayFast();
};

void JetPatternTest::matches_data()
{
    addJetLikeCases();
}

void JetPatternTest::matches()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(JetPattern::matches(pattern, text), expected);
    // The search index, which folds ASCII letters, the long s and the Kelvin sign, holds
    // every piece it is asked for in each text the pattern matches.
    QString indexed = text;
    for (QChar &c : indexed) {
        if (c.unicode() < 0x80)
            c = c.toLower();
        else if (c == QChar(0x017F) || c == QChar(0x212A))
            c = c == QChar(0x017F) ? u's' : u'k';
    }
    for (const std::u32string &piece : IndexFolding::lookups(JetMatcher(pattern).literalRuns())) {
        if (expected)
            QVERIFY(indexed.contains(QString::fromUcs4(piece.data(), qsizetype(piece.size()))));
    }
}

void JetPatternTest::isPlainPrefix_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("text and star") << "N1*" << true << "N1";
    QTest::newRow("quote and star") << "O'B*" << true << "O'B";
    QTest::newRow("percent stays text") << "50%*" << true << "50%";
    QTest::newRow("star only") << "*" << true << "";
    QTest::newRow("no star") << "N1" << false << "";
    QTest::newRow("leading star") << "*N1" << false << "";
    QTest::newRow("two stars") << "N*1*" << false << "";
    QTest::newRow("question mark") << "N?*" << false << "";
    QTest::newRow("hash") << "N#*" << false << "";
    QTest::newRow("bracket") << "[N]1*" << false << "";
}

void JetPatternTest::isPlainPrefix()
{
    QFETCH(QString, pattern);
    QFETCH(bool, expected);
    QFETCH(QString, prefix);
    QString found;
    QCOMPARE(JetPattern::isPlainPrefix(pattern, &found), expected);
    if (expected)
        QCOMPARE(found, prefix);
}

void JetPatternTest::manyStarsStayFast()
{
    // Backtracking over every star would take longer than the age of the universe here.
    const QString text(20000, u'a');
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!JetPattern::matches(QStringLiteral("*a*a*a*a*a*a*a*a*b"), text));
    QVERIFY(JetPattern::matches(QStringLiteral("*a*a*a*a*a*a*a*a*"), text));
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

REGISTER_TEST(JetPatternTest)

#include "JetPatternTest.moc"
