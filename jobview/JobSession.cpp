#include "jobview/JobSession.h"

#include "data/FileLoading.h"
#include "jobs/JobStores.h"
#include "jobs/PgJobLocation.h"
#include "platform/AppTitle.h"
#include "platform/files/SafeFileWriter.h"
#include "platform/ui/Prompts.h"
#include "report/JobReportPrinting.h"
#include "report/ReportPdf.h"
#include "views/CTestLimitsDlg.h"
#include "views/Messages.h"
#include "views/RecordText.h"
#include "views/ReportOptionsDialog.h"
#include "views/SaveTarget.h"
#include "workbook/JobWorkbook.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {
QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

void Say(QWidget* owner, const QString& text, MessageIcon icon, const QString& detail = QString())
{
    Prompts::Current().Message(owner, text, ApplicationTitle, MessageButtons::Ok, icon, detail);
}

// One line per file of an import: what became of it.
QString ImportLine(const ImportReport& report)
{
    const QString name = QDir::toNativeSeparators(FromFileSystemPath(report.path));
    switch (report.outcome) {
    case ImportOutcome::Imported: {
        QString line = JobSession::tr("%1: %n record(s) imported", nullptr, report.file.records).arg(name);
        if (const LoadNotice notice = IncompleteFileNotice(report.load); !notice.Empty())
            line += QStringLiteral("; ") + LoadNoticeText(notice);
        return line;
    }
    case ImportOutcome::AlreadyInJob:
        return JobSession::tr("%1: in the job already (imported %2 as %3); nothing changed")
            .arg(name, Text(JobTimeShown(report.file.importedAt)), Text(report.file.name));
    case ImportOutcome::Refused:
        break;
    }
    return JobSession::tr("%1: not imported: %2").arg(name, Text(FailureDetail(report.load)));
}
} // namespace

JobSession::JobSession(QWidget* owner) : QObject(owner), m_Owner(owner), m_RefreshTimer(new QTimer(this))
{
    m_RefreshTimer->setInterval(RefreshMilliseconds);
    connect(m_RefreshTimer, &QTimer::timeout, this, [this] {
        // Never in the middle of a command: its dialog is open meanwhile.
        if (QApplication::activeModalWidget() == nullptr)
            Refresh(false);
    });
}

JobSession::~JobSession() = default;

bool JobSession::IsTeamJob() const
{
    return IsPgJobLocation(m_Location);
}

QString JobSession::Name() const
{
    return IsTeamJob() ? Text(JobNameOf(m_Location)) : QFileInfo(m_Path).fileName();
}

bool JobSession::Create(const QString& path, const TestLimits& limits, const InfoFields& header)
{
    JobSetup setup;
    setup.limits = limits;
    setup.header = header;
    std::unique_ptr<Job> job;
    const JobResult made = Job::Create(ToFileSystemPath(path), setup, job);
    if (!made.ok()) {
        m_Path = path;
        Tell(made);
        Close();
        return false;
    }
    m_Job = std::move(job);
    m_ReadOnly = false;
    m_Location = ToFileSystemPath(path);
    m_Path = path;
    return Reread();
}

JobResult JobSession::OpenAt(std::unique_ptr<Job>& job, JobAccess access)
{
    JobOpenOptions options;
    options.access = access;
    options.password = m_Password;
    return Job::Open(m_Location, options, job);
}

bool JobSession::Open(const QString& location)
{
    m_Location = location.toStdString();
    const bool team = IsTeamJob();
    if (!team)
        m_Location = ToFileSystemPath(location);
    m_Path = team ? Text(JobLocationShown(m_Location)) : location;
    m_Password.clear();
    std::unique_ptr<Job> job;
    JobResult opened = OpenAt(job, JobAccess::Write);
    if (opened.status == JobStatus::NeedsPassword) {
        const std::optional<QString> password = Prompts::Current().AskPassword(
            m_Owner, tr("The server of the team job %1 asks for the password of its user:").arg(m_Path),
            tr("Open Team Job"));
        if (!password) {
            Close();
            return false;
        }
        m_Password = password->toStdString();
        opened = OpenAt(job, JobAccess::Write);
    }
    // A job the user may not change is still shown.
    const bool readOnly = opened.status == JobStatus::ReadOnly;
    const QString reason = tr("Read only: the job %1.").arg(Text(JobFailureText(opened)));
    if (readOnly)
        opened = OpenAt(job, JobAccess::Read);
    if (!opened.ok()) {
        Tell(opened);
        Close();
        return false;
    }
    m_Job = std::move(job);
    m_ReadOnly = readOnly;
    m_ReadOnlyReason = readOnly ? reason : QString();
    m_Lost = false;
    if (team)
        m_RefreshTimer->start();
    return Reread();
}

void JobSession::Close()
{
    m_RefreshTimer->stop();
    m_Job.reset();
    m_State = JobState();
    m_StateAudit = -1;
    m_Path.clear();
    m_Location.clear();
    m_Password.clear();
    m_ReadOnly = false;
    m_ReadOnlyReason.clear();
    m_Lost = false;
    emit Changed();
}

void JobSession::Refresh(bool asked)
{
    if (!IsOpen())
        return;
    if (m_Lost) {
        if (asked)
            Reconnect();
        return;
    }
    int64_t audit = 0;
    if (!asked && LastAudit(audit).ok() && audit == m_StateAudit)
        return;
    Reread();
}

JobResult JobSession::LastAudit(int64_t& id)
{
    std::vector<AuditEntry> audit;
    const JobResult read = m_Job->ReadAudit(audit);
    id = audit.empty() ? 0 : audit.back().id;
    return read;
}

bool JobSession::Reconnect()
{
    if (!IsOpen())
        return false;
    std::unique_ptr<Job> job;
    const JobResult opened = OpenAt(job, m_ReadOnly ? JobAccess::Read : JobAccess::Write);
    if (!opened.ok()) {
        Say(m_Owner,
            tr("The server of the job %1 cannot be reached yet. The job stays shown as it was last read; "
               "press F5 to try again.")
                .arg(m_Path),
            MessageIcon::Warning, Text(JobFailureText(opened)));
        return false;
    }
    m_Job = std::move(job);
    m_Lost = false;
    return Reread();
}

void JobSession::ConnectionLost(const JobResult& result)
{
    m_Lost = true;
    emit Changed();
    const MessageAnswer answer = Prompts::Current().Message(
        m_Owner,
        tr("The connection to the server of the job %1 was lost. The job stays shown as it was last read, "
           "and nothing can be changed until it is reconnected.\nReconnect now?")
            .arg(m_Path),
        ApplicationTitle, MessageButtons::YesNo, MessageIcon::Warning, Text(result.detail));
    if (answer == MessageAnswer::Yes)
        Reconnect();
}

bool JobSession::Reread()
{
    JobState state;
    TestLimits limits;
    // Read first: a change landing meanwhile makes the next refresh read again.
    int64_t audit = 0;
    JobResult read = LastAudit(audit);
    if (read.ok())
        read = m_Job->Read(state);
    if (read.ok())
        read = m_Job->ReadLimits(limits);
    if (!read.ok()) {
        Tell(read);
        // A job whose server went away stays shown as it was.
        if (read.status != JobStatus::Disconnected)
            Close();
        return false;
    }
    m_State = std::move(state);
    m_Limits = limits;
    m_StateAudit = audit;
    emit Changed();
    return true;
}

bool JobSession::Loaded(const JobResult& result)
{
    if (!result.ok()) {
        Tell(result);
        return false;
    }
    return Reread();
}

void JobSession::Tell(const JobResult& result)
{
    const QString name = IsTeamJob() ? m_Path : QDir::toNativeSeparators(m_Path);
    QString text;
    switch (result.status) {
    case JobStatus::Ok:
        return;
    case JobStatus::Disconnected:
        ConnectionLost(result);
        return;
    case JobStatus::NeedsPassword:
        text = tr("The server of the job %1 asks for a password.");
        break;
    case JobStatus::NotFound:
        text = tr("There is no job %1.");
        break;
    case JobStatus::CannotOpen:
        text = tr("The job %1 cannot be read.");
        break;
    case JobStatus::NotAJob:
        text = tr("%1 is not a job of this program.");
        break;
    case JobStatus::Damaged:
        text = tr("The job %1 is damaged. It is left as it is.");
        break;
    case JobStatus::Newer:
        text = tr("The job %1 was written by a newer version of the program. It is left as it is.");
        break;
    case JobStatus::Busy:
        text = tr("Another program is writing to the job %1. Try again when it has finished.");
        break;
    case JobStatus::ReadOnly:
        text = tr("The job %1 can be read but not changed here.");
        break;
    case JobStatus::Exists:
        text = tr("%1 exists already. Open it with Open Job.");
        break;
    case JobStatus::NoSpace:
        text = tr("The disk of the job %1 is full. Nothing was changed.");
        break;
    case JobStatus::Refused:
        text = tr("The job %1 refused the change. Nothing was changed.");
        break;
    case JobStatus::Cancelled:
        text = tr("Cancelled: the job %1 is as it was.");
        break;
    case JobStatus::Contended:
        text = tr("Another user changed the job %1 at the same time. Nothing was changed: try again.");
        break;
    case JobStatus::Failed:
        text = tr("The job %1 could not be read or changed. Nothing was changed.");
        break;
    }
    Say(m_Owner, text.arg(name),
        result.status == JobStatus::Cancelled ? MessageIcon::Information : MessageIcon::Warning,
        Text(result.detail));
}

void JobSession::Import(const QStringList& paths)
{
    if (!IsOpen() || paths.isEmpty())
        return;
    if (m_ReadOnly) {
        Tell({JobStatus::ReadOnly, {}});
        return;
    }
    std::vector<std::string> files;
    for (const QString& path : paths)
        files.push_back(ToFileSystemPath(path));
    std::vector<ImportReport> reports;
    JobResult imported;
    {
        // Two steps a file: reading it, and writing it into the job.
        const int count = static_cast<int>(files.size());
        std::unique_ptr<ProgressPrompt> progress = Prompts::Current().Progress(
            m_Owner, tr("Importing %n file(s) into the job...", nullptr, count), 2 * count);
        imported = m_Job->Import(
            files, reports,
            [&progress](const ImportStep& step) {
                return progress->Advance(static_cast<int>(2 * step.file + (step.writing ? 1 : 0)));
            },
            ImportScope::Whole);
        // The progress window closes before any message.
    }
    if (!imported.ok()) {
        Tell(imported);
        return;
    }
    if (!Reread())
        return;
    QStringList lines;
    size_t landed = 0;
    bool refused = false;
    for (const ImportReport& report : reports) {
        lines << ImportLine(report);
        landed += report.outcome == ImportOutcome::Imported ? 1 : 0;
        refused = refused || report.outcome == ImportOutcome::Refused;
    }
    Say(m_Owner,
        tr("%n file(s) imported into the job.", nullptr, static_cast<int>(landed)) +
            (refused ? QStringLiteral("\n") + tr("Some files were not imported: see the details.")
                     : QString()),
        refused ? MessageIcon::Warning : MessageIcon::Information, lines.join('\n'));
}

void JobSession::EditHeader(HeaderGroup group)
{
    if (!IsOpen())
        return;
    InfoFields header;
    if (const JobResult read = m_Job->ReadHeader(header); !read.ok()) {
        Tell(read);
        return;
    }
    if (!EditHeaderGroup(m_Owner, group, header))
        return;
    if (m_ReadOnly) {
        Tell({JobStatus::ReadOnly, {}});
        return;
    }
    Loaded(m_Job->SetHeader(header));
}

void JobSession::EditLimits()
{
    if (!IsOpen())
        return;
    std::vector<std::string> cables;
    for (const JobCable& cable : m_State.Cables())
        cables.push_back(m_State.Name(cable.name));
    const std::optional<TestLimits> limits = EditTestLimits(m_Owner, m_Limits, cables, {});
    if (!limits)
        return;
    if (m_ReadOnly) {
        Tell({JobStatus::ReadOnly, {}});
        return;
    }
    Loaded(m_Job->SetLimits(*limits));
}

void JobSession::EditPlan()
{
    if (!IsOpen())
        return;
    const std::optional<QString> text = Prompts::Current().AskText(
        m_Owner,
        tr("The fibers the job expects: a template such as CAB-{01..12}/F{001..144}, or the path of a .csv "
           "or .xlsx file with Cable and Fiber columns."),
        tr("Test Plan"), QString());
    if (!text || text->trimmed().isEmpty())
        return;
    const PlanReading read = ReadPlan(ToFileSystemPath(text->trimmed()));
    if (!read.plan) {
        Say(m_Owner, tr("The plan could not be read. Nothing was changed."), MessageIcon::Warning,
            Text(read.error));
        return;
    }
    if (m_ReadOnly) {
        Tell({JobStatus::ReadOnly, {}});
        return;
    }
    Loaded(m_Job->SetPlan(*read.plan));
}

void JobSession::Rename(uint32_t cable, std::optional<uint32_t> fibre)
{
    if (!IsOpen())
        return;
    Prompts& prompts = Prompts::Current();
    const QString caption = tr("Rename");
    RenameRequest request;
    request.cable = m_State.Name(m_State.Cables()[cable].name);
    const QString cableName = Text(request.cable);
    const std::optional<QString> newCable =
        fibre ? prompts.AskText(m_Owner,
                                tr("The cable of fiber %1 of cable %2:")
                                    .arg(Text(m_State.Name(m_State.Fibres()[*fibre].fiber)), cableName),
                                caption, cableName)
              : prompts.AskText(m_Owner, tr("The new name of cable %1:").arg(cableName), caption, cableName);
    if (!newCable || newCable->trimmed().isEmpty())
        return;
    request.newCable = newCable->trimmed().toStdString();
    if (fibre) {
        request.fiber = m_State.Name(m_State.Fibres()[*fibre].fiber);
        const QString fiberName = Text(*request.fiber);
        const std::optional<QString> newFiber =
            prompts.AskText(m_Owner, tr("The new name of fiber %1:").arg(fiberName), caption, fiberName);
        if (!newFiber || newFiber->trimmed().isEmpty())
            return;
        request.newFiber = newFiber->trimmed().toStdString();
    }
    if (request.newCable == request.cable && request.newFiber == request.fiber)
        return;
    size_t renamed = 0;
    if (const JobResult done = m_Job->Rename(request, renamed); !done.ok()) {
        Tell(done);
        return;
    }
    if (!Reread())
        return;
    Say(m_Owner,
        renamed == 0 ? tr("Nothing was renamed: the job holds no test of it.")
                     : tr("%n test(s) renamed. The original names stay in the job.", nullptr,
                          static_cast<int>(renamed)),
        MessageIcon::Information);
}

void JobSession::Choose(uint32_t record)
{
    if (!IsOpen())
        return;
    const JobRecord& chosen = m_State.Records()[record];
    Loaded(m_Job->Choose(m_State.Name(chosen.cable), m_State.Name(chosen.fiber),
                         m_State.RecordReference(record)));
}

bool JobSession::Results(JobResults& results, JobReportFacts& facts)
{
    facts.jobName = IsTeamJob() ? JobNameOf(m_Location) : ToFileSystemPath(QFileInfo(m_Path).fileName());
    facts.limitName = LimitName(m_Limits);
    JobResult read = m_Job->ReadHeader(facts.header);
    if (read.ok())
        read = LoadJobResults(m_Job->Store(), m_State, m_Limits, facts.header, results);
    if (!read.ok())
        Tell(read);
    return read.ok();
}

void JobSession::ExportReport()
{
    JobResults results;
    JobReportFacts facts;
    if (!IsOpen() || !Results(results, facts))
        return;
    const std::optional<std::string> target =
        ChooseSaveTarget(m_Owner, tr("PDF File(*.pdf) | *.pdf||"), OutputKind::Pdf);
    if (!target)
        return;
    ReportOptions options = RememberedReportOptions();
    options.sourceFile = facts.jobName;
    options.limits = m_Limits;
    JobReportPrinting job(m_State, results, facts, options);
    ReportPdfResult pdf;
    {
        std::unique_ptr<ProgressPrompt> progress = Prompts::Current().Progress(
            m_Owner, tr("Writing the job's report..."), static_cast<int>(job.PageCount()));
        pdf = ReportPdf(job, DefaultReportPaper(), QPageLayout::Portrait,
                        [&progress](unsigned done, unsigned) { return progress->Advance(int(done)); });
    }
    if (pdf.result == PageLoopResult::Cancelled)
        return;
    const WriteResult written =
        pdf.result == PageLoopResult::Done
            ? WriteFileSafely(*target, pdf.bytes.toStdString())
            : WriteResult{IoRefusal(IoStatus::Failed, "the report could not be painted"), *target};
    ReportDocumentWriteResult(m_Owner, written);
}

void JobSession::ExportWorkbook()
{
    JobResults results;
    JobReportFacts facts;
    if (!IsOpen() || !Results(results, facts))
        return;
    const std::optional<std::string> target =
        ChooseSaveTarget(m_Owner, tr("Excel Workbook(*.xlsx) | *.xlsx||"), OutputKind::Workbook);
    if (!target)
        return;
    // In percent: a large job's workbook has more rows than a bar counts.
    std::unique_ptr<ProgressPrompt> progress =
        Prompts::Current().Progress(m_Owner, tr("Writing the job's workbook..."), 100);
    const WorkbookOutcome made =
        JobWorkbookBytes(m_State, results, m_Limits, facts.jobName, [&progress](size_t done, size_t total) {
            return progress->AdvancePercent(done, total);
        });
    // The sheets are done: the progress window closes before any message.
    progress.reset();
    if (made.cancelled)
        return;
    ReportExportWriteResult(m_Owner, WriteWorkbook(*target, made));
}

bool JobSession::FibreRecords(uint32_t fibre, std::vector<ResultRun>& runs)
{
    if (!IsOpen())
        return false;
    InfoFields header;
    JobResult read = m_Job->ReadHeader(header);
    if (read.ok())
        read = LoadFibreRecords(m_Job->Store(), m_State, fibre, header, runs);
    if (!read.ok())
        Tell(read);
    return read.ok();
}
