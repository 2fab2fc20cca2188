#include "app/CommandLine.h"

#include "app/Version.h"

#include <QCommandLineParser>
#include <cstdio>

CommandLine::CommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("FAA Form 337 \"Major Repair and Alteration\": fill in, store, find, count "
                       "and print the form.\n"
                       "Without an option the window starts."));
    // Our own help and version options: Qt's helpers would add "--help-all" for options
    // of the window, which no option-driven run opens.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print these options and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the program's version and end."));
    const QCommandLineOption importAccess(
        QStringLiteral("import-access"),
        QStringLiteral("Import the old program's Access files from FOLDER into "
                       "the data folder, print a summary and end."),
        QStringLiteral("FOLDER"));
    const QCommandLineOption dataFolder(
        QStringLiteral("data-folder"),
        QStringLiteral("With --import-access: the data folder to import into "
                       "(default: the one the settings name)."),
        QStringLiteral("DIR"));
    const QCommandLineOption initServer(
        QStringLiteral("init-server"),
        QStringLiteral("Make the program's tables in the empty server database at ADDRESS "
                       "(\"postgresql://user@host/database\"; the password comes from "
                       "~/.pgpass), print the result and end."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption copyData(
        QStringLiteral("copy-data"),
        QStringLiteral("Copy every record from FROM to TO, each a data folder or a server "
                       "address; TO must hold no records yet. Prints the records copied and "
                       "ends."),
        QStringLiteral("FROM TO"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(importAccess);
    parser.addOption(dataFolder);
    parser.addOption(initServer);
    parser.addOption(copyData);

    const bool parsed = parser.parse(arguments);
    // --copy-data takes two values: the second is the one argument that stands alone.
    const QStringList standalone = parser.positionalArguments();
    const int tasks = int(parser.isSet(importAccess)) + int(parser.isSet(initServer))
                      + int(parser.isSet(copyData));
    if (!parsed) {
        m_action = Action::Refuse;
        m_text = parser.errorText();
    } else if (standalone.size() > (parser.isSet(copyData) ? 1 : 0)) {
        m_action = Action::Refuse;
        m_text = QStringLiteral("Unexpected argument '%1'.").arg(standalone.constLast());
    } else if (tasks > 1) {
        m_action = Action::Refuse;
        m_text = QStringLiteral("--import-access, --init-server and --copy-data are run one at "
                                "a time.");
    } else if (parser.isSet(dataFolder) && !parser.isSet(importAccess)) {
        m_action = Action::Refuse;
        m_text = QStringLiteral("--data-folder goes with --import-access.");
    } else if (parser.isSet(help)) {
        m_action = Action::ShowHelp;
        m_text = parser.helpText();
    } else if (parser.isSet(version)) {
        m_action = Action::ShowVersion;
        m_text = QStringLiteral("form337 %1\n").arg(QLatin1String(kProgramVersion));
    } else if (parser.isSet(importAccess)) {
        m_importFolder = parser.value(importAccess);
        m_dataFolder = parser.value(dataFolder);
        m_action = m_importFolder.isEmpty() ? Action::Refuse : Action::ImportAccess;
        if (m_importFolder.isEmpty())
            m_text = QStringLiteral("--import-access needs the folder of the Access files.");
    } else if (parser.isSet(initServer)) {
        m_serverAddress = parser.value(initServer);
        m_action = m_serverAddress.isEmpty() ? Action::Refuse : Action::InitServer;
        if (m_serverAddress.isEmpty())
            m_text = QStringLiteral("--init-server needs the address of the server database.");
    } else if (parser.isSet(copyData)) {
        m_copyFrom = parser.value(copyData);
        m_copyTo = standalone.value(0);
        const bool complete = !m_copyFrom.isEmpty() && !m_copyTo.isEmpty();
        m_action = complete ? Action::CopyData : Action::Refuse;
        if (!complete)
            m_text = QStringLiteral("--copy-data needs where to copy from and where to.");
    }
    if (m_action == Action::Refuse)
        m_text += QStringLiteral("\nUsage: form337 [--help | --version | --import-access FOLDER "
                                 "[--data-folder DIR] | --init-server ADDRESS | --copy-data FROM "
                                 "TO]\n"
                                 "Try 'form337 --help' for the options.\n");
}

int CommandLine::run() const
{
    FILE *stream = m_action == Action::Refuse ? stderr : stdout;
    std::fputs(m_text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return exitCode();
}
