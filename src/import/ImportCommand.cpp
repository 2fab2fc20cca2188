#include "import/ImportCommand.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "import/AccessImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The data folder the settings name, or the program folder when they name none.
QString settingsDataFolder(QString *problem)
{
    const QString programFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString settings
        = DataFolder::resolve(programFolder, QString::fromLatin1(Schema::kSettingsFile));
    if (!QFileInfo::exists(settings))
        return programFolder;
    try {
        const QVariant stored
            = Database::open(settings, Schema::settingsFileTables())
                  ->value(QStringLiteral(
                      "SELECT \"DataPath\" FROM \"Setup\" ORDER BY RecordId LIMIT 1"));
        if (!stored.isNull() && !stored.toString().isEmpty())
            return stored.toString();
        return programFolder;
    } catch (const DbError &error) {
        *problem = QCoreApplication::translate("ImportCommand",
                                               "The settings file \"%1\" cannot be read: %2\n"
                                               "Name the data folder with --data-folder DIR.")
                       .arg(QDir::toNativeSeparators(settings), error.message());
        return {};
    }
}

}  // namespace

int runImportCommand(const QString &accessFolder, const QString &dataFolder)
{
    QString target = dataFolder;
    if (target.isEmpty()) {
        QString problem;
        target = settingsDataFolder(&problem);
        if (!problem.isEmpty()) {
            print(stderr, problem + u'\n');
            return 1;
        }
    }
    const ImportSummary summary
        = AccessImport::run(QDir(accessFolder).absolutePath(), QDir(target).absolutePath());
    print(stdout, summary.text());
    return summary.complete() ? 0 : 1;
}
