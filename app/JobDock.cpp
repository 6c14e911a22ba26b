#include "app/JobDock.h"

#include "app/RecentFiles.h"
#include "app/RecentMenu.h"
#include "jobs/PgJobLocation.h"
#include "jobview/CJobPane.h"
#include "jobview/JobSession.h"
#include "platform/ui/ProgramSettings.h"
#include "platform/ui/Prompts.h"
#include "views/CKAVView.h"
#include "views/CKavGridPage.h"
#include "views/DialogFolders.h"

#include <QDockWidget>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace {
const char* const JobFilter = QT_TRANSLATE_NOOP("JobDock", "KAV Job (*.kavjob)|*.kavjob|All Files (*)|*||");
const QString JobDialogKind = QStringLiteral("Job");
const QString JobEnding = QStringLiteral(".kavjob");
// The team job last opened: its server without any password, and its name.
const QString TeamServerKey = QStringLiteral("TeamJob/Server");
const QString TeamJobKey = QStringLiteral("TeamJob/Job");
} // namespace

JobDock::JobDock(QMainWindow& frame, CKAVView& view)
    : QObject(&frame), m_Frame(frame), m_View(view), m_Session(new JobSession(&frame)),
      m_Dock(new QDockWidget(tr("Job"), &frame)), m_Pane(new CJobPane(*m_Session, m_Dock)),
      m_RecentMenu(new QMenu(tr("Recent Jobs(&J)"), &frame))
{
    m_Dock->setObjectName(QStringLiteral("jobDock"));
    m_Dock->setWidget(m_Pane);
    m_Dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    frame.addDockWidget(Qt::LeftDockWidgetArea, m_Dock);
    m_Dock->hide();
    connect(m_Session, &JobSession::Changed, this, &JobDock::OnChanged);
    connect(m_Pane, &CJobPane::ShowFibre, this, &JobDock::ShowFibre);
    UpdateRecentJobs();
}

bool JobDock::CommandEnabled(CommandId id) const
{
    switch (id) {
    case CommandId::FileImportIntoJob:
        return m_Session->Writable();
    case CommandId::FileExportJobReport:
    case CommandId::FileExportJobWorkbook:
    case CommandId::FileCloseJob:
    case CommandId::ViewRefreshJob:
        return m_Session->IsOpen();
    default:
        return true;
    }
}

bool JobDock::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::FileNewJob:
        NewJob();
        return true;
    case CommandId::FileOpenJob:
        ChooseJob();
        return true;
    case CommandId::FileOpenTeamJob:
        ChooseTeamJob();
        return true;
    case CommandId::FileImportIntoJob:
        ImportFiles();
        return true;
    case CommandId::ViewRefreshJob:
        m_Session->Refresh(true);
        return true;
    case CommandId::FileExportJobReport:
        m_Session->ExportReport();
        return true;
    case CommandId::FileExportJobWorkbook:
        m_Session->ExportWorkbook();
        return true;
    case CommandId::FileCloseJob:
        m_Session->Close();
        return true;
    default:
        return false;
    }
}

void JobDock::NewJob()
{
    std::optional<QString> path =
        Prompts::Current().SaveFile(&m_Frame, tr(JobFilter), true, LastFolder(JobDialogKind));
    if (!path)
        return;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += JobEnding;
    RememberFolder(JobDialogKind, *path);
    // The job starts with the window's limit and report header.
    if (m_Session->Create(*path, m_View.KavPage()->Limits(), m_View.Store().GetInfoFields()))
        RecentFiles(ProgramSettings::Current(), RecentFiles::JobsKey).Add(*path);
    UpdateRecentJobs();
}

void JobDock::ChooseJob()
{
    const std::optional<QString> path =
        Prompts::Current().OpenFile(&m_Frame, tr(JobFilter), LastFolder(JobDialogKind));
    if (!path)
        return;
    RememberFolder(JobDialogKind, *path);
    OpenJob(*path);
}

void JobDock::ChooseTeamJob()
{
    ProgramSettings& settings = ProgramSettings::Current();
    Prompts& prompts = Prompts::Current();
    const QString caption = tr("Open Team Job");
    const std::optional<QString> server = prompts.AskText(
        &m_Frame,
        tr("The PostgreSQL server of the team job, as a connection string such as postgresql://host/kav or "
           "host=db dbname=kav user=ana. A password the server asks for is asked next, and never kept."),
        caption, settings.Value(TeamServerKey).toString());
    if (!server || server->trimmed().isEmpty())
        return;
    const std::optional<QString> job = prompts.AskText(&m_Frame, tr("The job's name on the server:"), caption,
                                                       settings.Value(TeamJobKey).toString());
    if (!job || job->trimmed().isEmpty())
        return;
    const std::string conninfo = server->trimmed().toStdString();
    settings.SetValue(TeamServerKey, QString::fromStdString(PgJobLocationShown(conninfo)));
    settings.SetValue(TeamJobKey, job->trimmed());
    OpenJob(QString::fromStdString(PgJobLocationOf(conninfo, job->trimmed().toStdString())));
}

bool JobDock::OpenJob(const QString& location)
{
    RecentFiles recent(ProgramSettings::Current(), RecentFiles::JobsKey);
    const bool opened = m_Session->Open(location);
    // Remembered as it may be shown (Path): without a password. A job file
    // that no longer opens leaves the list, the session having said why; a
    // server may be away for a while only.
    if (opened)
        recent.Add(m_Session->Path());
    else if (!IsPgJobLocation(location.toStdString()))
        recent.Remove(location);
    UpdateRecentJobs();
    return opened;
}

void JobDock::ImportFiles()
{
    if (!m_Session->IsOpen())
        return;
    // The pane's Import button asks the same question.
    m_Pane->ImportChosenFiles();
}

void JobDock::ShowFibre(uint32_t fibre)
{
    std::vector<ResultRun> runs;
    if (!m_Session->FibreRecords(fibre, runs) || runs.empty())
        return;
    const JobState& state = m_Session->State();
    const JobFibre& row = state.Fibres()[fibre];
    const QString cable = QString::fromStdString(state.Name(state.Cables()[row.cable].name));
    const QString fiber = QString::fromStdString(state.Name(row.fiber));
    const QString job = m_Session->Name();
    // The table's colours are the job's verdicts: its limit, for this view.
    m_View.KavPage()->SetLimits(m_Session->Limits());
    m_View.ShowLossTestsFrom(runs.front().store, tr("%1: cable %2, fiber %3").arg(job, cable, fiber));
    size_t shown = runs.front().records.size(), tests = shown;
    for (size_t r = 1; r < runs.size(); ++r)
        tests += runs[r].records.size();
    const QString note = shown == tests
                             ? tr("%n test(s) of cable %1, fiber %2 in the KAV table, current first.",
                                  nullptr, static_cast<int>(shown))
                                   .arg(cable, fiber)
                             : tr("%1 of %2 tests of cable %3, fiber %4 in the KAV table: the others "
                                  "have another number of wavelengths.")
                                   .arg(shown)
                                   .arg(tests)
                                   .arg(cable, fiber);
    m_Frame.statusBar()->showMessage(note);
}

void JobDock::UpdateRecentJobs()
{
    FillRecentMenu(
        *m_RecentMenu, RecentFiles(ProgramSettings::Current(), RecentFiles::JobsKey).Paths(),
        [this](const QString& path) { OpenJob(path); });
}

void JobDock::OnChanged()
{
    const bool open = m_Session->IsOpen();
    m_Dock->setVisible(open);
    if (open)
        m_Dock->setWindowTitle(tr("Job %1").arg(m_Session->Name()));
    emit JobChanged();
}
