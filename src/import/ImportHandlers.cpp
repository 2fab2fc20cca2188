#include "import/ImportHandlers.h"

#include "import/ImportDialogs.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

ImportHandlers::ImportHandlers(const ImportParts &parts)
    : w(parts)
{
    chooseFolder = [](QWidget *parent, const QString &caption, const QString &start) {
        return QFileDialog::getExistingDirectory(parent, caption, start);
    };
    showSummary = [](QWidget *parent, const ImportSummary &summary) {
        ImportSummaryDialog dialog(summary, parent);
        dialog.exec();
    };
    connect(w.importButton, &QPushButton::clicked, this, &ImportHandlers::cmdImportAccess_Click);
}

void ImportHandlers::cmdImportAccess_Click()
{
    const QString source
        = chooseFolder ? chooseFolder(
              w.window, QObject::tr("Folder of the old program's Access files"), QDir::homePath())
                       : QString();
    if (source.isEmpty())
        return;
    importAccessData(source);
}

ImportSummary ImportHandlers::importAccessData(const QString &sourceFolder)
{
    // The import writes data files; with the forms on a server they would be stored where
    // no workstation reads them, so it is refused before anything is read or written.
    const QString server = w.serverInUse ? w.serverInUse() : QString();
    if (!server.isEmpty()) {
        w.messages.tell(
            QObject::tr("The forms are kept on the database server %1, and the old program's "
                        "data is imported into a data folder.\n\nChoose \"Data folder\" in the "
                        "set-up panel and import there; the data folder can then be moved to the "
                        "server with form337 --copy-data.")
                .arg(server),
            QObject::tr("Import Access data"), Msg::Icon::Exclamation);
        return {};
    }
    const QString dataFolder = w.dataFolder();
    if (AccessImport::holdsAccessDataFiles(dataFolder)) {
        importIntoOtherFolder(sourceFolder, dataFolder);
        return m_lastSummary;
    }
    const ImportSummary summary = runWithProgress(sourceFolder, dataFolder);
    if (showSummary)
        showSummary(w.window, summary);
    if (summary.committed())
        emit dataImported();
    return summary;
}

bool ImportHandlers::offerImport(const QString &accessFolder)
{
    const Msg::Answer answer = w.messages.ask(
        {QObject::tr("The data folder \"%1\" holds the Access files of the old FAA Form 337 "
                     "program, which this "
                     "program cannot use as they are.\n\nImport their data into a folder of this "
                     "program? The Access "
                     "files are only read: they are never overwritten, renamed or moved.")
             .arg(QDir::toNativeSeparators(QDir::cleanPath(accessFolder))),
         QObject::tr("Access data found"), Msg::Buttons::ImportCancel, Msg::Icon::Question,
         Msg::Answer::Ok});
    if (answer != Msg::Answer::Ok)
        return false;
    return importIntoOtherFolder(accessFolder, accessFolder);
}

QString ImportHandlers::suggestedTarget(const QString &accessFolder) const
{
    const QString access = QFileInfo(accessFolder).canonicalFilePath();
    const QString program = QDir::cleanPath(w.programFolder);
    if (QFileInfo(program).canonicalFilePath() != access
        && !AccessImport::holdsAccessDataFiles(program))
        return program;
    return QDir::cleanPath(accessFolder) + QStringLiteral(" (Form 337)");
}

bool ImportHandlers::importIntoOtherFolder(const QString &source, const QString &accessFolder)
{
    const QString suggestion = suggestedTarget(accessFolder);
    // The dialog starts in the suggested folder, or beside it while it does not exist yet.
    const QString start = QFileInfo(suggestion).isDir() ? suggestion : QFileInfo(suggestion).path();
    const QString target
        = chooseFolder ? chooseFolder(
              w.window,
              QObject::tr("Folder for this program's data files (not the folder of the "
                          "Access files)"),
              start)
                       : QString();
    if (target.isEmpty())
        return false;
    const ImportSummary summary = runWithProgress(source, target);
    if (showSummary)
        showSummary(w.window, summary);
    if (!summary.committed())
        return false;
    emit dataFolderChosen(target);
    return true;
}

ImportSummary ImportHandlers::runWithProgress(const QString &source, const QString &target)
{
    WaitCursor wait;
    ImportProgressDialog dialog(w.window);
    dialog.show();
    m_lastSummary = AccessImport::run(source, target, [&](const AccessImport::Progress &progress) {
        const bool goOn = dialog.update(progress);
        if (watchProgress)
            watchProgress(dialog, progress);
        return goOn && !dialog.wasCanceled();
    });
    dialog.hide();
    return m_lastSummary;
}
