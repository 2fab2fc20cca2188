#pragma once

#include <QString>

// The pattern language of the Jet SQL Like operator:
//   *  any run of characters (also none)      ?  exactly one character
//   #  one digit 0-9                          [abc] one of the set, [a-z] a range
//   [!abc] [!a-z] any one character not in the set
// Letters match without regard to case (non-ASCII letters too); the whole text must
// match. A "[" without a closing "]" matches itself.
namespace JetPattern {

bool matches(const QString &pattern, const QString &text);

// True when the pattern is plain text followed by one trailing "*" and holds no
// other special character: such a pattern is a prefix test and can use an index.
bool isPlainPrefix(const QString &pattern, QString *prefix = nullptr);

}  // namespace JetPattern
