#pragma once

#include <string>
#include <vector>

// How the search index folds letters against how the Like matcher folds them. The index
// folds ASCII letters, the long s and the Kelvin sign (onto "s" and "k"), and keeps every
// other character as it is; so it can be asked only for characters onto which the
// matcher folds nothing else, or nothing but what the index folds alike.
namespace IndexFolding {

// Runs shorter than this cannot be looked up in a trigram index.
inline constexpr int kShortestRun = 3;

// True when every character the matcher folds onto c (c folded as the matcher folds) is
// held by the index as c.
bool foldsAlike(char32_t c);

// The pieces of the runs (as the matcher folds them) that the index is asked for: a
// character that does not fold alike splits its run, and pieces shorter than
// kShortestRun are left out.
std::vector<std::u32string> lookups(const std::vector<std::u32string> &runs);

}  // namespace IndexFolding
