#include "app/AppContext.h"
#include "app/Form1.h"
#include "import/ImportCommand.h"
#include "ui/Clock.h"
#include "ui/QtMessageService.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char** argv)
{
    // "--import-access FOLDER [--data-folder DIR]" imports and ends without a window.
    if (const std::optional<int> status = runImportCommand(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("form337"));
    QApplication::setApplicationDisplayName(QStringLiteral("FAA Form 337"));

    QtMessageService messages;
    SystemClock clock;
    AppContext context;
    context.programFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    context.messages = &messages;
    context.clock = &clock;
    // Every stored change is committed when it is made, so ending at once loses nothing stored.
    context.endProgram = [] { QCoreApplication::exit(0); };

    Form1 window(context);
    messages.setParent(&window);
    window.show();
    // Some window systems never report the first activation; run it once the loop starts.
    QTimer::singleShot(0, &window, [&window] { window.activate(); });
    return app.exec();
}
