#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The trigram index over the text columns of Form that the find panel searches. It holds
// each value with its ASCII letters, the long s and the Kelvin sign folded (by the
// engine's built-in functions, so any program that writes the file keeps it right), and
// is looked up only with runs of characters that fold alike for the index and for the
// Like matcher, so it finds every record the matcher could accept. It is an
// external-content index over a view of the folded values, kept in step by triggers: a
// save or delete changes it in the same transaction. It only narrows; the matcher decides.
namespace SearchIndex {

inline const char *const kIndexTable = "FormSearch";
inline const char *const kIndexedTable = "Form";

// The Form columns the index holds, in index column order.
const QStringList &columns();

// True when table is Form and every field is held by the index (any case of the names).
bool covers(const QString &table, const QStringList &fields);

// The view, index table and triggers; made only where missing.
QStringList createStatements();
// A query that gives 1 when the engine's lower() folds ASCII letters only, as the index
// needs (an engine built with ICU folds others too; it then searches without the index).
QString foldsAsciiOnlyQuery();
// Fills the new, empty index from every stored record.
QString fillStatement();

// The index's query for records where any of fields holds every run (the runs as the
// matcher folds them). A character that the index folds differently from the matcher
// splits its run; runs shorter than kShortestRun are left out; empty when none is left.
QString matchExpression(const QStringList &fields, const std::vector<std::u32string> &runs);

}  // namespace SearchIndex
