#pragma once

#include <QString>

// The engine's failures in detail, for whoever looks into a problem: the file, the
// statement, the engine's own text and code. The user's messages say it in words.
// Bound values are never written, so no password or other typed text reaches the log.
// The log is kept to about 1 MB: a full log becomes the one old log, replacing the last.
namespace EngineLog {

inline const char *const kFileName = "form337-errors.log";
constexpr qint64 kRotateSize = 1024 * 1024;

// The folder of the log; empty (the default) or a folder that does not exist writes nothing.
void setFolder(const QString &folder);

void write(const QString &file, const QString &statement, const QString &engineText,
           const QString &engineCode);

}  // namespace EngineLog
