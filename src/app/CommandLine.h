#pragma once

#include <QString>
#include <QStringList>

// The program's command line. With no argument the window starts; "--help" and
// "--version" print their text and end; "--import-access FOLDER [--data-folder DIR]"
// asks for an import without a window, "--init-server ADDRESS" for the tables of a new
// server database, "--copy-data FROM TO" for a move of the data; anything else is refused with a message that
// names the fault, so a typing error never starts the window unnoticed.
class CommandLine
{
public:
    enum class Action {
        StartWindow,
        ShowHelp,
        ShowVersion,
        ImportAccess,
        InitServer,
        CopyData,
        Refuse
    };

    // arguments[0] is the program itself, as in QCoreApplication::arguments().
    explicit CommandLine(const QStringList &arguments);

    Action action() const { return m_action; }
    // The help or version text, or the error message of a refusal.
    const QString &text() const { return m_text; }
    // The import's Access folder and data folder (empty: the one the settings name).
    const QString &importFolder() const { return m_importFolder; }
    const QString &dataFolder() const { return m_dataFolder; }
    // The "postgresql://" address of the server database to set up.
    const QString &serverAddress() const { return m_serverAddress; }
    // Where --copy-data copies from and to: data folders or server addresses.
    const QString &copyFrom() const { return m_copyFrom; }
    const QString &copyTo() const { return m_copyTo; }
    // 0, or 2 for a command line that was refused.
    int exitCode() const { return m_action == Action::Refuse ? 2 : 0; }

    // Prints the text (a refusal on standard error) and returns the exit code.
    int run() const;

private:
    Action m_action = Action::StartWindow;
    QString m_text;
    QString m_importFolder;
    QString m_dataFolder;
    QString m_serverAddress;
    QString m_copyFrom;
    QString m_copyTo;
};
