// kav-job: a job of many result files from the command line, for scripts:
// make a job, give it a plan, import files, tell its completeness, write
// its handover (report, workbook, verdicts), correct a label, show a fibre's
// history, end a conflict.
#include "ProgramIdentity.h"
#include "cli/CommandOutput.h"
#include "cli/ConvertOutputs.h"
#include "cli/JobListings.h"
#include "cli/JobOptions.h"
#include "cli/OffscreenGui.h"
#include "cli/ReportSetup.h"
#include "cli/TerminalProgress.h"
#include "data/HeaderFile.h"
#include "data/LimitFile.h"
#include "data/VerdictsCsv.h"
#include "jobs/Job.h"
#include "jobs/JobCopy.h"
#include "jobs/JobResults.h"
#include "jobs/JobStores.h"
#include "jobs/StatusJson.h"
#include "jobs/TeamJobServer.h"
#include "platform/SourceDate.h"
#include "platform/files/FileSystem.h"
#include "platform/files/QuotedName.h"
#include "report/JobReportPrinting.h"
#include "report/ReportLogo.h"
#include "report/ReportPdf.h"
#include "report/Translations.h"
#include "workbook/JobWorkbook.h"

#include <QHashSeed>

#include <functional>

namespace {
const CommandOutput Out("kav-job", JobUsageText);

// The statuses a job's failure ends kav-job with, as kav-convert's: 3 for
// what cannot be read, 4 for what is refused, 5 for what cannot be written,
// 2 for a request that does not fit the job.
int ExitStatusOf(const JobResult& result)
{
    switch (result.status) {
    case JobStatus::Ok:
        return Done;
    case JobStatus::NotFound:
    case JobStatus::CannotOpen:
        return CannotRead;
    case JobStatus::NotAJob:
    case JobStatus::Damaged:
    case JobStatus::Newer:
        return Refused;
    case JobStatus::Refused:
        return UsageError;
    default:
        return CannotWrite;
    }
}

// Changes are dated by the clock, or by SOURCE_DATE_EPOCH where it is set,
// so that a job made again gives the same outputs.
JobClock Clock()
{
    if (const std::optional<int64_t> fixed = SourceDateEpoch())
        return [seconds = *fixed] { return seconds; };
    return SystemClock();
}

class Command
{
public:
    explicit Command(const JobOptions& options) : m_Options(options) {}

    int Run();

private:
    int Failed(const JobResult& result) const
    {
        return Out.Fail(ExitStatusOf(result), QuotedName(JobLocationShown(m_Options.job)),
                        JobFailureText(result));
    }
    // Opens the job; a failure is told.
    bool Open(JobAccess access);
    bool ReadState();

    int New();
    int Plan();
    int Import();
    int Status();
    int Report();
    int Rename();
    int History();
    int Choose();
    int Copy();
    int ServerInit();

    const JobOptions& m_Options;
    std::unique_ptr<Job> m_Job;
    JobState m_State;
    int m_Failure = Done; // what a failed Open or ReadState told
};

bool Command::Open(JobAccess access)
{
    const JobResult opened = Job::Open(m_Options.job, {access}, m_Job, Clock());
    if (!opened.ok())
        m_Failure = Failed(opened);
    return opened.ok();
}

bool Command::ReadState()
{
    const JobResult read = m_Job->Read(m_State);
    if (!read.ok())
        m_Failure = Failed(read);
    return read.ok();
}

int Command::Run()
{
    switch (m_Options.command) {
    case JobCommand::New:
        return New();
    case JobCommand::Plan:
        return Plan();
    case JobCommand::Import:
        return Import();
    case JobCommand::Status:
        return Status();
    case JobCommand::Report:
        return Report();
    case JobCommand::Rename:
        return Rename();
    case JobCommand::History:
        return History();
    case JobCommand::Copy:
        return Copy();
    case JobCommand::ServerInit:
        return ServerInit();
    case JobCommand::Choose:
        break;
    }
    return Choose();
}

int Command::New()
{
    JobSetup setup;
    if (const std::optional<std::string> path = m_Options.Value("--limits")) {
        const LimitFileResult read = ReadLimitFile(*path);
        if (!read.limits)
            return Out.FailUsage("--limits " + QuotedName(*path) + ": " + read.error);
        setup.limits = *read.limits;
    }
    if (const std::optional<std::string> path = m_Options.Value("--header")) {
        const HeaderFileResult read = ReadHeaderFile(*path);
        if (!read.fields)
            return Out.FailUsage("--header " + QuotedName(*path) + ": " + read.error);
        setup.header = *read.fields;
    }
    if (const std::optional<std::string> plan = m_Options.Value("--plan")) {
        PlanReading read = ReadPlan(*plan);
        if (!read.plan)
            return Out.FailUsage("--plan " + QuotedName(*plan) + ": " + read.error);
        setup.plan = std::move(read.plan);
    }
    const JobResult made = Job::Create(m_Options.job, setup, m_Job, Clock());
    return made.ok() ? Done : Failed(made);
}

int Command::Plan()
{
    const std::string& plan = m_Options.operands[0];
    const PlanReading read = ReadPlan(plan);
    if (!read.plan)
        return Out.FailUsage("PLAN " + QuotedName(plan) + ": " + read.error);
    if (!Open(JobAccess::Write))
        return m_Failure;
    if (const JobResult set = m_Job->SetPlan(*read.plan); !set.ok())
        return Failed(set);
    if (!ReadState())
        return m_Failure;
    return Out.PrintLine("planned " + std::to_string(m_State.Totals().planned) + " fibres");
}

int Command::Import()
{
    if (!Open(JobAccess::Write))
        return m_Failure;
    std::vector<ImportReport> reports;
    const JobResult imported = m_Job->Import(m_Options.operands, reports);
    int status = Done;
    for (const ImportReport& report : reports) {
        const std::string name = QuotedName(report.path);
        const StoredFile& file = report.file;
        int printed = Done;
        switch (report.outcome) {
        case ImportOutcome::Imported:
            printed = Out.PrintLine("imported " + name + ": " + file.kind + ", " +
                                    std::to_string(file.records) + " records");
            // Its whole records are imported, as the window shows them.
            if (const std::string notice = FilledIn(IncompleteFileNotice(report.load)); !notice.empty())
                Out.Tell(name, notice);
            break;
        case ImportOutcome::AlreadyInJob:
            printed =
                Out.PrintLine(name + " is in the job already (imported " + JobTimeShown(file.importedAt) +
                              " as " + QuotedName(file.name) + "); nothing changed");
            break;
        case ImportOutcome::Refused: {
            const DecodeResult result = report.load.result;
            const int refusal =
                result == DecodeResult::CannotOpen || result == DecodeResult::NotAFile ? CannotRead : Refused;
            Out.Tell(name, FailureReason(report.load));
            status = status == Done ? refusal : status;
            break;
        }
        }
        if (printed != Done)
            return printed;
    }
    return imported.ok() ? status : Failed(imported);
}

int Command::Status()
{
    if (!Open(JobAccess::Read) || !ReadState())
        return m_Failure;
    const int printed = Out.PrintLine(m_Options.Has("--json") ? StatusJson(m_State) : StatusText(m_State));
    if (printed != Done)
        return printed;
    return m_Options.Has("--require-complete") && !m_State.Complete() ? CheckFailed : Done;
}

namespace {
std::string VerdictsBytes(const JobResults& results, const TestLimits& limits)
{
    std::string bytes = VerdictsCsvHeader();
    for (const ResultRun& run : results.runs)
        AppendVerdictsCsvRows(bytes, run.store, CertifyLossTests(run.store, limits));
    return bytes;
}
} // namespace

int Command::Report()
{
    JobResults results;
    TestLimits limits;
    JobReportFacts facts;
    std::string workbook, pdf; // made before any output is written
    const std::optional<std::string> verdictsOut = m_Options.Value("--verdicts");
    const std::optional<std::string> xlsxOut = m_Options.Value("--xlsx");
    const std::optional<std::string> pdfOut = m_Options.Value("--pdf");
    const std::vector<OutputRequest> outputs = {
        {"--verdicts", verdictsOut, [&] { return VerdictsBytes(results, limits); }},
        {"--xlsx", xlsxOut, [&] { return workbook; }},
        {"--pdf", pdfOut, [&] { return pdf; }},
    };
    if (const std::optional<std::string> conflict = SameFileConflict(m_Options.job, outputs, "JOB"))
        return Out.FailUsage(*conflict);
    ReportOptions report;
    // The Qt Gui that painting a report needs, and drawing an SVG logo's text.
    std::optional<OffscreenGui> gui;
    if (pdfOut)
        gui.emplace("kav-job");
    if (const std::optional<std::string> logo = m_Options.Value("--logo")) {
        if (const std::optional<std::string> conflict = SameFileConflict(*logo, outputs, "the --logo file"))
            return Out.FailUsage(*conflict);
        ReportLogo read = ReadReportLogo(*logo);
        if (!read.image)
            return Out.FailUsage("--logo " + QuotedName(*logo) + ": " + read.error);
        report.logo = std::move(*read.image);
    }
    if (!Open(JobAccess::Read) || !ReadState())
        return m_Failure;
    facts.jobName = JobNameOf(m_Options.job);
    JobResult read = m_Job->ReadLimits(limits);
    if (read.ok())
        read = m_Job->ReadHeader(facts.header);
    if (read.ok())
        read = LoadJobResults(m_Job->Store(), m_State, limits, facts.header, results);
    if (!read.ok())
        return Failed(read);
    facts.limitName = LimitName(limits);

    if (xlsxOut) {
        // libxlsxwriter tells its failures on standard error, in lines of its
        // own; the one line below says what failed. The progress has a
        // stream of its own to the terminal.
        TerminalProgress shown("Writing the workbook");
        WorkbookOutcome made = [&] {
            const StandardErrorSilenced library;
            return JobWorkbookBytes(m_State, results, limits, facts.jobName, std::ref(shown));
        }();
        if (!made.bytes)
            return Out.Fail(CannotWrite, QuotedName(*xlsxOut), "cannot be written: " + made.error);
        workbook = std::move(*made.bytes);
    }
    if (pdfOut) {
        report.company = m_Options.Value("--company").value_or("");
        report.sourceFile = facts.jobName;
        report.language = m_Options.Value("--language").value_or(LanguageCodes[0]);
        if (const std::optional<std::string> problem = ReportLanguageProblem(report.language))
            return Out.Fail(CannotRead, "--language " + report.language, *problem);
        JobReportPrinting job(m_State, results, facts, report);
        TerminalProgress shown("Writing the report");
        pdf = ReportPdf(job, ReportPaper(m_Options.Value("--page-size")), QPageLayout::Portrait,
                        std::ref(shown))
                  .bytes.toStdString();
        if (pdf.empty())
            return Out.Fail(CannotWrite, QuotedName(*pdfOut),
                            "cannot be written: the report could not be painted");
    }
    if (const std::optional<OutputFailure> failure = WriteOutputs(outputs))
        return Out.Fail(CannotWrite, QuotedName(failure->name), failure->reason);
    return Done;
}

int Command::Rename()
{
    const std::vector<std::string>& cable = m_Options.given.at("--cable");
    RenameRequest request{cable[0], cable[1], std::nullopt, std::nullopt};
    if (m_Options.Has("--fiber")) {
        request.fiber = m_Options.given.at("--fiber")[0];
        request.newFiber = m_Options.given.at("--fiber")[1];
    }
    if (!Open(JobAccess::Write))
        return m_Failure;
    size_t renamed = 0;
    if (const JobResult done = m_Job->Rename(request, renamed); !done.ok())
        return Failed(done);
    return Out.PrintLine("renamed " + std::to_string(renamed) + (renamed == 1 ? " record" : " records"));
}

int Command::History()
{
    if (!Open(JobAccess::Read) || !ReadState())
        return m_Failure;
    const std::string& cable = m_Options.operands[0];
    const std::string& fiber = m_Options.operands[1];
    const std::optional<uint32_t> fibre = m_State.FindFibre(cable, fiber);
    if (!fibre)
        return Out.Fail(UsageError, QuotedName(JobLocationShown(m_Options.job)),
                        "has no fibre " + QuotedName(cable) + " " + QuotedName(fiber));
    return Out.PrintLine(m_Options.Has("--json") ? HistoryJson(m_State, *fibre)
                                                 : HistoryText(m_State, *fibre));
}

int Command::Choose()
{
    if (!Open(JobAccess::Write))
        return m_Failure;
    const std::vector<std::string>& o = m_Options.operands;
    const JobResult chosen = m_Job->Choose(o[0], o[1], o[2]);
    return chosen.ok() ? Done : Failed(chosen);
}

int Command::Copy()
{
    const std::string& destination = m_Options.operands[0];
    const JobResult copied = CopyJob(m_Options.job, destination);
    if (copied.ok())
        return Out.PrintLine("copied to " + QuotedName(JobLocationShown(destination)));
    // A job in the way is the destination's fault; any other, told of the source.
    if (copied.status == JobStatus::Exists)
        return Out.Fail(ExitStatusOf(copied), QuotedName(JobLocationShown(destination)),
                        JobFailureText(copied));
    return Failed(copied);
}

int Command::ServerInit()
{
    int version = 0;
    if (const JobResult prepared = PrepareJobServer(m_Options.job, version); !prepared.ok())
        return Failed(prepared);
    return Out.PrintLine("the server keeps team jobs of layout " + std::to_string(version) +
                         "; grant kav_writer or kav_reader to each technician's role");
}
} // namespace

int main(int argc, char** argv)
{
    // The PDF writer lists its fonts in the order of a hash table: with the
    // same seed every run, the same job gives the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    const ParsedJobOptions parsed = ParseJobOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options)
        return Out.FailUsage(parsed.error);
    const JobOptions& options = *parsed.options;
    if (options.help)
        return Out.PrintLine(JobUsageText);
    if (options.version)
        return Out.PrintLine(std::string("kav-job ") + ProgramVersion);
    return Command(options).Run();
}
