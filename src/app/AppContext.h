#pragma once

#include <QString>
#include <functional>

class MessageService;
class Clock;
class PrintEnvironment;

// What the main window needs from outside: where the program's own files live,
// and the seams that tests replace (message boxes, today's date, ending the
// program, the printer).
struct AppContext
{
    QString programFolder;  // holds setup337.mdb
    QString logFolder;      // the engine's failures in detail; empty: the program folder
    MessageService *messages = nullptr;            // every message box
    Clock *clock = nullptr;                        // today's date
    std::function<void()> endProgram;              // ends the program at once, nothing saved
    PrintEnvironment *printEnvironment = nullptr;  // printer or PDF; null gives the system's
};
