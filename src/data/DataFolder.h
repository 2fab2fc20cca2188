#pragma once

#include <QFileDevice>
#include <QString>

// File names inside a folder are matched without regard to case, so that
// "Form337.mdb" and "FORM337.MDB" reach the same file.
namespace DataFolder {

// The path of the existing file whose name matches fileName case-insensitively in
// folder; when none exists, folder/fileName. Doubled separators are collapsed.
QString resolve(const QString &folder, const QString &fileName);

// resolve() applied to the folder and file name parts of a full path.
QString resolvePath(const QString &path);

// The permissions of a new database file in folder: readable by its owner only, or by
// the folder's group as well when the folder is shared with a group (group-writable
// or set-group-ID), so that colleagues working on a shared folder can still open it.
QFileDevice::Permissions newFilePermissions(const QString &folder);

// A folder path that always ends in "/".
QString withTrailingSeparator(const QString &folder);

// The longest file path, in bytes, that the database engine opens: it needs room
// for the name of the journal it keeps beside the file.
int longestEnginePath();

// Bytes of the longest data-file path in folder, as the engine sees it (symbolic
// links resolved). Above longestEnginePath() the engine cannot open the files.
int dataFilePathBytes(const QString &folder);

}  // namespace DataFolder
