#pragma once

#include "data/Criterion.h"
#include "data/Schema.h"

#include <QString>

// The Jet Like operator on a PostgreSQL server, with exactly the matches of JetMatcher.
// The pattern becomes an anchored regular expression for the server's case-sensitive "~"
// in which every pattern character is written as an escaped code point, never as itself:
//   a letter     a class of every character that folds to the same letter ("k" gives
//                k, K and the Kelvin sign), the case rule of the program, not the server's
//   [a-z], [!a-z] the ranges, and every character whose other case falls in them
//   *  ?  #      .*  .  [0-9]
// So "%", "_", "\", quotes and the server's own regular expression characters are plain
// text, whatever the server's locale. The expression is a bound value, never SQL text.
namespace PostgresLike {

// The regular expression (PostgreSQL advanced syntax) that matches what the pattern does.
QString regularExpression(const QString &pattern);

// The field matches the pattern; a Null field never matches. Fields that are not text
// are matched as their text (ISO dates, plain numbers), as the data files store them.
Criterion like(const QString &field, const QString &pattern, FieldKind kind = FieldKind::Text);

}  // namespace PostgresLike
