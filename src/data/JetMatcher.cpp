#include "data/JetMatcher.h"

#include <QChar>
#include <QList>

namespace {

char32_t fold(char32_t c)
{
    return QChar::toCaseFolded(c);
}

// Reads the code point at index i of text and moves i past it.
char32_t nextCodePoint(QStringView text, qsizetype &i)
{
    const char16_t first = text[i].unicode();
    ++i;
    if (QChar::isHighSurrogate(first) && i < text.size()
        && QChar::isLowSurrogate(text[i].unicode()))
        return QChar::surrogateToUcs4(first, text[i++].unicode());
    return first;
}

}  // namespace

JetMatcher::JetMatcher(const QString &pattern)
{
    const QList<uint> p = pattern.toUcs4();
    const qsizetype n = p.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = p[i];
        Token token;
        if (c == U'*') {
            if (!m_tokens.empty() && m_tokens.back().kind == Kind::Star)
                continue;  // "**" means the same as "*"
            token.kind = Kind::Star;
        } else if (c == U'?') {
            token.kind = Kind::AnyChar;
        } else if (c == U'#') {
            token.kind = Kind::Digit;
        } else if (c == U'[') {
            qsizetype close = i + 1;
            while (close < n && p[close] != U']')
                ++close;
            if (close == n) {
                // An unbalanced "[" is an ordinary character.
                token.folded = fold(c);
            } else {
                qsizetype k = i + 1;
                if (k == close) {  // "[]" stands for the empty text: no token
                    i = close;
                    continue;
                }
                token.kind = Kind::Set;
                if (p[k] == U'!') {
                    token.negated = true;
                    ++k;
                }
                while (k < close) {
                    if (k + 2 < close && p[k + 1] == U'-') {
                        token.ranges.push_back(Range{char32_t(p[k]), char32_t(p[k + 2])});
                        k += 3;
                    } else {
                        token.ranges.push_back(Range{char32_t(p[k]), char32_t(p[k])});
                        ++k;
                    }
                }
                i = close;
            }
        } else {
            token.folded = fold(c);
        }
        m_tokens.push_back(std::move(token));
    }
}

bool JetMatcher::setContains(const Token &token, char32_t c)
{
    // Case-insensitive: the character matches when it or its other case lies in a range.
    const char32_t variants[] = {c, fold(c), QChar::toLower(c), QChar::toUpper(c)};
    for (const Range &r : token.ranges) {
        for (char32_t v : variants) {
            if (v >= r.low && v <= r.high)
                return true;
        }
    }
    return false;
}

bool JetMatcher::tokenMatches(const Token &token, char32_t c)
{
    switch (token.kind) {
    case Kind::Literal:
        return fold(c) == token.folded;
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::Set:
        return setContains(token, c) != token.negated;
    case Kind::Star:
        break;
    }
    return false;
}

bool JetMatcher::matches(QStringView text) const
{
    const size_t tokenCount = m_tokens.size();
    const qsizetype length = text.size();
    size_t t = 0;
    qsizetype i = 0;
    // The last "*" seen: the token after it and the text index it is retried from.
    size_t afterStar = SIZE_MAX;
    qsizetype starText = 0;

    while (i < length) {
        if (t < tokenCount && m_tokens[t].kind == Kind::Star) {
            afterStar = ++t;
            starText = i;
            continue;
        }
        if (t < tokenCount) {
            qsizetype next = i;
            const char32_t c = nextCodePoint(text, next);
            if (tokenMatches(m_tokens[t], c)) {
                i = next;
                ++t;
                continue;
            }
        }
        if (afterStar == SIZE_MAX)
            return false;
        // Let the last "*" swallow one more character and retry from there.
        nextCodePoint(text, starText);
        i = starText;
        t = afterStar;
    }
    while (t < tokenCount && m_tokens[t].kind == Kind::Star)
        ++t;
    return t == tokenCount;
}

std::vector<std::u32string> JetMatcher::literalRuns() const
{
    std::vector<std::u32string> runs(1);
    for (const Token &token : m_tokens) {
        const bool storable = token.folded != U'\uFFFD' && token.folded != 0;
        if (token.kind == Kind::Literal && storable) {
            runs.back().push_back(token.folded);
        } else if (!runs.back().empty()) {
            runs.emplace_back();
        }
    }
    if (runs.back().empty())
        runs.pop_back();
    return runs;
}
