// Writes PNG pictures of the window's main panels (for the user guide) into the folder
// given: the real window on a new installation in a temporary folder, one picture per row
// of the table below. Run by scripts/screenshots on a 1366x768 offscreen screen.
#include "access/SignInPanel.h"
#include "app/AppContext.h"
#include "app/Form1.h"
#include "app/HelpWindow.h"
#include "data/Schema.h"
#include "form/FormScreen.h"
#include "ui/Clock.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace {

// No box may wait for an answer here: every question takes its default.
class DefaultAnswers : public MessageService
{
public:
    Msg::Answer ask(const Msg::Request &request) override { return request.defaultButton; }
};

struct Panel
{
    const char *file;                        // the picture's name, without ".png"
    std::function<QWidget *(Form1 &)> show;  // brings the panel up; returns what to picture
};

// The pictures, in the order the guide shows them; a new panel is a new row.
const Panel kPanels[] = {
    {"sign-in",
     [](Form1 &w) -> QWidget * {
         return &w;
     }},
    {"form-screen",
     [](Form1 &w) -> QWidget * {
         w.SSPanel1->hide();
         return &w;
     }},
    {"back-page",
     [](Form1 &w) -> QWidget * {
         w.SSCommand3->click();
         return &w;
     }},
    {"set-up",
     [](Form1 &w) -> QWidget * {
         w.SSCommand3->click();   // back to the front page
         w.Command3D18->click();  // opens set-up
         return &w;
     }},
    {"find-panel",
     [](Form1 &w) -> QWidget * {
         w.Command3D18->click();  // stores and closes set-up
         w.Command3D27->click();
         return &w;
     }},
    {"help",
     [](Form1 &w) -> QWidget * {
         w.showHelp();
         return w.helpWindow;
     }},
};

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    QTemporaryDir programFolder;
    DefaultAnswers messages;
    SystemClock clock;
    AppContext context;
    context.programFolder = programFolder.path();
    context.messages = &messages;
    context.clock = &clock;
    context.endProgram = [] {
    };
    Form1 window(context);
    window.showMaximized();
    window.activate();
    QTextStream written(stdout);
    for (const Panel &panel : kPanels) {
        QWidget *shown = panel.show(window);
        QApplication::processEvents();
        const QString path = QDir(out).filePath(QString::fromLatin1(panel.file) + ".png");
        if (!shown || !shown->grab().save(path)) {
            written << "not written: " << path << Qt::endl;
            return 1;
        }
        written << path << Qt::endl;
    }
    return 0;
}
