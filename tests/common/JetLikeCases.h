#pragma once

#include <QString>
#include <QtTest>

// The Jet Like cases (pattern, text, whether it matches): the program's own matcher and
// every engine's translation of the operator must give these answers.
inline void addJetLikeCases()
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

    // Characters that are special to other pattern languages are plain text here.
    QTest::newRow("dot is plain") << "a.c"
                                  << "abc" << false;
    QTest::newRow("dot matches itself") << "a.c"
                                        << "A.C" << true;
    QTest::newRow("anchors and alternation are plain") << "^a|b$"
                                                       << "^A|B$" << true;
    QTest::newRow("parentheses and plus are plain") << "(a+)"
                                                    << "aa" << false;
    QTest::newRow("braces are plain") << "a{2}"
                                      << "a{2}" << true;
    QTest::newRow("backslash in brackets") << "[\\]x"
                                           << "\\x" << true;
    QTest::newRow("caret in brackets is a member") << "[^a]"
                                                   << "^" << true;
    QTest::newRow("caret in brackets does not negate") << "[^a]"
                                                       << "b" << false;
    QTest::newRow("negated empty set takes any one character") << "[!]"
                                                               << "x" << true;
    QTest::newRow("reversed range is empty") << "[z-a]"
                                             << "m" << false;
    QTest::newRow("star spans a line break") << "a*b"
                                             << "a\nb" << true;
    QTest::newRow("? takes a line break") << "a?b"
                                          << "a\nb" << true;
    QTest::newRow("Kelvin sign folds onto k") << "k" << QString::fromUtf8("\xE2\x84\xAA") << true;
    QTest::newRow("Kelvin sign in a range") << "[a-z]" << QString::fromUtf8("\xE2\x84\xAA") << true;
    QTest::newRow("long s in a negated range")
        << "[!a-z]" << QString::fromUtf8("\xC5\xBF") << false;
    QTest::newRow("sharp s is not ss") << QString::fromUtf8("\xC3\x9F") << "ss" << false;
    QTest::newRow("Greek final sigma")
        << QString::fromUtf8("\xCF\x83") << QString::fromUtf8("\xCF\x82") << true;
    QTest::newRow("letter outside the BMP")
        << QString::fromUtf8("\xF0\x90\x90\x80*") << QString::fromUtf8("\xF0\x90\x90\xA8x") << true;
}
