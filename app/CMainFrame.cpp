#include "CMainFrame.h"

#include "AppIcons.h"
#include "CDataStore.h"
#include "CKAVDoc.h"
#include "CKAVView.h"
#include "InfoDialogs.h"
#include "KavTabActive.h"
#include "Tabs.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {
constexpr QSize ToolButtonSize(85, 38);
constexpr QSize ToolImageSize(16, 15);
const char* const IdleText = "Ready";
} // namespace

CMainFrame::CMainFrame(CKAVDoc& document, CDataStore& store, AutoTraceFactory autoTraceFactory,
                       QWidget* parent)
    : QMainWindow(parent), m_Document(document),
      m_View(new CKAVView(store, std::move(autoTraceFactory), this))
{
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    setCentralWidget(m_View);
    connect(&m_Document, &CKAVDoc::TitleChanged, this, &CMainFrame::SetCaption);
    connect(m_View, &CKAVView::TabChanged, this, &CMainFrame::UpdateEditCommands);
    connect(m_View, &CKAVView::TabChanged, this, &CMainFrame::UpdateReportCommands);
    connect(m_View, &CKAVView::SaveButtonEnabled, Action(CommandId::FileSave), &QAction::setEnabled);

    SizeToForm();
    m_View->OnInitialUpdate();
    UpdateEditCommands();
    UpdateReportCommands();
}

void CMainFrame::SetCaption(const QString& title)
{
    m_CaptionTitle = title;
    setWindowTitle(m_CaptionTitle + m_CaptionNote);
}

void CMainFrame::SetCaptionNote(const QString& note)
{
    m_CaptionNote = note;
    SetCaption(m_CaptionTitle);
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
    QAction* open = AddCommand(CommandId::FileOpen, "Open(&O)...\tCtrl+O", "Opens an exiting document");
    open->setShortcut(QKeySequence("Ctrl+O"));
    QAction* save = AddCommand(CommandId::FileSave, "Save", "Saves the document");
    save->setShortcut(QKeySequence("Ctrl+S"));
    QAction* saveAs =
        AddCommand(CommandId::FileSaveAs, "Save As...\tCtrl+Shift+S", "Saves the document with a new name");
    saveAs->setShortcut(QKeySequence("Ctrl+Shift+S"));
    QAction* print =
        AddCommand(CommandId::FilePrint, "Print(&P)...\tCtrl+P", "Prints all or part of the document ");
    print->setShortcut(QKeySequence("Ctrl+P"));
    QAction* newDocument = AddCommand(CommandId::FileNew, "New", QString());
    newDocument->setShortcut(QKeySequence("Ctrl+N"));

    QMenu* file = menuBar()->addMenu("File(&F)");
    file->addAction(open);
    file->addAction(AddCommand(CommandId::FileSaveAsCsv, "Save As CSV", QString()));
    file->addAction(saveAs);
    file->addSeparator();
    file->addAction(print);
    file->addAction(AddCommand(CommandId::FilePrintPreview, "Print View(&V)", "Previews all document"));
    file->addAction(AddCommand(CommandId::FilePrintSetup, "Print Setup...",
                               "Chooses the printer, the paper and its orientation for the reports"));
    file->addAction(AddCommand(CommandId::FileExportPdf, "Export PDF...", "Writes the report as a PDF file"));
    file->addAction(
        AddCommand(CommandId::AppExit, "Exit(&X)", "Quits the application; Prompts to save documents"));

    QMenu* edit = menuBar()->addMenu("Edit(&E)");
    edit->addAction(AddCommand(CommandId::EditJobInfo, "Job Information", QString()));
    edit->addAction(AddCommand(CommandId::EditCableInfo, "Cable Information", QString()));
    edit->addAction(AddCommand(CommandId::EditSystemInfo, "System Information", QString()));
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateEditCommands);

    QMenu* help = menuBar()->addMenu("Help(&H)");
    help->addAction(AddCommand(CommandId::AppAbout, "About KAV(&A)...",
                               "Displays the programm information and copyright"));
}

void CMainFrame::CreateToolBar()
{
    m_ToolBar = addToolBar("Standard");
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
        QIcon icon;
    } buttons[] = {{CommandId::FileOpen, "Open", OpenIcon()},
                   {CommandId::FileSave, "Save", SaveIcon()},
                   {CommandId::FilePrint, "Print", PrintIcon()}};
    for (const auto& button : buttons) {
        if (button.id != CommandId::FileOpen)
            m_ToolBar->addSeparator();
        QAction* action = Action(button.id);
        action->setIcon(button.icon);
        action->setIconText(button.label);
        m_ToolBar->addAction(action);
        QWidget* widget = m_ToolBar->widgetForAction(action);
        widget->setFixedSize(ToolButtonSize);
        widget->setObjectName(QString("toolButton%1").arg(button.label));
        // The buttons carry their labels; they show no tool tips.
        widget->installEventFilter(this);
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
            bar->showMessage(IdleText);
    });
    bar->showMessage(IdleText);
}

void CMainFrame::SizeToForm()
{
    const QSize form = CKAVView::FormSize();
    m_View->resize(form);
    const int chrome =
        menuBar()->sizeHint().height() + m_ToolBar->sizeHint().height() + statusBar()->sizeHint().height();
    QSize size(form.width(), form.height() + chrome);
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
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QSize available = screen->availableGeometry().size();
    const QSize excess = frameGeometry().size() - available;
    if (excess.width() > 0 || excess.height() > 0)
        resize(size() - QSize(std::max(0, excess.width()), std::max(0, excess.height())));
}

void CMainFrame::UpdateEditCommands()
{
    const bool enabled = g_KavTabActive == 1;
    for (CommandId id : {CommandId::EditJobInfo, CommandId::EditCableInfo, CommandId::EditSystemInfo})
        Action(id)->setEnabled(enabled);
}

// The trace tabs have no report to export.
void CMainFrame::UpdateReportCommands()
{
    const int tab = m_View->SelectedTab();
    Action(CommandId::FileExportPdf)->setEnabled(tab == TabOpm || tab == TabKav || tab == TabOrl);
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
    InfoFields& fields = m_View->Store().m_InfoFields;
    const bool informationEnabled = g_KavTabActive == 1;
    switch (id) {
    case CommandId::EditJobInfo:
        if (informationEnabled)
            ShowJobInformation(this, fields);
        return true;
    case CommandId::EditCableInfo:
        if (informationEnabled)
            ShowCableInformation(this, fields);
        return true;
    case CommandId::EditSystemInfo:
        if (informationEnabled)
            ShowSystemInformation(this, fields);
        return true;
    case CommandId::AppExit:
        close();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QMainWindow::eventFilter(watched, event);
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
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            m_View->OpenRecognizedFile(url.toLocalFile());
    }
}
