#include "import/ImportCommand.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "import/AccessImport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

namespace {

const char *const kImportOption = "import-access";
const char *const kDataFolderOption = "data-folder";

bool asksForImport(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--import-access") == 0
            || std::strncmp(arg, "--import-access=", 16) == 0)
            return true;
    }
    return false;
}

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

std::optional<int> runImportCommand(int argc, char **argv)
{
    if (!asksForImport(argc, argv))
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("form337"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("FAA Form 337"));
    const QCommandLineOption importOption(
        QString::fromLatin1(kImportOption),
        QStringLiteral("Import the old program's Access files from FOLDER."),
        QStringLiteral("FOLDER"));
    const QCommandLineOption folderOption(
        QString::fromLatin1(kDataFolderOption),
        QStringLiteral("The data folder to import into (default: the one the "
                       "settings name)."),
        QStringLiteral("DIR"));
    parser.addOption(importOption);
    parser.addOption(folderOption);
    const QString usage
        = QStringLiteral("Usage: form337 --import-access FOLDER [--data-folder DIR]\n");
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, parser.errorText() + u'\n' + usage);
        return 2;
    }
    if (!parser.positionalArguments().isEmpty() || parser.value(importOption).isEmpty()) {
        print(stderr, usage);
        return 2;
    }

    QString target = parser.value(folderOption);
    if (target.isEmpty()) {
        QString problem;
        target = settingsDataFolder(&problem);
        if (!problem.isEmpty()) {
            print(stderr, problem + u'\n');
            return 1;
        }
    }
    const QString source = parser.value(importOption);
    const ImportSummary summary
        = AccessImport::run(QDir(source).absolutePath(), QDir(target).absolutePath());
    print(stdout, summary.text());
    return summary.complete() ? 0 : 1;
}
