#include "data/Installation.h"

#include "data/DataFolder.h"
#include "data/DbError.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Installation {

bool ensure(const QString &programFolder)
{
    const QString settingsPath
        = DataFolder::resolve(programFolder, QString::fromLatin1(Schema::kSettingsFile));
    if (QFileInfo::exists(settingsPath))
        return false;
    if (!QDir(programFolder).exists()) {
        if (!QDir().mkpath(programFolder))
            throw DbError(EngineError::InvalidPath,
                          QStringLiteral("Cannot create the folder '%1'.").arg(programFolder));
        // The folder holds the settings and, at first, the inspectors' passwords: its owner's only.
        QFile::setPermissions(programFolder,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The data files first and the settings file last: an interrupted installation
    // has no settings file yet and is completed at the next start.
    const QString formsPath
        = DataFolder::resolve(programFolder, QString::fromLatin1(Schema::kFormsFile));
    if (!QFileInfo::exists(formsPath))
        Schema::createFormsFile(formsPath);
    const QString agentsPath
        = DataFolder::resolve(programFolder, QString::fromLatin1(Schema::kAgentsFile));
    if (!QFileInfo::exists(agentsPath))
        Schema::createAgentsFile(agentsPath);
    Schema::createSettingsFile(settingsPath);
    return true;
}

}  // namespace Installation
