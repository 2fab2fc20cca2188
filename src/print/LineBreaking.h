#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The two ways the printed form breaks text into lines by printed width. Both take the
// width measure as a function, so they can be checked with any font or with none.
namespace LineBreaking {

using TextWidth = std::function<double(const QString &)>;

// Owner's name of item 2: at most four lines. A line is cut once its width reaches the
// limit, after the last space or hyphen (which stays on the line); a run without either
// stays whole on its line until the next space, hyphen or line break. Line breaks typed
// in the name (CR LF, CR or LF) end a line. The last line keeps at most 120 characters.
QStringList ownerNameLines(const QString &name, const TextWidth &width);

// Description of work on the back page: every printed line in order, the last one
// included (possibly empty, as after a trailing line break). A line wider than the limit
// is cut before the last space, "/", "\", "-" or ":" (a space at the cut is dropped, any
// other break character begins the next line); where none helps the line is cut hard
// after the last character that fits. CR LF, CR and LF each end a paragraph.
// The work is linear in the text's length, up to a logarithmic factor per line.
QStringList descriptionLines(const QString &text, const TextWidth &width);

inline constexpr double OwnerNameWidthLimit = 3980;
inline constexpr int OwnerNameMaxLines = 4;
inline constexpr int OwnerNameLastLineMaxChars = 120;
inline constexpr double DescriptionWidthLimit = 10000;

}  // namespace LineBreaking
