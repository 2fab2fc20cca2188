#include "app/Form1.h"

#include "access/AccessHandlers.h"
#include "access/AdminPanel.h"
#include "access/SignInPanel.h"
#include "app/DataBinding.h"
#include "app/HelpWindow.h"
#include "app/PanelDragger.h"
#include "app/Version.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/EngineLog.h"
#include "data/Installation.h"
#include "data/Schema.h"
#include "data/ServerAddress.h"
#include "form/FormHandlers.h"
#include "form/FormScreen.h"
#include "history/EarlierFormsPanel.h"
#include "history/HistoryHandlers.h"
#include "import/ImportHandlers.h"
#include "logbook/LogbookHandlers.h"
#include "mailing/MailingHandlers.h"
#include "narratives/NarrativeHandlers.h"
#include "print/CopiesPanel.h"
#include "print/EnabledFollower.h"
#include "print/PrintHandlers.h"
#include "reports/ActivityHandlers.h"
#include "reports/StatisticsHandlers.h"
#include "search/FindPanel.h"
#include "search/SearchHandlers.h"
#include "setup/SetupHandlers.h"
#include "setup/SetupPanel.h"
#include "ui/ButtonShortcut.h"
#include "ui/Clock.h"
#include "ui/FlowLayout.h"
#include "ui/MessageService.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPushButton *barButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Wide enough for its caption and no wider, so the whole bar fits a 1366 pixel screen
    // at 150 % scaling.
    button->setMinimumHeight(30);
    button->setMinimumWidth(56);
    return button;
}

}  // namespace

Form1::Form1(const AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("FAA Form 337"));
    EngineLog::setFolder(m_context.logFolder.isEmpty() ? m_context.programFolder
                                                       : m_context.logFolder);

    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    // The form screen scrolls inside the window, so the button bar below it stays in view
    // on any screen; the other panels lie over it.
    m_formScroll = new QScrollArea(m_surface);
    m_formScroll->setObjectName(QStringLiteral("formScroll"));
    m_formScroll->setFrameShape(QFrame::NoFrame);
    m_formScroll->setWidgetResizable(true);
    Panel3D1 = new FormScreen;
    Panel3D1->setMinimumHeight(twipsToPixels(9705, this));
    m_formScroll->setWidget(Panel3D1);
    Panel3D1->setClock(m_context.clock);
    Panel3D1->setApprovalNumbers(&AgentApprovalNumbers);
    Panel3D4 = new QFrame(m_surface);
    Panel3D4->setObjectName(QStringLiteral("Panel3D4"));
    Panel3D7 = new SetupPanel(m_surface);
    SSPanel3 = new AdminPanel(m_surface);
    Panel3D3 = new FindPanel(m_surface);
    Panel3D5 = new CopiesPanel(m_surface);
    SSPanel1 = new SignInPanel(m_surface);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The earlier forms of the aircraft sit beside the form screen, folded away until opened.
    m_earlierForms = new EarlierFormsPanel(this);
    auto *beside = new QHBoxLayout;
    beside->setSpacing(0);
    beside->addWidget(m_surface, 1);
    beside->addWidget(m_earlierForms);
    layout->addLayout(beside, 1);
    QWidget *buttonBar = buildButtonBar();
    m_bar = buttonBar;
    layout->addWidget(buttonBar);
    layout->addWidget(buildStatusLine());

    composeSubsystems();
    m_findDragger = std::make_unique<PanelDragger>(Panel3D3, this, PanelDragger::Mode::Move);
    m_setupDragger
        = std::make_unique<PanelDragger>(Panel3D7, this, PanelDragger::Mode::RepaintOnly);

    connect(Command3D12, &QPushButton::clicked, this, &Form1::Command3D12_Click);

    // Help: F1 anywhere in the window, or the Help button, shows the user guide; the
    // version is in the guide's About button and the button bar's context menu.
    auto *help = new QAction(tr("Help"), this);
    help->setObjectName(QStringLiteral("actHelp"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, &Form1::showHelp);
    addAction(help);
    connect(cmdHelp, &QPushButton::clicked, this, &Form1::showHelp);
    auto *about = new QAction(tr("About FAA Form 337"), this);
    about->setObjectName(QStringLiteral("actAbout"));
    connect(about, &QAction::triggered, this, &Form1::showAbout);
    buttonBar->addAction(help);
    buttonBar->addAction(about);
    buttonBar->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(Panel3D1, &FormScreen::registrationMarkTyped, this,
            [this] { m_buttonBar.apply(ButtonBar::Event::MarkPresent); });
    // Picking from a list changes the boxes' text as typing does: with a mark present, Save is offered.
    connect(Panel3D1, &FormScreen::Combo1_Click, this, [this] {
        if (!Panel3D1->Combo1[0]->currentText().isEmpty())
            m_buttonBar.apply(ButtonBar::Event::MarkPresent);
    });

    // Window load: the find, set-up and advertisement panels start hidden, the
    // administration and copies panels too; the window sits at the top-left corner.
    Panel3D3->hide();
    Panel3D4->hide();
    Panel3D7->hide();
    SSPanel3->hide();
    Panel3D5->hide();
    move(0, 0);
    setMinimumSize(minimumSizeHint().width(), kMinimumHeight);
    fitToScreen();
}

// The form's own size where the screen has room; never more than the screen's free area.
void Form1::fitToScreen()
{
    QSize wanted(qMax(Panel3D1->sizeHint().width(), 1200),
                 twipsToPixels(9705, this) + m_bar->sizeHint().height());
    // Room for the window's frame and title bar, which the window system adds outside.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize decoration = frame.isEmpty() ? QSize(16, 48) : frame;
    if (const QScreen *screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - decoration);
    resize(wanted.expandedTo(minimumSize()));
}

Form1::~Form1()
{
    messages().setStatusLine({});  // the service may outlive the window
}

// Each subsystem's controller gets only the panels, data controls, window-level state
// and services it works on; what one subsystem must tell another goes through a signal
// wired here.
void Form1::composeSubsystems()
{
    m_dataBinding = std::make_unique<DataBinding>(*this);
    m_setupHandlers = std::make_unique<SetupHandlers>(
        SetupParts{Panel3D7, Panel3D1, SSPanel1, Panel3D3, Panel3D4, setupCursor, Data10,
                   selectedPrinterName, m_context.programFolder, m_buttonBar, messages()});
    m_formHandlers = std::make_unique<FormHandlers>(
        FormParts{Panel3D1, Data1, Data2, Data10, NewFormFlag, m_buttonBar, messages()});
    m_accessHandlers = std::make_unique<AccessHandlers>(
        AccessParts{SSPanel1, SSPanel3, Panel3D1, Panel3D7, Panel3D7->SSCommand9, Data5,
                    NewAgentFlag, AgentPasswords, AgentApprovalNumbers, m_buttonBar, messages(),
                    clock(), [this] { endProgram(); },
                    [this] {
                        m_formHandlers->takeScreenAsUnchanged();
                        m_mailingHandlers->showSignInNotice();
                    }});
    m_activityHandlers = std::make_unique<ActivityHandlers>(
        ActivityParts{this,
                      SSPanel3->cmdActivityReport,
                      SSPanel3->cmdStatisticsCsv,
                      SSPanel3->Text47[11],
                      SSPanel3->Text47[13],
                      {SSPanel3->Text48[0], SSPanel3->Text48[1], SSPanel3->Text48[2],
                       SSPanel3->Text48[3], SSPanel3->Text48[4], SSPanel3->Text48[5]},
                      Data1,
                      selectedPrinterName,
                      messages()});
    m_logbookHandlers = std::make_unique<LogbookHandlers>(
        LogbookParts{cmdLogbookEntry, Panel3D1, setupCursor, messages()});
    m_historyHandlers = std::make_unique<HistoryHandlers>(
        HistoryParts{m_earlierForms, Panel3D1, Data1, NewFormFlag, messages(), [this] {
                         return m_formHandlers->settleUnsavedChanges();
                     }});
    m_mailingHandlers = std::make_unique<MailingHandlers>(
        MailingParts{this, cmdFaaMailing, Panel3D1, Data1, setupCursor, messages(), clock()});
    m_statisticsHandlers = std::make_unique<StatisticsHandlers>(
        StatisticsParts{SSPanel3->Text47[11],
                        SSPanel3->Text47[13],
                        SSPanel3->SSCommand14,
                        {SSPanel3->Text48[0], SSPanel3->Text48[1], SSPanel3->Text48[2],
                         SSPanel3->Text48[3], SSPanel3->Text48[4], SSPanel3->Text48[5]},
                        datSecondaryRS,
                        messages(),
                        [this] {
                            return m_dataBinding->formsDatabase();
                        }});
    m_searchHandlers = std::make_unique<SearchHandlers>(
        SearchParts{Panel3D3, Panel3D1, Panel3D7, Panel3D4, Data1, NewFormFlag, FindFromFirst,
                    m_buttonBar, messages()});
    m_narrativeHandlers = std::make_unique<NarrativeHandlers>(
        NarrativeParts{Panel3D1, SSCommand3, Data1, Data9, m_buttonBar, messages()});
    m_printHandlers = std::make_unique<PrintHandlers>(
        PrintParts{Panel3D1, Panel3D5, Command3D14, cmdPreview, cmdExportPdf, Data3, setupCursor,
                   selectedPrinterName, m_context.printEnvironment, messages(), clock()});
    m_importHandlers = std::make_unique<ImportHandlers>(
        ImportParts{this, Panel3D7->cmdImportAccess, m_context.programFolder, messages(),
                    [this] { return m_dataBinding->dataFolder(); },
                    [this] {
                        const std::optional<ServerAddress> server = m_dataBinding->server();
                        return server ? server->displayName() : QString();
                    }});

    // Find and Set-up may replace or rebind the form on screen: unsaved changes are settled
    // before either panel opens.
    connect(Command3D27, &QPushButton::clicked, this, [this] {
        if (Panel3D3->isHidden() && !m_formHandlers->settleUnsavedChanges())
            return;
        m_searchHandlers->Command3D27_Click();
    });
    connect(Command3D18, &QPushButton::clicked, this, [this] {
        if (Panel3D7->isHidden() && !m_formHandlers->settleUnsavedChanges())
            return;
        m_setupHandlers->Command3D18_Click();
    });
    connect(m_formHandlers.get(), &FormHandlers::formDeleted, this, &Form1::SetDataPaths);
    connect(m_setupHandlers.get(), &SetupHandlers::bindingRequested, this, &Form1::SetDataPaths);
    connect(m_setupHandlers.get(), &SetupHandlers::agencySaved, m_formHandlers.get(),
            &FormHandlers::agencyChanged);
    connect(m_searchHandlers.get(), &SearchHandlers::matchFound, this, &Form1::ShowRecord);
    connect(m_historyHandlers.get(), &HistoryHandlers::recordChosen, this, &Form1::ShowRecord);
    // The earlier-forms list follows the aircraft on screen.
    connect(Panel3D1, &FormScreen::Combo1_Click, m_historyHandlers.get(),
            &HistoryHandlers::refresh);
    connect(Command3D19, &QPushButton::clicked, m_historyHandlers.get(), &HistoryHandlers::refresh);
    connect(m_importHandlers.get(), &ImportHandlers::dataImported, this,
            [this] { m_setupHandlers->dataReplaced(); });
    connect(m_importHandlers.get(), &ImportHandlers::dataFolderChosen, this,
            [this](const QString &folder) { m_setupHandlers->useDataFolder(folder); });
}

QWidget *Form1::buildButtonBar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("buttonBar"));
    bar->setStyleSheet(QStringLiteral(
        "#buttonBar { background: #1f3a5f; }"
        "#buttonBar QPushButton { color: white; background: #2e5283; border: 1px solid #0d1f36;"
        " border-radius: 3px; padding: 4px 7px; font-weight: bold; }"
        "#buttonBar QPushButton:disabled { color: #8a9bb3; background: #27446b; }"
        "#buttonBar QPushButton:focus { border: 2px solid #ffd34d; }"));
    Command3D12 = barButton(bar, "Command3D12", tr("Exit"));
    Command3D13 = barButton(bar, "Command3D13", tr("Save"));
    Command3D14 = barButton(bar, "Command3D14", tr("Print"));
    cmdPreview = barButton(bar, "cmdPreview", tr("Preview"));
    cmdExportPdf = barButton(bar, "cmdExportPdf", tr("Export PDF"));
    cmdLogbookEntry = barButton(bar, "cmdLogbookEntry", tr("Logbook entry"));
    cmdLogbookEntry->setToolTip(tr("Copy the aircraft logbook entry of this form"));
    new EnabledFollower(Command3D14, {cmdLogbookEntry});  // a form to print is a form to log
    cmdFaaMailing = barButton(bar, "cmdFaaMailing", tr("FAA mailing"));
    cmdFaaMailing->setToolTip(tr("Approved forms whose FAA copy is not recorded as sent"));
    Command3D15 = barButton(bar, "Command3D15", tr("Delete"));
    Command3D17 = barButton(bar, "Command3D17", QString());
    Command3D17->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    Command3D16 = barButton(bar, "Command3D16", QString());
    Command3D16->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    Command3D18 = barButton(bar, "Command3D18", tr("Set-up"));
    Command3D19 = barButton(bar, "Command3D19", tr("New"));
    Command3D27 = barButton(bar, "Command3D27", tr("Find"));
    new EnabledFollower(Command3D27, {cmdFaaMailing});  // with the data bound, as Find
    cmdHelp = barButton(bar, "cmdHelp", tr("Help"));
    cmdHelp->setToolTip(tr("The user guide (F1)"));
    using B = ButtonBar::Button;
    for (auto [role, button] : {std::pair{B::Exit, Command3D12},
                                {B::Save, Command3D13},
                                {B::Print, Command3D14},
                                {B::Delete, Command3D15},
                                {B::Next, Command3D16},
                                {B::Previous, Command3D17},
                                {B::Setup, Command3D18},
                                {B::New, Command3D19},
                                {B::Find, Command3D27}})
        m_buttonBar.add(role, button);
    SSCommand3 = barButton(bar, "SSCommand3", tr("Back"));
    SSCommand3->setToolTip(tr("Description of work on the back of the form"));
    m_buttonBar.add(B::Page, SSCommand3);

    // The usual desktop shortcuts, named in each button's tooltip.
    const struct
    {
        QPushButton *button;
        QString what;
        QKeySequence keys;
    } shortcuts[] = {
        {Command3D13, tr("Save the form"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Command3D19, tr("New form"), QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Command3D14, tr("Print the form"), QKeySequence(Qt::CTRL | Qt::Key_P)},
        {Command3D27, tr("Find stored forms"), QKeySequence(Qt::CTRL | Qt::Key_F)},
        {cmdPreview, tr("Preview the printed pages"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {Command3D17, tr("Previous form"), QKeySequence(Qt::ALT | Qt::Key_Left)},
        {Command3D16, tr("Next form"), QKeySequence(Qt::ALT | Qt::Key_Right)},
    };
    for (const auto &s : shortcuts)
        giveShortcut(s.button, s.what, s.keys);
    Command3D17->setAccessibleName(tr("Previous form"));
    Command3D16->setAccessibleName(tr("Next form"));

    // The buttons carry on in a second row when the window is too narrow for one; Help
    // and Exit keep their place at the right.
    auto *buttons = new QWidget(bar);
    auto *flow = new FlowLayout(buttons);
    flow->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *b :
         {Command3D19, Command3D13, Command3D15, Command3D17, Command3D16, Command3D27, SSCommand3,
          Command3D14, cmdPreview, cmdExportPdf, cmdLogbookEntry, cmdFaaMailing, Command3D18})
        flow->addWidget(b);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(buttons, 1);
    row->addWidget(cmdHelp, 0, Qt::AlignTop);
    row->addWidget(Command3D12, 0, Qt::AlignTop);
    return bar;
}

// The status line under the button bar: what the last step did (a written PDF with a button
// that opens its folder), and the data folder in use.
QWidget *Form1::buildStatusLine()
{
    statusLine = new QStatusBar(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setSizeGripEnabled(false);
    m_openFolder = new QPushButton(tr("Open folder"), statusLine);
    m_openFolder->setObjectName(QStringLiteral("openFolder"));
    m_openFolder->hide();
    connect(m_openFolder, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(m_shownFolder)); });
    statusLine->addWidget(m_openFolder);
    dataFolderLabel = new QLabel(statusLine);
    dataFolderLabel->setObjectName(QStringLiteral("dataFolderLabel"));
    statusLine->addPermanentWidget(dataFolderLabel);
    messages().setStatusLine([this](const QString &text, const QString &folder) {
        // Told again what it shows (an emptied line on every step): nothing to repaint.
        if (text == statusLine->currentMessage() && folder == m_shownFolder)
            return;
        m_shownFolder = folder;
        m_openFolder->setVisible(!folder.isEmpty());
        statusLine->showMessage(text);
    });
    return statusLine;
}

void Form1::placePanels()
{
    const int width = m_surface->width();
    m_formScroll->setGeometry(m_surface->rect());
    const QSize signIn = SSPanel1->sizeHint().expandedTo(QSize(360, 180));
    SSPanel1->setGeometry((width - signIn.width()) / 2, twipsToPixels(2400, this), signIn.width(),
                          signIn.height());
    const QRect setupArea(
        twipsToPixels(600, this), twipsToPixels(300, this),
        qMin(width - 2 * twipsToPixels(600, this), twipsToPixels(14000, this)),
        qMin(m_surface->height() - twipsToPixels(600, this), twipsToPixels(8700, this)));
    Panel3D7->setGeometry(setupArea);
    const QSize copies = Panel3D5->sizeHint().expandedTo(QSize(220, 110));
    Panel3D5->setGeometry((width - copies.width()) / 2, twipsToPixels(3000, this), copies.width(),
                          copies.height());
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placePanels();
}

bool Form1::event(QEvent *e)
{
    const bool handled = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate && !m_activated)
        activate();
    return handled;
}

MessageService &Form1::messages() const
{
    return *m_context.messages;
}

Clock &Form1::clock() const
{
    return *m_context.clock;
}

void Form1::endProgram()
{
    if (m_context.endProgram)
        m_context.endProgram();
}

void Form1::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    placePanels();
    openSettings();
    if (!settingsDatabase)
        return;
    setIdleButtons();
    SetDataPaths();
    Panel3D1->Combo1[0]->setFocus();
}

void Form1::openSettings()
{
    const QString settingsPath
        = DataFolder::resolve(m_context.programFolder, QString::fromLatin1(Schema::kSettingsFile));
    try {
        Installation::ensure(m_context.programFolder);
    } catch (const DbError &error) {
        // A first start that cannot make its files says why, not that a file is unreadable.
        QString reason
            = error.number() == EngineError::DiskFull ? fileFaultInWords(error) : error.message();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        messages().tell(
            tr("The program's files could not be created in \"%1\": %2.\n\n"
               "The program will end; make room or choose another place, and start it again.")
                .arg(QDir::toNativeSeparators(m_context.programFolder), reason),
            error.number() == EngineError::DiskFull ? tr("Disk full")
                                                    : tr("Program files not created"),
            Msg::Icon::Critical);
        endProgram();
        return;
    }
    try {
        settingsDatabase = Database::open(settingsPath, Schema::settingsFileTables());
        setupCursor.setDatabaseName(settingsDatabase->path());
        setupCursor.setTable(QStringLiteral("Setup"));
        setupCursor.refresh();
        // The program needs the one settings record; a table left empty gets a fresh one.
        if (setupCursor.isEmpty()) {
            setupCursor.addNew();
            setupCursor.setField(QStringLiteral("TopShift"), 0);
            setupCursor.update();
        }
        setupCursor.moveFirst();
    } catch (const DbError &error) {
        settingsDatabase.reset();
        messages().tell(tr("The settings file \"%1\" cannot be opened: %2\n\nThe program will end; "
                           "nothing was changed.")
                            .arg(settingsPath, error.message()),
                        tr("Settings file unreadable"), Msg::Icon::Critical);
        endProgram();
    }
}

void Form1::setIdleButtons()
{
    m_buttonBar.apply(ButtonBar::Event::Idle);
    Panel3D7->hide();
}

void Form1::SetDataPaths()
{
    m_dataBinding->SetDataPaths();
    // Binding leaves the screen as a new form the program filled in.
    m_formHandlers->takeScreenAsUnchanged();
    placePanels();  // the sign-in panel may have grown a first-start hint
    const std::optional<ServerAddress> server = m_dataBinding->server();
    dataFolderLabel->setText(
        server ? tr("Database server: %1").arg(server->displayName())
               : tr("Data folder: %1").arg(QDir::toNativeSeparators(m_dataBinding->dataFolder())));
}

void Form1::ShowRecord()
{
    m_formHandlers->ShowRecord();
    m_historyHandlers->refresh();
}

void Form1::Combo1_Click(int index)
{
    m_formHandlers->Combo1_Click(index);
}

void Form1::Command3D12_Click()
{
    if (mayEndProgram())
        endProgram();
}

bool Form1::mayEndProgram()
{
    // With unsaved changes, Save or Discard already says "end"; a second question would
    // only repeat it.
    if (m_formHandlers->hasUnsavedChanges())
        return m_formHandlers->settleUnsavedChanges();
    const auto answer
        = messages().ask({tr("Are you sure you want to exit? Have you saved your form?"),
                          tr("Exit"), Msg::Buttons::YesNo, Msg::Icon::Question, Msg::Answer::Yes});
    return answer == Msg::Answer::Yes;
}

// The window's close button and Alt+F4 take the way of the Exit button.
void Form1::closeEvent(QCloseEvent *event)
{
    if (!mayEndProgram()) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

void Form1::showHelp()
{
    if (!helpWindow) {
        helpWindow = new HelpWindow(this);
        connect(helpWindow, &HelpWindow::aboutRequested, this, &Form1::showAbout);
    }
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

void Form1::showAbout()
{
    QString text = tr("FAA Form 337\nVersion %1\n\nProgram folder (settings): %2")
                       .arg(QLatin1String(kProgramVersion), m_context.programFolder);
    QVariant dataPath;
    if (settingsDatabase) {
        // The folder line is left out; the version is what this box is for.
        skipFailingStep([&] { dataPath = setupCursor.field(QStringLiteral("DataPath")); });
    }
    if (!dataPath.toString().isEmpty())
        text += tr("\nData folder (forms and inspectors): %1").arg(dataPath.toString());
    messages().tell(text, tr("About FAA Form 337"), Msg::Icon::Information);
}
