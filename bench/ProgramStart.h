#pragma once

#include <QString>

// The real program started as a user starts it, timed from exec to its first painted
// window (the program prints "first paint" when asked to by FORM337_REPORT_FIRST_PAINT),
// with the peak memory of that process.
namespace ProgramStart {

struct Result
{
    double ms = -1;  // -1: the program did not report a painted window
    long peakMb = 0;
};

// Makes the data folder the one its settings name, and a home folder whose program folder
// is the data folder (the program keeps its settings in XDG_DATA_HOME/form337); returns
// that home folder.
QString prepare(const QString &dataFolder);

// Drops every file of the folder from the page cache, so the next start reads the disk.
void evictFromPageCache(const QString &folder);

// One start of the program (offscreen) with the prepared home, up to its first painted
// window; the program then ends by itself.
Result run(const QString &program, const QString &home);

}  // namespace ProgramStart
