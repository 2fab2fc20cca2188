#pragma once

#include <QString>

#include <functional>

class MessageService;
class QPushButton;
class QWidget;

// What the import's controller is given of the window: the window that owns its
// dialogs, the set-up panel's import button, the program folder, the message boxes
// and the data folder in use.
struct ImportParts
{
    QWidget *window;            // parent of the folder, progress and summary dialogs
    QPushButton *importButton;  // "Import Access data..." on the set-up panel
    QString programFolder;      // suggested for this program's files
    MessageService &messages;
    std::function<QString()> dataFolder;  // the data folder the settings name, ending in "/"
    // The database server the forms are kept on, for messages; empty with a data folder.
    std::function<QString()> serverInUse;
};
