#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/Version.h"
#include "data/Database.h"
#include "data/ServerCommand.h"
#include "import/ImportCommand.h"
#include "print/Emblem.h"
#include "ui/Clock.h"
#include "ui/FirstPaintReport.h"
#include "ui/LongWorkDialog.h"
#include "ui/QtMessageService.h"
#include "ui/ServerPasswordBox.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSessionManager>
#include <QStandardPaths>
#include <QTimer>

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("form337"));
    QCoreApplication::setApplicationVersion(QLatin1String(kProgramVersion));
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        // Options are handled without a window, so they work where there is no display.
        QCoreApplication core(argc, argv);
        nameApplication();
        const CommandLine commandLine(QCoreApplication::arguments());
        if (commandLine.action() == CommandLine::Action::ImportAccess)
            return runImportCommand(commandLine.importFolder(), commandLine.dataFolder());
        if (commandLine.action() == CommandLine::Action::InitServer)
            return runInitServerCommand(commandLine.serverAddress());
        if (commandLine.action() == CommandLine::Action::CopyData)
            return runCopyDataCommand(commandLine.copyFrom(), commandLine.copyTo());
        if (commandLine.action() != CommandLine::Action::StartWindow)
            return commandLine.run();
    }

    QApplication app(argc, argv);
    nameApplication();
    QApplication::setApplicationDisplayName(QStringLiteral("FAA Form 337"));
    // The window manager matches the window to the desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("form337"));
    // The installed icon; run from a build folder, the emblem drawn here.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("form337"), QPixmap::fromImage(Emblem::image())));

    QtMessageService messages;
    SystemClock clock;
    AppContext context;
    context.programFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    context.logFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    context.messages = &messages;
    context.clock = &clock;
    // Every stored change is committed when it is made, so ending at once loses nothing stored.
    context.endProgram = [] {
        QCoreApplication::exit(0);
    };

    Form1 window(context);
    messages.setParent(&window);
    // A database server that wants a password ~/.pgpass does not hold asks for it in a box.
    Database::setPasswordSource([&window](const QString &server, const QString &why) {
        return ServerPasswordBox::ask(&window, server, why);
    });
    // Opening a large file of an earlier version builds its search index: shown, not frozen.
    LongWorkDialog longWork(&window);
#ifndef QT_NO_SESSIONMANAGER
    // Logging out of the desktop asks as the Exit button does; Cancel keeps the session.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &session) {
                         if (session.allowsInteraction()) {
                             const bool mayEnd = window.mayEndProgram();
                             session.release();
                             if (!mayEnd)
                                 session.cancel();
                         }
                     });
#endif
    window.show();
    // Some window systems never report the first activation; run it once the loop starts.
    QTimer::singleShot(0, &window, [&window] {
        window.activate();
        FirstPaintReport::watchIfAsked(&window);  // for the benchmark's start-up timing
    });
    return app.exec();
}
