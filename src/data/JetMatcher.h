#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <vector>

// A Jet Like pattern compiled once, then matched against many texts (the engine
// calls it once per row, so the pattern is parsed only once per statement).
// Every token but "*" consumes exactly one character, which lets matching run
// in O(pattern x text) with a single remembered "*" instead of backtracking.
class JetMatcher
{
public:
    explicit JetMatcher(const QString &pattern);

    bool matches(QStringView text) const;

    // The runs of literal characters the pattern holds with no other token between
    // them, case-folded as matching folds them: every text the pattern matches holds,
    // for each run, a stretch of consecutive characters that fold to it. A character
    // that cannot be stored as itself (U+FFFD, U+0000) ends a run.
    std::vector<std::u32string> literalRuns() const;

private:
    enum class Kind { Literal, AnyChar, Digit, Set, Star };
    struct Range
    {
        char32_t low;
        char32_t high;
    };
    struct Token
    {
        Kind kind = Kind::Literal;
        char32_t folded = 0;        // Literal: the case-folded character
        bool negated = false;       // Set: "[!...]"
        std::vector<Range> ranges;  // Set: single characters are ranges of one
    };

    static bool setContains(const Token &token, char32_t c);
    static bool tokenMatches(const Token &token, char32_t c);

    std::vector<Token> m_tokens;
};
