#pragma once

#include "setup/SetupParts.h"

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// The set-up panel's controller: the Set-up button (open the panel / save and close
// it), the agency Delete and the printer choice.
class SetupHandlers : public QObject
{
    Q_OBJECT
public:
    explicit SetupHandlers(const SetupParts &parts);

    void Command3D18_Click();  // "Set-up" / "Save"
    void Command2_Click();     // agency "Delete"
    void Command3D29_Click();  // printer set-up

    // Shows the printer dialog and returns the chosen printer's name, empty on Cancel.
    // Tests replace it; the real one is a QPrintDialog.
    std::function<QString(QWidget *)> choosePrinter;

    // Shows the current Agency record in the agency boxes (empty for Null).
    void showAgency();
    // The FAA addresses and the logbook template of the settings, the defaults where none is
    // stored.
    void showSettings();
    QWidget *settingBox(const char *control) const;

    // Another folder becomes the data folder: stored in the settings, bound, shown in
    // the folder list (so that saving the set-up keeps it) and in the agency boxes.
    void useDataFolder(const QString &folder);
    // The data of the folder in use was replaced: every list is refilled and an open
    // panel shows the agency now stored.
    void dataReplaced();

signals:
    // The data files are to be bound again and every list refilled (SetDataPaths).
    void bindingRequested();
    // The agency was stored: the next new form takes it into item 6.
    void agencySaved();

private:
    void openPanel();
    void saveAndClose();
    // Stores the folder as DataPath; a failure is told and the stored folder stays.
    void storeDataPath(const QString &folder);
    void storeSettings();
    void reportWriteFailure(const QString &what, const QString &reason);

    SetupParts w;
};
