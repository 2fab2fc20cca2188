#pragma once

#include "import/AccessImport.h"
#include "import/ImportParts.h"
#include "import/ImportSummary.h"

#include <QObject>

#include <QString>
#include <functional>

class QProgressDialog;
class QWidget;

// The window's side of importing the old program's Access data: the set-up panel's
// "Import Access data..." button, and the offer to import when the data folder holds
// Access files instead of this program's own.
class ImportHandlers : public QObject
{
    Q_OBJECT
public:
    explicit ImportHandlers(const ImportParts &parts);

    // "Import Access data...": asks for the folder of the old files, then imports.
    void cmdImportAccess_Click();

    // Imports the Access files of sourceFolder into the data folder (another folder the
    // person picks when the data folder holds the Access files themselves), shows the
    // summary and refreshes every list (SetDataPaths). Returns the summary.
    ImportSummary importAccessData(const QString &sourceFolder);

    // The data folder holds Access files (accessFolder): offers to import them into a
    // folder the person picks, which then becomes the data folder. The Access files
    // are never overwritten, renamed or moved. True when the data was imported and
    // the window is bound to the new folder; false when declined or not imported.
    bool offerImport(const QString &accessFolder);

    // The folder a person picks (caption, folder to start from); empty on Cancel.
    // Tests replace it; the real one is QFileDialog::getExistingDirectory.
    std::function<QString(QWidget *, const QString &, const QString &)> chooseFolder;
    // Shows the summary. Tests replace it; the real one is ImportSummaryDialog.
    std::function<void(QWidget *, const ImportSummary &)> showSummary;
    // Called with the progress dialog after each of its updates (tests click Cancel here).
    std::function<void(QProgressDialog &, const AccessImport::Progress &)> watchProgress;

    // The folder suggested for this program's files when the data folder holds Access files.
    QString suggestedTarget(const QString &accessFolder) const;

signals:
    // Data was imported into the data folder in use: every list is refilled.
    void dataImported();
    // Data was imported into another folder, which becomes the data folder.
    void dataFolderChosen(const QString &folder);

private:
    ImportSummary runWithProgress(const QString &source, const QString &target);
    bool importIntoOtherFolder(const QString &source, const QString &accessFolder);

    ImportParts w;
    ImportSummary m_lastSummary;
};
