#pragma once

#include "import/ImportSummary.h"

#include <QString>
#include <functional>

// Brings the data of the old program's Access files into a data folder of this
// program: "Form337.mdb" (Form, aircraft, Agency, Narratives) and "FAAForm337A.mdb"
// (Agents, Defaults) are read from the source folder with AccessFile, every value is
// checked against this program's columns, and the records are merged into the data
// files of the target folder (made there when missing) in one transaction over both
// files: all or nothing. "setup337.mdb", when present, is read for the summary only.
//
// Merging rules:
//  - Form: a form identical in every field to one already stored is skipped, so an
//    import of the same folder adds nothing the second time (a form stored n times
//    in the old file is stored n times, not more).
//  - aircraft: a make and model pair is added when not already present.
//  - Agency: imported only when the target has no agency record.
//  - Narratives: added when no stored narrative has the same title and text.
//  - Agents: an inspector whose name is already stored keeps the stored record and
//    is listed in the summary's notes.
//  - Defaults: a data folder without inspectors yet (a new installation) takes the
//    old value; one in use keeps its own (the old value is named in the notes).
// Values: Yes/No as -1/0, dates with any time dropped, CR LF line ends as LF, Null
// kept Null, Back as stored. A value longer than its column stops the import before
// anything is written; the summary names the table, the record and the field.
// The old files are only read; a target folder or data file made by an import that
// then fails or is cancelled is removed again.
namespace AccessImport {

struct Progress
{
    QString stage;    // what is being done, for the progress dialog
    qint64 done = 0;  // records done: each record counts once when read and once when written
    qint64 total = 0;
};

// Called after every record; returning false cancels the import (nothing is written).
using ProgressFunction = std::function<bool(const Progress &)>;

ImportSummary run(const QString &sourceFolder, const QString &targetFolder,
                  const ProgressFunction &progress = {});

// True when the folder holds a data file of the old program (an Access file under
// the name of one of this program's data files).
bool holdsAccessDataFiles(const QString &folder);

// The file names the old program kept its data in.
inline const char *const kOldSettingsFile = "setup337.mdb";

}  // namespace AccessImport
