// Writes PNG pictures of the window's main panels (for the user guide) into the folder
// given: the real window on a new installation in a temporary folder, one picture per row
// of the table below. Run by scripts/screenshots on a 1366x768 offscreen screen.
#include "access/AdminPanel.h"
#include "access/SignInPanel.h"
#include "app/AppContext.h"
#include "app/Form1.h"
#include "app/HelpWindow.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "form/FormScreen.h"
#include "form/FormSnapshot.h"
#include "history/EarlierFormsPanel.h"
#include "mailing/UnsentFormsPanel.h"
#include "print/CopiesPanel.h"
#include "print/PrintChecklist.h"
#include "reports/ActivityReportDialog.h"
#include "search/FindPanel.h"
#include "ui/Clock.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace {

// No box may wait for an answer here: every question takes its default. A message to be
// pictured is shown in a box left open instead.
class ToolMessages : public MessageService
{
public:
    Msg::Answer ask(const Msg::Request &request) override
    {
        if (keepNextOpen) {
            keepNextOpen = false;
            box = new QMessageBox(QMessageBox::Information, request.title, request.text,
                                  request.buttons == Msg::Buttons::Ok
                                      ? QMessageBox::Ok
                                      : QMessageBox::Ok | QMessageBox::Cancel);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
        }
        return request.defaultButton;
    }
    bool keepNextOpen = false;
    QMessageBox *box = nullptr;
};

ToolMessages messages;

// Shows the next message in a box left open and returns the box.
QWidget *keptOpen(const std::function<void()> &step)
{
    messages.keepNextOpen = true;
    step();
    return messages.box;
}

template<typename Window>
Window *shownWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(top); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// Three stored forms of one aircraft, the newest under a new registration mark, approved
// and its FAA copy not yet mailed: the lists around the form have something to show.
void storeSampleForms(Form1 &w)
{
    const QDate today = QDate::currentDate();
    const struct
    {
        const char *mark;
        int daysAgo;
        bool repair;
        bool mailed;
        const char *work;
    } samples[] = {
        {"N4471K", 900, false, true,
         "Installed auxiliary fuel tank in baggage compartment per STC SA01234CH."},
        {"N4471K", 420, true, true,
         "Repaired left wing lower skin between WS 98 and WS 112 per AC 43.13-1B."},
        {"N337PA", 1, false, false,
         "Installed Garmin GTN 650Xi navigator per STC SA01933SE; weight and balance and "
         "equipment list revised."},
    };
    const std::shared_ptr<Database> forms = w.Data1.database();
    for (const auto &s : samples) {
        const QDate date = today.addDays(-s.daysAgo);
        forms->execute(QStringLiteral("INSERT INTO Form (RegNum, Make, Model, Serial, OwnerName, "
                                      "AirType1, AirType2, FormDate, Approved, ApproveDate, "
                                      "Signed, Back, FaaSentDate) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {QString::fromLatin1(s.mark), QStringLiteral("PIPER"),
                        QStringLiteral("PA-28-181"), QStringLiteral("28-8090123"),
                        QStringLiteral("Blue Sky Flying Club"), s.repair, !s.repair, date, true,
                        date, QStringLiteral("Dana Reyes"), QString::fromLatin1(s.work),
                        s.mailed ? QVariant(date.addDays(1)) : QVariant()});
    }
    w.Data1.setTable(QStringLiteral("Form"));
    w.Data1.refresh();
    w.Data1.moveLast();
    w.ShowRecord();
}

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
    {"earlier-forms",
     [](Form1 &w) -> QWidget * {
         w.Command3D18->click();  // stores and closes set-up
         storeSampleForms(w);
         w.findChild<EarlierFormsPanel *>()->setOpen(true);
         return &w;
     }},
    {"faa-mailing",
     [](Form1 &w) -> QWidget * {
         w.cmdFaaMailing->click();
         return shownWindow<UnsentFormsPanel>();
     }},
    {"print-checklist",
     [](Form1 &w) -> QWidget * {
         shownWindow<UnsentFormsPanel>()->hide();
         return keptOpen(
             [&w] { PrintChecklist::confirm(messages, FormSnapshot::read(*w.Panel3D1)); });
     }},
    {"copies",
     [](Form1 &w) -> QWidget * {
         messages.box->close();
         w.Panel3D1->Check2->setChecked(true);  // extended-range fuel: three copies at least
         w.Command3D14->click();
         return &w;
     }},
    {"logbook-entry",
     [](Form1 &w) -> QWidget * {
         w.Panel3D5->Command1[1]->click();  // cancels the print request
         return keptOpen([&w] { w.cmdLogbookEntry->click(); });
     }},
    {"inspection-activity",
     [](Form1 &w) -> QWidget * {
         messages.box->close();
         w.SSPanel3->cmdActivityReport->click();
         return shownWindow<ActivityReportDialog>();
     }},
    {"find-panel",
     [](Form1 &w) -> QWidget * {
         shownWindow<ActivityReportDialog>()->hide();
         w.findChild<EarlierFormsPanel *>()->setOpen(false);
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
