#pragma once

class QString;

// The import of the command line, for administrators and scripts:
//
//     form337 --import-access FOLDER [--data-folder DIR]
//
// imports the old program's Access files in FOLDER into DIR, or, with DIR empty, into
// the data folder the settings name (the program folder when they name none); prints
// the summary and returns the exit status: 0 only when everything was imported, 1 when
// nothing or not everything was. Needs a QCoreApplication, no display.
int runImportCommand(const QString &accessFolder, const QString &dataFolder);
