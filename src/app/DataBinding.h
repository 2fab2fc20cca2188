#pragma once

#include "data/ServerAddress.h"

#include <QString>

#include <optional>

class Form1;

// Binds the data controls to the files of the data folder and refills every list
// that comes from the data; reacts to a new folder or drive in the set-up panel.
class DataBinding
{
public:
    explicit DataBinding(Form1 &window);

    void SetDataPaths();
    void Dir1_Change();
    void Drive1_Change();
    // The set-up panel's choice of where the forms are kept.
    void useServer();
    void useDataFolder();

    // The data folder the settings name, or the program folder when none is stored; ends in "/".
    // With a server in use, the program folder.
    QString dataFolder() const;
    // The server the settings name, when the forms are kept on one.
    std::optional<ServerAddress> server() const;
    // Where the forms are: the forms file of the data folder, or the server's address.
    QString formsDatabase() const;
    bool isBound() const { return m_bound; }

private:
    enum class Outcome { Bound, FilesMissing, Restart, AccessFiles };
    Outcome bindAndFill();
    void choosePaths();
    void fillLists();
    void fillAgencyFromNewestForm();
    void fillAgencyFromSetup();
    void openSetupForMissingFiles();
    void tellPathTooLong(const QString &folder);
    QString storedDataPath() const;
    void bindDataPath(const QString &dataPath);

    Form1 &w;
    bool m_bound = false;    // the data controls are bound to the stored folder
    QString m_accessFolder;  // the folder whose Access files were met by the last binding
};
