#include "app/CMainFrame.h"

#include "app/AppIcons.h"
#include "app/CKAVDoc.h"
#include "app/JobDock.h"
#include "app/RecentFiles.h"
#include "app/RecentMenu.h"
#include "app/WindowLanguage.h"
#include "data/CDataStore.h"
#include "data/LossTestRules.h"
#include "data/NameDecoding.h"
#include "platform/AppTitle.h"
#include "platform/ui/ProgramSettings.h"
#include "platform/ui/Prompts.h"
#include "report/Translations.h"
#include "views/CKAVView.h"
#include "views/CKavGridPage.h"
#include "views/CTestLimitsDlg.h"
#include "views/CertificationSettings.h"
#include "views/InfoDialogs.h"
#include "views/Messages.h"
#include "views/ReportHeaderMemory.h"
#include "views/ReportOptionsDialog.h"
#include "views/Tabs.h"

#include <QActionGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <string>
#include <vector>

namespace {
constexpr QSize ToolButtonSize(85, 38);
constexpr QSize ToolImageSize(16, 15);
const char* const IdleText = QT_TRANSLATE_NOOP("CMainFrame", "Ready");
// Between the file's name and the document's title in the caption.
const QString CaptionSeparator = QStringLiteral(" \u2014 ");
// The view's commands, whose state follows the selected tab.
constexpr CommandId ViewCommands[] = {CommandId::FileOpen,        CommandId::FileSave,
                                      CommandId::FileSaveAsCsv,   CommandId::FileSaveAs,
                                      CommandId::FilePrint,       CommandId::FilePrintPreview,
                                      CommandId::FilePrintSetup,  CommandId::FileExportPdf,
                                      CommandId::FileSaveAsExcel, CommandId::FileReportOptions};

// The job's commands, whose state follows the job open.
constexpr CommandId JobCommands[] = {CommandId::FileImportIntoJob, CommandId::FileExportJobReport,
                                     CommandId::FileExportJobWorkbook, CommandId::FileCloseJob,
                                     CommandId::ViewRefreshJob};

// The commands that, like the information dialogs, belong to the KAV tab.
constexpr CommandId KavTabCommands[] = {CommandId::EditJobInfo,    CommandId::EditCableInfo,
                                        CommandId::EditSystemInfo, CommandId::EditTestInfo,
                                        CommandId::EditTestLimits, CommandId::EditClearHeader};

// The cables of the loss tests in the order they first appear, and the
// wavelengths of their form.
std::vector<std::string> CablesOf(const CDataStore& store)
{
    std::vector<std::string> cables;
    std::string_view last;
    for (size_t k = 0; k < store.KavRecordCount(); ++k) {
        const std::string_view bytes = CableOf(KavRecordAt(store, k));
        if (k != 0 && bytes == last)
            continue;
        last = bytes;
        // As shown: the name that a limit's per-cable figures match.
        std::string cable = NameUtf8(bytes);
        if (std::find(cables.begin(), cables.end(), cable) == cables.end())
            cables.push_back(std::move(cable));
    }
    return cables;
}

std::vector<int32_t> WaveLengthsOf(const CDataStore& store)
{
    if (store.KavRecordCount() == 0)
        return {};
    const KavRecordView record = KavRecordAt(store, 0);
    return std::vector<int32_t>(record.waveLength, record.waveLength + record.waveCount);
}

namespace Keys {
const QString Size = QStringLiteral("Window/Size");
const QString Position = QStringLiteral("Window/Position");
const QString Maximized = QStringLiteral("Window/Maximized");
const QString Tab = QStringLiteral("Window/Tab");
} // namespace Keys
} // namespace

CMainFrame::CMainFrame(CKAVDoc& document, CDataStore& store, AutoTraceFactory autoTraceFactory,
                       QWidget* parent)
    : QMainWindow(parent), m_Document(document), m_View(new CKAVView(store, std::move(autoTraceFactory)))
{
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    // What an earlier run kept.
    InfoFields remembered = store.GetInfoFields();
    RestoreReportHeader(remembered);
    m_View->SetInfoFields(remembered);
    RestoreNameEncoding();
    m_JobDock = new JobDock(*this, *m_View);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    // On a screen smaller than a page needs (a laptop's, or at 150 % or
    // 200 % scaling) the view keeps that page's size and scrolls.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName("viewScroller");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_View);
    setCentralWidget(scroller);
    AddRecentFilesMenu();
    connect(&m_Document, &CKAVDoc::TitleChanged, this, &CMainFrame::SetCaption);
    connect(m_View, &CKAVView::CommandStatesChanged, this, &CMainFrame::UpdateCommandStates);
    connect(m_View, &CKAVView::TabChanged, this, &CMainFrame::UpdateCaption);
    connect(m_View, &CKAVView::FileOpened, this, &CMainFrame::OnFileOpened);
    connect(m_JobDock, &JobDock::JobChanged, this, &CMainFrame::UpdateCommandStates);

    SizeToForm();
    m_View->OnInitialUpdate();
    // The limit and the columns chosen in the last run.
    m_View->KavPage()->SetLimits(RememberedLimits());
    m_View->KavPage()->ShowLimitColumns(RememberedLimitColumns());
    Action(CommandId::ViewLimitColumns)->setChecked(m_View->KavPage()->LimitColumnsShown());
    m_LayoutMinimum = WithChrome(m_View->MinimumFormSize());
    FitMinimumToScreen();
    UpdateCommandStates();
}

void CMainFrame::SetCaption(const QString& title)
{
    m_CaptionTitle = title;
    UpdateCaption();
}

void CMainFrame::SetCaptionNote(const QString& note)
{
    m_CaptionNote = note;
    UpdateCaption();
}

void CMainFrame::UpdateCaption()
{
    const QString file = QFileInfo(m_View->FileOfTab(m_View->SelectedTab())).fileName();
    setWindowTitle((file.isEmpty() ? QString() : file + CaptionSeparator) + m_CaptionTitle + m_CaptionNote);
}

QAction* CMainFrame::AddCommand(CommandId id, const QString& text, const QString& prompt)
{
    auto* action = new QAction(text, this);
    action->setStatusTip(prompt);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_Actions[id] = action;
    // Keys work while the window is active, even with the toolbar hidden.
    addAction(action);
    return action;
}

QAction* CMainFrame::Action(CommandId id) const
{
    const auto found = m_Actions.find(id);
    return found == m_Actions.end() ? nullptr : found->second;
}

void CMainFrame::CreateMenus()
{
    QAction* open =
        AddCommand(CommandId::FileOpen, tr("Open(&O)...\tCtrl+O"), tr("Opens an exiting document"));
    open->setShortcut(QKeySequence("Ctrl+O"));
    QAction* save = AddCommand(CommandId::FileSave, tr("Save"), tr("Saves the document"));
    save->setShortcut(QKeySequence("Ctrl+S"));
    QAction* saveAs = AddCommand(CommandId::FileSaveAs, tr("Save As(&A)...\tCtrl+Shift+S"),
                                 tr("Saves the document with a new name"));
    saveAs->setShortcut(QKeySequence("Ctrl+Shift+S"));
    QAction* print = AddCommand(CommandId::FilePrint, tr("Print(&P)...\tCtrl+P"),
                                tr("Prints all or part of the document "));
    print->setShortcut(QKeySequence("Ctrl+P"));
    QAction* newDocument = AddCommand(CommandId::FileNew, tr("New"), QString());
    newDocument->setShortcut(QKeySequence("Ctrl+N"));

    QMenu* file = menuBar()->addMenu(tr("File(&F)"));
    file->addAction(open);
    file->addAction(
        AddCommand(CommandId::FileSaveAsCsv, tr("Save As CSV(&C)"), tr("Saves the table as a CSV file")));
    file->addAction(AddCommand(CommandId::FileSaveAsExcel, tr("Save As Excel(&L)..."),
                               tr("Saves the table as an Excel workbook")));
    file->addAction(saveAs);
    file->addSeparator();
    file->addAction(print);
    file->addAction(
        AddCommand(CommandId::FilePrintPreview, tr("Print View(&V)"), tr("Previews all document")));
    file->addAction(AddCommand(CommandId::FilePrintSetup, tr("Print Setup(&T)..."),
                               tr("Chooses the printer, the paper and its orientation for the reports")));
    file->addAction(AddCommand(
        CommandId::FileReportOptions, tr("Report Options(&N)..."),
        tr("Chooses the company, logo, footer and language of the reports and how names are read")));
    file->addAction(
        AddCommand(CommandId::FileExportPdf, tr("Export PDF(&E)..."), tr("Writes the report as a PDF file")));
    file->addSeparator();
    file->addAction(AddCommand(CommandId::FileNewJob, tr("New Job(&W)..."),
                               tr("Starts a job: many result files, one plan and one handover report")));
    file->addAction(AddCommand(CommandId::FileOpenJob, tr("Open Job(&B)..."),
                               tr("Opens a job and shows its cables and fibers beside the tabs")));
    file->addAction(AddCommand(CommandId::FileOpenTeamJob, tr("Open Team Job(&G)..."),
                               tr("Opens a job kept on a PostgreSQL server, which a crew fills together")));
    file->addMenu(m_JobDock->RecentJobsMenu());
    file->addAction(AddCommand(CommandId::FileImportIntoJob, tr("Import into Job(&I)..."),
                               tr("Imports result files and documents into the open job")));
    file->addAction(AddCommand(CommandId::FileExportJobReport, tr("Export Job Report(&D)..."),
                               tr("Writes the open job's handover report as a PDF file")));
    file->addAction(AddCommand(CommandId::FileExportJobWorkbook, tr("Export Job Workbook(&K)..."),
                               tr("Writes the open job's results, verdicts, completeness, history and files "
                                  "as an Excel workbook")));
    file->addAction(AddCommand(CommandId::FileCloseJob, tr("Close Job(&U)"), tr("Closes the open job")));
    file->addSeparator();
    file->addAction(AddCommand(CommandId::AppExit, tr("Exit(&X)"),
                               tr("Quits the application; Prompts to save documents")));

    QMenu* edit = menuBar()->addMenu(tr("Edit(&E)"));
    edit->addAction(AddCommand(CommandId::EditJobInfo, tr("Job Information(&J)"),
                               tr("Edits the job information of the report header")));
    edit->addAction(AddCommand(CommandId::EditCableInfo, tr("Cable Information(&C)"),
                               tr("Edits the cable information of the report header")));
    edit->addAction(AddCommand(CommandId::EditSystemInfo, tr("System Information(&S)"),
                               tr("Edits the system information of the report header")));
    edit->addAction(AddCommand(CommandId::EditTestInfo, tr("Test Information(&T)"),
                               tr("Edits the reference method, test cords, calibration and instrument of the "
                                  "report header")));
    edit->addAction(
        AddCommand(CommandId::EditClearHeader, tr("Clear Report Header(&H)..."),
                   tr("Empties the job, cable, system and test information, also for later runs")));
    edit->addSeparator();
    edit->addAction(AddCommand(CommandId::EditTestLimits, tr("Test Limits(&L)..."),
                               tr("Chooses the limit the loss tests are certified against")));
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    QMenu* view = menuBar()->addMenu(tr("View(&V)"));
    QAction* limitColumns =
        AddCommand(CommandId::ViewLimitColumns, tr("Limit, Margin and Result Columns(&M)"),
                   tr("Shows each wavelength's limit, margin and result in the KAV table"));
    limitColumns->setCheckable(true);
    view->addAction(limitColumns);
    QAction* refresh = AddCommand(CommandId::ViewRefreshJob, tr("Refresh Job(&R)\tF5"),
                                  tr("Reads the open job again, with what others have imported into it"));
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    view->addAction(refresh);

    // Between the tabs as between a browser's: the key the user expects, and
    // the older one.
    const struct
    {
        const char* keys[2];
        int step;
    } tabKeys[] = {{{"Ctrl+Tab", "Ctrl+PgDown"}, 1}, {{"Ctrl+Shift+Tab", "Ctrl+PgUp"}, -1}};
    for (const auto& tabKey : tabKeys) {
        auto* action = new QAction(this);
        action->setShortcuts({QKeySequence(tabKey.keys[0]), QKeySequence(tabKey.keys[1])});
        action->setShortcutContext(Qt::WindowShortcut);
        const int step = tabKey.step;
        connect(action, &QAction::triggered, this, [this, step] { m_View->SelectNeighbourTab(step); });
        addAction(action);
    }

    QMenu* help = menuBar()->addMenu(tr("Help(&H)"));
    QAction* guide = AddCommand(CommandId::HelpUserGuide, tr("User Guide(&U)\tF1"),
                                tr("Opens the user guide: a page for each task, with pictures"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction(guide);
    help->addSeparator();
    help->addAction(AddCommand(CommandId::AppAbout, tr("About KAV(&A)..."),
                               tr("Displays the programm information and copyright")));
    AddLanguageMenu(help);
}

void CMainFrame::AddLanguageMenu(QMenu* help)
{
    QMenu* languages = help->addMenu(tr("Language(&G)"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(languages);
    const QString current = WindowLanguage::InEffect(ProgramSettings::Current());
    // Each language is named in itself, so that a user who cannot read the
    // window's language still finds their own.
    const struct
    {
        const char* code;
        QString name;
    } choices[] = {{LanguageCodes[0], QStringLiteral("&English")},
                   {LanguageCodes[1], QStringLiteral("\u7B80\u4F53\u4E2D\u6587(&C)")}};
    for (const auto& choice : choices) {
        const QString code = QString::fromLatin1(choice.code);
        QAction* action = languages->addAction(choice.name);
        action->setObjectName(QStringLiteral("language_") + code);
        action->setCheckable(true);
        action->setChecked(code == current);
        action->setStatusTip(tr("Speaks this language from the program's next start"));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { ChooseLanguage(code); });
    }
}

void CMainFrame::ChooseLanguage(const QString& code)
{
    WindowLanguage::Choose(ProgramSettings::Current(), code);
    // The message is in the chosen language: the user may not read the
    // window's.
    const char* const note = QT_TR_NOOP("The language takes effect when the program is started again.");
    QTranslator chosen;
    LoadTranslations(chosen, code);
    const QString text = chosen.translate("CMainFrame", note);
    Prompts::Current().Message(this, text.isEmpty() ? QString::fromLatin1(note) : text, ApplicationTitle,
                               MessageButtons::Ok, MessageIcon::Information);
}

void CMainFrame::CreateToolBar()
{
    m_ToolBar = addToolBar(tr("Standard"));
    m_ToolBar->setObjectName("toolBar59392");
    m_ToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_ToolBar->setIconSize(ToolImageSize);
    m_ToolBar->setMovable(true);
    m_ToolBar->setFloatable(true);
    m_ToolBar->setAllowedAreas(Qt::AllToolBarAreas);

    const struct
    {
        CommandId id;
        const char* label;
        const char* tip;
        QIcon icon;
    } buttons[] = {{CommandId::FileOpen, QT_TR_NOOP("Open"),
                    QT_TR_NOOP("Opens an instrument file or a document (Ctrl+O)"), OpenIcon()},
                   {CommandId::FileSave, QT_TR_NOOP("Save"),
                    QT_TR_NOOP("Saves the selected tab's records (Ctrl+S)"), SaveIcon()},
                   {CommandId::FilePrint, QT_TR_NOOP("Print"),
                    QT_TR_NOOP("Prints the selected tab's report (Ctrl+P)"), PrintIcon()}};
    for (const auto& button : buttons) {
        if (button.id != CommandId::FileOpen)
            m_ToolBar->addSeparator();
        QAction* action = Action(button.id);
        action->setIcon(button.icon);
        action->setIconText(tr(button.label));
        action->setToolTip(tr(button.tip));
        m_ToolBar->addAction(action);
        QWidget* widget = m_ToolBar->widgetForAction(action);
        widget->setFixedSize(ToolButtonSize);
        widget->setObjectName(QString("toolButton%1").arg(button.label));
    }
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar59393");
    for (const char* indicator : {"Caps", "Num", "Scroll"}) {
        auto* pane = new QLabel(indicator, bar);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(indicator) + 12);
        // The system's lock keys cannot be read on every platform, so the
        // indicators stay in their resting, greyed state.
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    // The fifth pane ("Overwrite") is covered by an empty progress bar.
    m_ProgressBar = new QProgressBar(bar);
    m_ProgressBar->setObjectName("progress123");
    m_ProgressBar->setRange(0, 100);
    m_ProgressBar->setValue(0);
    m_ProgressBar->setTextVisible(false);
    m_ProgressBar->setFixedWidth(m_ProgressBar->fontMetrics().horizontalAdvance("Overwrite") + 12);
    bar->addPermanentWidget(m_ProgressBar);

    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(tr(IdleText));
    });
    bar->showMessage(tr(IdleText));
}

QSize CMainFrame::WithChrome(const QSize& viewSize) const
{
    const int chrome =
        menuBar()->sizeHint().height() + m_ToolBar->sizeHint().height() + statusBar()->sizeHint().height();
    return QSize(viewSize.width(), viewSize.height() + chrome);
}

QSize CMainFrame::DesignSize() const
{
    return WithChrome(CKAVView::FormSize());
}

void CMainFrame::FitMinimumToScreen()
{
    QSize minimum = m_LayoutMinimum;
    // A smaller screen still holds the whole window, as at start-up.
    if (const QScreen* screen = this->screen())
        minimum = minimum.boundedTo(screen->availableGeometry().size() - (frameGeometry().size() - size()));
    setMinimumSize(minimum);
}

void CMainFrame::SizeToForm()
{
    m_View->resize(CKAVView::FormSize());
    QSize size = DesignSize();
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_FittedToScreen)
        return;
    m_FittedToScreen = true;
    // The window's border is known only now: keep the whole frame on screen.
    FitMinimumToScreen();
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QSize available = screen->availableGeometry().size();
    const QSize excess = frameGeometry().size() - available;
    if (excess.width() > 0 || excess.height() > 0)
        resize(size() - QSize(std::max(0, excess.width()), std::max(0, excess.height())));
}

void CMainFrame::UpdateCommandStates()
{
    const bool information = m_View->SelectedTab() == TabKav;
    for (CommandId id : KavTabCommands)
        Action(id)->setEnabled(information);
    // A command with no work on the tab is greyed rather than left to do
    // nothing when chosen.
    for (CommandId id : ViewCommands)
        Action(id)->setEnabled(m_View->CommandEnabled(id));
    for (CommandId id : JobCommands)
        Action(id)->setEnabled(m_JobDock->CommandEnabled(id));
}

void CMainFrame::SetApplicationHandler(std::function<bool(CommandId)> handler)
{
    m_ApplicationHandler = std::move(handler);
}

void CMainFrame::OnCommand(CommandId id)
{
    if (m_View->OnCommand(id) || OnFrameCommand(id))
        return;
    if (m_ApplicationHandler)
        m_ApplicationHandler(id);
}

bool CMainFrame::OnFrameCommand(CommandId id)
{
    const bool informationEnabled = m_View->SelectedTab() == TabKav;
    switch (id) {
    case CommandId::EditJobInfo:
        if (informationEnabled)
            EditInformation(&ShowJobInformation);
        return true;
    case CommandId::EditCableInfo:
        if (informationEnabled)
            EditInformation(&ShowCableInformation);
        return true;
    case CommandId::EditSystemInfo:
        if (informationEnabled)
            EditInformation(&ShowSystemInformation);
        return true;
    case CommandId::EditTestInfo:
        if (informationEnabled)
            EditInformation(&ShowTestInformation);
        return true;
    case CommandId::EditClearHeader:
        // Every field of every group goes: asked first.
        if (informationEnabled && ConfirmClearHeader(this))
            EditInformation([](QWidget*, InfoFields& fields) {
                fields.Clear();
                RememberReportHeader(fields);
            });
        return true;
    case CommandId::EditTestLimits:
        if (informationEnabled)
            EditLimits();
        return true;
    case CommandId::ViewLimitColumns:
        ToggleLimitColumns();
        return true;
    case CommandId::AppExit:
        close();
        return true;
    default:
        return m_JobDock->OnCommand(id);
    }
}

void CMainFrame::EditInformation(void (*edit)(QWidget* owner, InfoFields& fields))
{
    InfoFields fields = m_View->Store().GetInfoFields();
    edit(this, fields);
    m_View->SetInfoFields(fields);
}

void CMainFrame::EditLimits()
{
    CKavGridPage& page = *m_View->KavPage();
    const CDataStore& store = m_View->Store();
    const std::optional<TestLimits> limits =
        EditTestLimits(this, page.Limits(), CablesOf(store), WaveLengthsOf(store));
    if (!limits)
        return;
    page.SetLimits(*limits);
    RememberLimits(*limits);
}

void CMainFrame::ToggleLimitColumns()
{
    CKavGridPage& page = *m_View->KavPage();
    page.ShowLimitColumns(!page.LimitColumnsShown());
    Action(CommandId::ViewLimitColumns)->setChecked(page.LimitColumnsShown());
    RememberLimitColumns(page.LimitColumnsShown());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            OpenAnyFile(url.toLocalFile());
}

bool CMainFrame::OpenAnyFile(const QString& path)
{
    // A job opens beside the tabs (files dropped on the job go into it).
    if (QFileInfo(path).suffix().compare(QStringLiteral("kavjob"), Qt::CaseInsensitive) == 0)
        return m_JobDock->OpenJob(path);
    return m_View->OpenRecognizedFile(path);
}

void CMainFrame::AddRecentFilesMenu()
{
    QMenu* file = menuBar()->actions().front()->menu();
    QAction* exit = Action(CommandId::AppExit);
    m_RecentMenu = new QMenu(tr("Recent Files(&R)"), this);
    file->insertMenu(exit, m_RecentMenu);
    file->insertSeparator(exit);
    UpdateRecentFilesMenu();
}

void CMainFrame::UpdateRecentFilesMenu()
{
    FillRecentMenu(
        *m_RecentMenu, RecentFiles(ProgramSettings::Current()).Paths(),
        [this](const QString& path) { OpenRecentFile(path); });
}

void CMainFrame::OpenRecentFile(const QString& path)
{
    // An entry that no longer opens, for whatever reason (gone, unreadable,
    // a pipe or a device in its place), leaves the list; the view has said why.
    if (m_View->OpenRecognizedFile(path))
        return;
    RecentFiles(ProgramSettings::Current()).Remove(path);
    UpdateRecentFilesMenu();
}

void CMainFrame::OnFileOpened(const QString& path)
{
    statusBar()->showMessage(
        tr("%1 is shown on the %2 tab.").arg(QFileInfo(path).fileName(), TabText(m_View->SelectedTab())));
    RecentFiles(ProgramSettings::Current()).Add(path);
    UpdateRecentFilesMenu();
    UpdateCaption();
}

void CMainFrame::RestorePlacement()
{
    ProgramSettings& settings = ProgramSettings::Current();
    const QSize size = settings.Value(Keys::Size).toSize();
    if (size.isValid()) {
        QSize fitted = size.expandedTo(minimumSize());
        if (const QScreen* screen = this->screen())
            fitted = fitted.boundedTo(screen->availableGeometry().size());
        resize(fitted);
    }
    const QVariant position = settings.Value(Keys::Position);
    if (position.isValid() && TitleBarOnAScreen(position.toPoint()))
        move(position.toPoint());
    if (settings.Value(Keys::Maximized).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
    bool known = false;
    const int tab = settings.Value(Keys::Tab).toInt(&known);
    if (known && tab >= 0 && tab < TabCount)
        m_View->SelectTab(tab);
}

bool CMainFrame::TitleBarOnAScreen(const QPoint& position) const
{
    // The point a user grabs to move the window: the middle of its title bar.
    const QPoint grip = position + QPoint(width() / 2, 10);
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(grip))
            return true;
    return false;
}

void CMainFrame::SavePlacement()
{
    ProgramSettings& settings = ProgramSettings::Current();
    const bool maximized = isMaximized();
    settings.SetValue(Keys::Maximized, maximized);
    // A maximized window keeps the place it had before, to come back to.
    if (!maximized && !isMinimized()) {
        settings.SetValue(Keys::Size, size());
        settings.SetValue(Keys::Position, pos());
    }
    settings.SetValue(Keys::Tab, m_View->SelectedTab());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    SavePlacement();
    QMainWindow::closeEvent(event);
}
