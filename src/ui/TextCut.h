#pragma once

#include <QString>

// Cutting text to a length limit without splitting what the reader sees as one
// character: a letter with its accents, an emoji (two UTF-16 units, perhaps with
// modifiers or joined to others), a flag.
namespace TextCut {

// How many UTF-16 units of text, from its start, fit in room units and end
// between two characters. All of the text when it fits; 0 when not even its first
// character does.
qsizetype fittingLength(const QString &text, qsizetype room);

}  // namespace TextCut
