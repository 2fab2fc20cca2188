// The Like matcher against a slow reference that tries every split (memoised), on
// pattern and text from the fuzzer; and any text, its special characters bracketed,
// must match itself.
#include "FuzzText.h"
#include "data/IndexFolding.h"
#include "data/JetMatcher.h"
#include "data/JetPattern.h"

#include <QChar>
#include <QList>
#include <QRegularExpression>
#include <vector>

namespace {

struct RefToken
{
    enum Kind { Literal, Any, Digit, Set, Star } kind = Literal;
    char32_t c = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

char32_t fold(char32_t c)
{
    return QChar::toCaseFolded(c);
}

std::vector<RefToken> parse(const QList<uint> &p)
{
    std::vector<RefToken> tokens;
    for (qsizetype i = 0; i < p.size(); ++i) {
        RefToken t;
        const char32_t c = p[i];
        if (c == U'*') {
            t.kind = RefToken::Star;
        } else if (c == U'?') {
            t.kind = RefToken::Any;
        } else if (c == U'#') {
            t.kind = RefToken::Digit;
        } else if (c == U'[' && p.indexOf(U']', i + 1) >= 0) {
            const qsizetype close = p.indexOf(U']', i + 1);
            qsizetype k = i + 1;
            i = close;
            if (k == close)
                continue;  // "[]": nothing
            t.kind = RefToken::Set;
            if (p[k] == U'!') {
                t.negated = true;
                ++k;
            }
            while (k < close) {
                if (k + 2 < close && p[k + 1] == U'-') {
                    t.ranges.push_back({p[k], p[k + 2]});
                    k += 3;
                } else {
                    t.ranges.push_back({p[k], p[k]});
                    ++k;
                }
            }
        } else {
            t.c = c;
        }
        tokens.push_back(t);
    }
    return tokens;
}

bool one(const RefToken &t, char32_t c)
{
    switch (t.kind) {
    case RefToken::Literal:
        return fold(c) == fold(t.c);
    case RefToken::Any:
        return true;
    case RefToken::Digit:
        return c >= U'0' && c <= U'9';
    case RefToken::Set: {
        bool in = false;
        for (auto [lo, hi] : t.ranges) {
            for (char32_t v :
                 {c, fold(c), char32_t(QChar::toLower(c)), char32_t(QChar::toUpper(c))})
                in = in || (v >= lo && v <= hi);
        }
        return in != t.negated;
    }
    case RefToken::Star:
        break;
    }
    return false;
}

// memo[t][i]: 0 unknown, 1 no, 2 yes.
bool refMatch(const std::vector<RefToken> &p, const QList<uint> &s, size_t t, qsizetype i,
              std::vector<std::vector<char>> &memo)
{
    char &m = memo[t][size_t(i)];
    if (m)
        return m == 2;
    bool r;
    if (t == p.size())
        r = i == s.size();
    else if (p[t].kind == RefToken::Star)
        r = refMatch(p, s, t + 1, i, memo) || (i < s.size() && refMatch(p, s, t, i + 1, memo));
    else
        r = i < s.size() && one(p[t], s[i]) && refMatch(p, s, t + 1, i + 1, memo);
    m = r ? 2 : 1;
    return r;
}

bool reference(const QString &pattern, const QString &text)
{
    const std::vector<RefToken> p = parse(pattern.toUcs4());
    const QList<uint> s = text.toUcs4();
    std::vector<std::vector<char>> memo(p.size() + 1, std::vector<char>(size_t(s.size()) + 1, 0));
    return refMatch(p, s, 0, 0, memo);
}

QString bracketed(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            out += u'[' + QString(c) + u']';
        else
            out += c;
    }
    return out;
}

bool isAscii(const QString &s)
{
    for (QChar c : s) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return true;
}

// The engine's LIKE on a prefix: ASCII letters without regard to case, all else exact.
// The text as the search index holds it: ASCII letters in lower case, the long s and
// the Kelvin sign as "s" and "k", every other character as it is.
QString indexFolded(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x80)
            c = c.toLower();
        else if (c == QChar(0x017F))
            c = u's';
        else if (c == QChar(0x212A))
            c = u'k';
    }
    return text;
}

bool asciiFoldedStartsWith(const QString &text, const QString &prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        const char16_t a = text[i].unicode(), b = prefix[i].unicode();
        auto lower = [](char16_t c) {
            return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
        };
        if (lower(a) != lower(b))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;  // the reference is quadratic; long inputs add nothing but time
    const auto [pattern, text] = FuzzText::twoTexts(data, size);
    const bool fast = JetPattern::matches(pattern, text);
    FuzzText::check(
        fast == reference(pattern, text), "matcher differs from the reference",
        QStringLiteral("pattern [%1] text [%2] matcher %3").arg(pattern, text).arg(fast));
    FuzzText::check(JetPattern::matches(bracketed(text), text),
                    "bracketed text does not match itself", text);
    FuzzText::check(JetPattern::matches(QStringLiteral("*"), text), "* does not match everything",
                    text);
    // A plain ASCII prefix lets the engine narrow the rows with its own LIKE, which
    // folds ASCII letters only: the narrowing must never drop a text the matcher takes.
    // The search cuts that prefix before "k" and "s", which two non-ASCII letters fold onto.
    QString prefix;
    if (fast && JetPattern::isPlainPrefix(pattern, &prefix)) {
        const qsizetype cut = prefix.indexOf(QRegularExpression(QStringLiteral("[kKsS]")));
        if (cut >= 0)
            prefix.truncate(cut);
    }
    if (fast && isAscii(prefix))
        FuzzText::check(asciiFoldedStartsWith(text, prefix),
                        "plain prefix match the engine's LIKE would miss",
                        QStringLiteral("pattern [%1] text [%2]").arg(pattern, text));
    // The trigram index narrows by the pieces of literal runs: every text the matcher
    // takes must hold each of them, as the index folds it.
    if (fast) {
        const QString indexed = indexFolded(text);
        for (const std::u32string &piece : IndexFolding::lookups(JetMatcher(pattern).literalRuns()))
            FuzzText::check(
                indexed.contains(QString::fromUcs4(piece.data(), qsizetype(piece.size()))),
                "trigram lookup the index would miss",
                QStringLiteral("pattern [%1] text [%2]").arg(pattern, text));
    }
    return 0;
}
