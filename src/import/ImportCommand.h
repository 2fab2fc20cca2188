#pragma once

#include <optional>

// The command line of the import, for administrators and scripts:
//
//     form337 --import-access FOLDER [--data-folder DIR]
//
// imports the old program's Access files in FOLDER into DIR, or, without
// --data-folder, into the data folder the settings name (the program folder when
// they name none); prints the summary and ends without opening the window.
// Returns std::nullopt when the arguments ask for no import (the program starts as
// usual), otherwise the exit status: 0 only when everything was imported, 1 when
// nothing or not everything was, 2 for arguments that cannot be understood.
// Needs no display: it runs before any window or QApplication exists.
std::optional<int> runImportCommand(int argc, char **argv);
