#pragma once

#include <QString>

// A new installation: when the program folder has no settings file, it is created
// with one Setup record (DataPath Null, TopShift 0), and the two data files are
// created with empty tables (but one Defaults record) in the program folder.
// Existing files are never overwritten. Throws DbError when a file cannot be made.
namespace Installation {

// Returns true when a new installation was made.
bool ensure(const QString &programFolder);

}  // namespace Installation
