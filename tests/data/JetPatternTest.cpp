#include "data/JetPattern.h"
#include "DataTestSupport.h"
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
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("long s and Kelvin sign fold inside")
        << "*SMITH KLINE*" << QString::fromUtf8("J. \xC5\xBFmith \xE2\x84\xAAline Co") << true;
    QTest::newRow("non-ASCII letters fold inside")
        << QString::fromUtf8("*\xC3\x89TUDE d*") << QString::fromUtf8("une \xC3\xA9tude D") << true;
    QTest::newRow("prefix N123") << "N1*"
                                 << "N123" << true;
    QTest::newRow("prefix n1ab, case ignored") << "N1*"
                                               << "n1ab" << true;
    QTest::newRow("prefix not inside XN1") << "N1*"
                                           << "XN1" << false;
    QTest::newRow("prefix equals whole text") << "N1*"
                                              << "N1" << true;
    QTest::newRow("whole text must match") << "abc"
                                           << "abcd" << false;
    QTest::newRow("no match in the middle") << "bc"
                                            << "abc" << false;
    QTest::newRow("empty pattern, empty text") << ""
                                               << "" << true;
    QTest::newRow("empty pattern, some text") << ""
                                              << "a" << false;
    QTest::newRow("star alone, empty text") << "*"
                                            << "" << true;
    QTest::newRow("star in the middle") << "C*a"
                                        << "Cessna" << true;
    QTest::newRow("star needs the tail") << "C*x"
                                         << "Cessna" << false;
    QTest::newRow("state after comma") << "*, TX*"
                                       << "Dallas, TX 75001" << true;
    QTest::newRow("state needs the blank") << "*, TX*"
                                           << "Dallas,TX" << false;
    QTest::newRow("? one character") << "N?2"
                                     << "Nx2" << true;
    QTest::newRow("? not zero characters") << "N?2"
                                           << "N2" << false;
    QTest::newRow("? not two characters") << "N?2"
                                          << "Nxy2" << false;
    QTest::newRow("? counts a character outside the BMP once")
        << "a?b"
        << QString::fromUtf8("a\xF0\x9F\x98\x80"
                             "b")
        << true;
    QTest::newRow("# digit") << "A#B"
                             << "A7B" << true;
    QTest::newRow("# not a letter") << "A#B"
                                    << "AxB" << false;
    QTest::newRow("## two digits") << "##"
                                   << "42" << true;
    QTest::newRow("set member") << "[abc]x"
                                << "bx" << true;
    QTest::newRow("set non-member") << "[abc]x"
                                    << "dx" << false;
    QTest::newRow("set ignores case") << "[abc]"
                                      << "B" << true;
    QTest::newRow("range") << "[a-c]9"
                           << "b9" << true;
    QTest::newRow("range other case") << "[A-Z]"
                                      << "q" << true;
    QTest::newRow("range lower pattern, upper text") << "[a-z]"
                                                     << "Q" << true;
    QTest::newRow("range outside") << "[a-c]"
                                   << "d" << false;
    QTest::newRow("range with digits") << "[0-4]"
                                       << "5" << false;
    QTest::newRow("negated set excludes") << "[!a-c]"
                                          << "b" << false;
    QTest::newRow("negated set excludes other case") << "[!a-c]"
                                                     << "B" << false;
    QTest::newRow("negated set admits") << "[!a-c]"
                                        << "d" << true;
    QTest::newRow("negated set takes one character") << "[!a]"
                                                     << "" << false;
    QTest::newRow("dash at the end of a set") << "[a-]"
                                              << "-" << true;
    QTest::newRow("star in brackets is literal") << "[*]"
                                                 << "*" << true;
    QTest::newRow("star in brackets not a wildcard") << "[*]"
                                                     << "x" << false;
    QTest::newRow("question mark in brackets") << "[?]x"
                                               << "?x" << true;
    QTest::newRow("hash in brackets") << "[#]"
                                      << "#" << true;
    QTest::newRow("hash in brackets not a digit") << "[#]"
                                                  << "1" << false;
    QTest::newRow("open bracket in brackets") << "[[]a"
                                              << "[a" << true;
    QTest::newRow("unbalanced bracket matches itself") << "[abc"
                                                       << "[abc" << true;
    QTest::newRow("unbalanced bracket after text") << "a[b"
                                                   << "a[b" << true;
    QTest::newRow("unbalanced bracket is not a set") << "[abc"
                                                     << "a" << false;
    QTest::newRow("closing bracket alone is literal") << "a]"
                                                      << "a]" << true;
    QTest::newRow("empty brackets match nothing") << "a[]b"
                                                  << "ab" << true;
    QTest::newRow("non-ASCII case e-acute") << QString::fromUtf8("\xC3\xA9*")
                                            << QString::fromUtf8("\xC3\x89"
                                                                 "clair")
                                            << true;
    QTest::newRow("non-ASCII case upper pattern")
        << QString::fromUtf8("*CAF\xC3\x89") << QString::fromUtf8("caf\xC3\xA9") << true;
    QTest::newRow("non-ASCII not the plain letter")
        << QString::fromUtf8("\xC3\xA9") << "e" << false;
    QTest::newRow("non-ASCII range")
        << QString::fromUtf8("[\xC3\xA0-\xC3\xBF]") << QString::fromUtf8("\xC3\x89") << true;
    QTest::newRow("single quote is plain") << "O'Brien*"
                                           << "o'brien & sons" << true;
    QTest::newRow("double quotes are plain") << "\"x\""
                                             << "\"X\"" << true;
    QTest::newRow("double quote must be there") << "\"x\""
                                                << "x" << false;
    QTest::newRow("backslash is plain, not an escape") << "a\\*"
                                                       << "a\\zzz" << true;
    QTest::newRow("backslash does not escape the star") << "a\\*"
                                                        << "a*" << false;
    QTest::newRow("percent and underscore are plain") << "5%_*"
                                                      << "5%_x" << true;
    QTest::newRow("underscore is not a wildcard") << "5_"
                                                  << "5x" << false;
    QTest::newRow("many stars, no match")
        << "*a*a*a*a*b"
        << "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa" << false;
    QTest::newRow("many stars, match") << "*a*a*a*a*b"
                                       << "xaxaxaxaxb" << true;
    QTest::newRow("star backtracks past a false start") << "*ab"
                                                        << "aab" << true;
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
