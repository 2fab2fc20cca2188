#pragma once

#include "app/AppContext.h"
#include "data/Recordset.h"
#include "ui/ButtonBar.h"
#include "ui/Twips.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>

class AdminPanel;
class CopiesPanel;
class Database;
class FindPanel;
class FormScreen;
class HelpWindow;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QScrollArea;
class SetupPanel;
class SignInPanel;
class PanelDragger;
class DataBinding;
class SetupHandlers;
class FormHandlers;
class AccessHandlers;
class StatisticsHandlers;
class SearchHandlers;
class NarrativeHandlers;
class PrintHandlers;
class ImportHandlers;
class EarlierFormsPanel;
class HistoryHandlers;
class LogbookHandlers;
class ActivityHandlers;
class MailingHandlers;

// The main window "FAA Form 337": composes the panels, holds the button bar, the
// window-level state and the data controls, and wires the events. Subsystems work
// on it through their own handler classes.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(const AppContext &context, QWidget *parent = nullptr);
    ~Form1() override;

    // Runs the activation steps once (the first activation of the window calls it;
    // tests call it directly because an offscreen window may never become active).
    void activate();
    bool isActivated() const { return m_activated; }

    // Procedures of the window.
    void SetDataPaths();
    void Command3D12_Click();  // Exit
    // The Exit question, or the question about unsaved changes when the form holds some:
    // true when the program may end (the window's close button and the session's end ask it too).
    bool mayEndProgram();
    void showHelp();   // F1 and "Help": the user guide
    void showAbout();  // the program's name, version and folders

    // Services.
    const AppContext &context() const { return m_context; }
    MessageService &messages() const;
    Clock &clock() const;
    void endProgram();

    // Panels.
    FormScreen *Panel3D1;               // the form screen
    SignInPanel *SSPanel1;              // "Access Control"
    FindPanel *Panel3D3;                // "Find Match"
    CopiesPanel *Panel3D5;              // the "Copies" box of the print request
    SetupPanel *Panel3D7;               // set-up
    EarlierFormsPanel *m_earlierForms;  // the stored forms of the aircraft on screen
    AdminPanel *SSPanel3;               // inspector administration
    QFrame *Panel3D4;                   // the maker's advertisement; never shown

    // The button bar.
    QPushButton *Command3D12;  // "Exit"
    QPushButton *Command3D13;  // "Save"
    QPushButton *Command3D14;  // "Print"
    QPushButton *Command3D15;  // "Delete"
    QPushButton *Command3D16;  // next stored form
    QPushButton *Command3D17;  // previous stored form
    QPushButton *Command3D18;  // "Set-up" / "Save"
    QPushButton *Command3D19;  // "New"
    QPushButton *Command3D27;  // "Find"
    QPushButton *SSCommand3;   // page button "Back" / "Front"
    QPushButton *cmdHelp;      // "Help": the user guide
    QPushButton *cmdPreview;   // "Preview": the printed pages on screen; enabled with Print
    QPushButton
        *cmdExportPdf;  // "Export PDF": the printed pages as one PDF file; enabled with Print
    QPushButton *cmdLogbookEntry;  // "Logbook entry": copies it to the clipboard; with Print
    QPushButton *cmdFaaMailing;    // "FAA mailing": the unsent FAA copies; enabled with Find

    // The status line under the bar: what the last step did, and the data folder in use.
    QStatusBar *statusLine = nullptr;
    QPointer<HelpWindow> helpWindow;  // made at the first F1
    QLabel *dataFolderLabel = nullptr;

    // The table of which event switches which button of the bar on or off.
    ButtonBar &buttonBar() { return m_buttonBar; }

    // The settings database and its cursor over Setup, open for the whole run.
    std::shared_ptr<Database> settingsDatabase;
    Recordset setupCursor{QStringLiteral("Setup")};

    // The data controls.
    Recordset Data1{QStringLiteral("Data1")};                    // Form: the record shown and saved
    Recordset Data2{QStringLiteral("Data2")};                    // SQL set at run time
    Recordset Data3{QStringLiteral("Data3")};                    // Defaults
    Recordset Data5{QStringLiteral("Data5")};                    // Agents
    Recordset Data9{QStringLiteral("Data9")};                    // Narratives
    Recordset Data10{QStringLiteral("Data10")};                  // Agency
    Recordset datSecondaryRS{QStringLiteral("datSecondaryRS")};  // counts

    // Window-level state.
    int NewFormFlag = 1;               // 1 while the screen holds a form not yet stored
    int NewAgentFlag = 0;              // 1 while a new inspector is being entered
    int FindFromFirst = 1;             // 1: a search shows its first match, 0 its last
    QStringList AgentPasswords;        // parallel to the inspector name lists
    QStringList AgentApprovalNumbers;  // parallel to the inspector name lists
    QString selectedPrinterName;       // chosen in the set-up panel; empty for the system default

    // The handlers of each subsystem.
    DataBinding &dataBinding() const { return *m_dataBinding; }
    SetupHandlers &setupHandlers() const { return *m_setupHandlers; }
    FormHandlers &formHandlers() const { return *m_formHandlers; }
    AccessHandlers &accessHandlers() const { return *m_accessHandlers; }
    StatisticsHandlers &statisticsHandlers() const { return *m_statisticsHandlers; }
    SearchHandlers &searchHandlers() const { return *m_searchHandlers; }
    NarrativeHandlers &narrativeHandlers() const { return *m_narrativeHandlers; }
    PrintHandlers &printHandlers() const { return *m_printHandlers; }
    ImportHandlers &importHandlers() const { return *m_importHandlers; }
    MailingHandlers &mailingHandlers() const { return *m_mailingHandlers; }
    HistoryHandlers &historyHandlers() const { return *m_historyHandlers; }
    ActivityHandlers &activityHandlers() const { return *m_activityHandlers; }

    // Procedures other subsystems call.
    void ShowRecord();
    void Combo1_Click(int index);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ButtonBar m_buttonBar;
    QWidget *buildButtonBar();
    QWidget *buildStatusLine();
    void composeSubsystems();
    void placePanels();
    void openSettings();
    void setIdleButtons();
    void fitToScreen();

    // Room for the button bar and a few rows of the form; the form scrolls below that.
    static constexpr int kMinimumHeight = 360;

    AppContext m_context;
    QWidget *m_surface;
    QScrollArea *m_formScroll = nullptr;  // holds the form screen
    QWidget *m_bar = nullptr;             // the button bar
    QPushButton *m_openFolder = nullptr;  // on the status line while it names a written file
    QString m_shownFolder;                // the folder that button opens
    bool m_activated = false;
    std::unique_ptr<PanelDragger> m_findDragger;
    std::unique_ptr<PanelDragger> m_setupDragger;
    std::unique_ptr<DataBinding> m_dataBinding;
    std::unique_ptr<SetupHandlers> m_setupHandlers;
    std::unique_ptr<FormHandlers> m_formHandlers;
    std::unique_ptr<AccessHandlers> m_accessHandlers;
    std::unique_ptr<StatisticsHandlers> m_statisticsHandlers;
    std::unique_ptr<SearchHandlers> m_searchHandlers;
    std::unique_ptr<NarrativeHandlers> m_narrativeHandlers;
    std::unique_ptr<PrintHandlers> m_printHandlers;
    std::unique_ptr<ImportHandlers> m_importHandlers;
    std::unique_ptr<MailingHandlers> m_mailingHandlers;
    std::unique_ptr<HistoryHandlers> m_historyHandlers;
    std::unique_ptr<LogbookHandlers> m_logbookHandlers;
    std::unique_ptr<ActivityHandlers> m_activityHandlers;
};
