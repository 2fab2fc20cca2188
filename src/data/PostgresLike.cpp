#include "data/PostgresLike.h"

#include "data/DbError.h"
#include "data/SchemaSql.h"

#include <QChar>
#include <QList>
#include <algorithm>
#include <vector>

namespace PostgresLike {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

struct Interval
{
    char32_t low;
    char32_t high;
};

// The characters whose case-folded, lower or upper form is another character. Every other
// character matches a literal or a set only as itself, so only these need looking at.
struct CaseVariant
{
    char32_t c;
    char32_t forms[3];  // folded, lower, upper
};

const std::vector<CaseVariant> &charactersWithOtherCases()
{
    static const std::vector<CaseVariant> table = [] {
        std::vector<CaseVariant> found;
        for (char32_t c = 0; c <= kLastCodePoint; ++c) {
            const CaseVariant v{c, {QChar::toCaseFolded(c), QChar::toLower(c), QChar::toUpper(c)}};
            if (v.forms[0] != c || v.forms[1] != c || v.forms[2] != c)
                found.push_back(v);
        }
        return found;
    }();
    return table;
}

// Sorted, merged, and without what a server text can never hold (NUL, lone surrogates).
std::vector<Interval> normalized(std::vector<Interval> intervals)
{
    std::vector<Interval> pieces;
    for (const Interval &i : intervals) {
        if (i.low > i.high)
            continue;
        // Cut out 0 and the surrogate block.
        const Interval parts[]
            = {{std::max<char32_t>(i.low, 1), std::min<char32_t>(i.high, 0xD7FF)},
               {std::max<char32_t>(i.low, 0xE000), i.high}};
        for (const Interval &p : parts) {
            if (p.low <= p.high)
                pieces.push_back(p);
        }
    }
    std::sort(pieces.begin(), pieces.end(),
              [](const Interval &a, const Interval &b) { return a.low < b.low; });
    std::vector<Interval> merged;
    for (const Interval &p : pieces) {
        if (!merged.empty() && p.low <= merged.back().high + 1)
            merged.back().high = std::max(merged.back().high, p.high);
        else
            merged.push_back(p);
    }
    return merged;
}

QString escaped(char32_t c)
{
    if (c <= 0xFFFF)
        return QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    return QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
}

// A bracket expression of the characters; one that matches nothing when there are none.
QString characterClass(const std::vector<Interval> &intervals, bool negated)
{
    const std::vector<Interval> chars = normalized(intervals);
    if (chars.empty())
        return negated ? QStringLiteral(".") : QStringLiteral("[^\\u0001-\\U0010ffff]");
    QString out = negated ? QStringLiteral("[^") : QStringLiteral("[");
    for (const Interval &i : chars) {
        out += escaped(i.low);
        if (i.high != i.low)
            out += QLatin1Char('-') + escaped(i.high);
    }
    return out + QLatin1Char(']');
}

// Every character that a literal pattern character matches: those with the same folded form.
QString literal(char32_t patternChar)
{
    const char32_t folded = QChar::toCaseFolded(patternChar);
    std::vector<Interval> chars;
    if (QChar::toCaseFolded(folded) == folded)
        chars.push_back({folded, folded});
    for (const CaseVariant &v : charactersWithOtherCases()) {
        if (v.forms[0] == folded)
            chars.push_back({v.c, v.c});
    }
    return characterClass(chars, false);
}

// A set matches a character when the character, or its folded, lower or upper form, lies
// in one of its ranges.
QString set(const std::vector<Interval> &ranges, bool negated)
{
    std::vector<Interval> chars = ranges;
    const auto inRanges = [&ranges](char32_t c) {
        return std::any_of(ranges.begin(), ranges.end(),
                           [c](const Interval &r) { return c >= r.low && c <= r.high; });
    };
    for (const CaseVariant &v : charactersWithOtherCases()) {
        if (std::any_of(std::begin(v.forms), std::end(v.forms), inRanges))
            chars.push_back({v.c, v.c});
    }
    return characterClass(chars, negated);
}

}  // namespace

QString regularExpression(const QString &pattern)
{
    // The tokens are read exactly as JetMatcher reads them.
    const QList<uint> p = pattern.toUcs4();
    const qsizetype n = p.size();
    QString out = QStringLiteral("^");
    bool afterStar = false;
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = p[i];
        if (c == U'*') {
            if (!afterStar)
                out += QLatin1String(".*");  // "**" means the same as "*"
            afterStar = true;
            continue;
        }
        afterStar = false;
        if (c == U'?') {
            out += QLatin1Char('.');
        } else if (c == U'#') {
            out += QLatin1String("[0-9]");
        } else if (c == U'[') {
            qsizetype close = i + 1;
            while (close < n && p[close] != U']')
                ++close;
            if (close == n) {
                out += literal(c);  // an unbalanced "[" is an ordinary character
                continue;
            }
            qsizetype k = i + 1;
            i = close;
            if (k == close)
                continue;  // "[]" stands for the empty text
            bool negated = false;
            if (p[k] == U'!') {
                negated = true;
                ++k;
            }
            std::vector<Interval> ranges;
            while (k < close) {
                if (k + 2 < close && p[k + 1] == U'-') {
                    ranges.push_back({char32_t(p[k]), char32_t(p[k + 2])});
                    k += 3;
                } else {
                    ranges.push_back({char32_t(p[k]), char32_t(p[k])});
                    ++k;
                }
            }
            out += set(ranges, negated);
        } else {
            out += literal(c);
        }
    }
    return out + QLatin1Char('$');
}

Criterion like(const QString &field, const QString &pattern, FieldKind kind)
{
    if (!SchemaSql::isPlainIdentifier(field))
        throw DbError(EngineError::QuerySyntax,
                      QStringLiteral("Syntax error in query expression: '%1' is not a field name.")
                          .arg(field));
    QString subject = SchemaSql::quoted(field);
    // The text the data files hold for such fields, whatever the server's date style.
    if (kind == FieldKind::Date)
        subject = QStringLiteral("to_char(%1, 'YYYY-MM-DD')").arg(subject);
    else if (kind != FieldKind::Text && kind != FieldKind::LongText)
        subject = QStringLiteral("CAST(%1 AS TEXT)").arg(subject);
    else  // "~" takes no collation that ignores case: the expression itself does that
        subject = QStringLiteral("(%1 COLLATE \"C\")").arg(subject);
    return {QStringLiteral("COALESCE(%1 ~ ?, FALSE)").arg(subject), {regularExpression(pattern)}};
}

}  // namespace PostgresLike
