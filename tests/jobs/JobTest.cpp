#include "tests/jobs/JobFiles.h"

#include "data/LimitFile.h"
#include "data/LossTestRules.h"
#include "jobs/JobResults.h"
#include "jobs/Sha256.h"

// What a job makes of its imports: the same bytes once, retests, conflicts,
// the plan's missing and unplanned fibres, corrections and a limit's change.

namespace {
std::vector<std::string> Names(const JobState& state, const std::vector<uint32_t>& fibres)
{
    std::vector<std::string> names;
    for (const uint32_t f : fibres) {
        const JobFibre& fibre = state.Fibres()[f];
        names.push_back(state.Name(state.Cables()[fibre.cable].name) + "/" + state.Name(fibre.fiber));
    }
    return names;
}

std::vector<RecordRole> Roles(const JobState& state, uint32_t fibre)
{
    std::vector<RecordRole> roles;
    for (auto [r, end] = state.RecordsOf(fibre); r != end; ++r)
        roles.push_back(state.Records()[*r].role);
    return roles;
}

std::vector<size_t> CountsOf(const JobCounts& c)
{
    return {c.planned, c.tested,    c.pass,     c.warning,   c.fail, c.incomplete,
            c.missing, c.unplanned, c.retested, c.conflicts, c.files};
}
} // namespace

TEST_F(JobFolder, TheSameBytesImportedAgainChangeNothingAndSaySo)
{
    const std::string file =
        WriteKav("a.bin", {LossTest("CAB-01", "F001", 0.5f, 1), LossTest("CAB-01", "F002", 0.5f, 1)});
    std::unique_ptr<Job> job = NewJob();
    const std::vector<ImportReport> reports = Import(*job, {file, file});
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].outcome, ImportOutcome::Imported);
    EXPECT_EQ(reports[1].outcome, ImportOutcome::AlreadyInJob);
    EXPECT_EQ(reports[1].file.id, reports[0].file.id);
    EXPECT_EQ(Import(*job, {file})[0].outcome, ImportOutcome::AlreadyInJob);
    const JobState state = StateOf(*job);
    EXPECT_EQ(state.Files().size(), 1u);
    EXPECT_EQ(state.Records().size(), 2u);
    std::vector<AuditEntry> audit;
    ASSERT_TRUE(job->ReadAudit(audit).ok());
    EXPECT_EQ(
        std::count_if(audit.begin(), audit.end(), [](const AuditEntry& e) { return e.action == "import"; }),
        1);
}

TEST_F(JobFolder, PowerReturnLossAndTraceFilesAreKeptWholeBesideTheLossTests)
{
    OpmReading opm;
    opm.cable = "CAB-01";
    opm.fiber = "F001";
    opm.power = -3.2f;
    opm.stamp = MakeStamp(2026, 5, 1, 9, 0, 0);
    OrlReading orl;
    orl.cable = "CAB-01";
    orl.fiber = "F001";
    orl.returnLoss = 48.0f;
    orl.stamp = opm.stamp;
    TraceRecording trace;
    trace.samples = {-3.0f, -3.1f, -3.2f, -3.3f};
    trace.start = trace.end = opm.stamp;
    const struct
    {
        const char* name;
        std::string bytes;
        const char* kind;
        int records;
    } cases[] = {
        {"opm.bin", EncodeOpmResult({opm, opm, opm}), "opm", 3},
        {"orl.bin", EncodeOrlResult({orl, orl}), "orl", 2},
        {"trace.bin", EncodeTraceResult(trace), "trace", 4},
    };
    std::vector<std::string> paths;
    for (const auto& c : cases) {
        WriteBytes(Path(c.name), c.bytes);
        paths.push_back(Path(c.name));
    }
    std::unique_ptr<Job> job = NewJob();
    const std::vector<ImportReport> reports = Import(*job, paths);
    ASSERT_EQ(reports.size(), std::size(cases));
    for (size_t i = 0; i < reports.size(); ++i) {
        const auto& c = cases[i];
        const StoredFile& file = reports[i].file;
        EXPECT_EQ(reports[i].outcome, ImportOutcome::Imported) << c.name;
        EXPECT_EQ(file.kind, c.kind) << c.name;
        EXPECT_EQ(file.records, c.records) << c.name;
        const std::array<uint8_t, 32> hash =
            Sha256::Of(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size());
        EXPECT_EQ(file.sha256, std::string(hash.begin(), hash.end())) << c.name;
        std::vector<uint8_t> kept;
        ASSERT_TRUE(job->Store().ReadFileBytes(file.id, kept).ok()) << c.name;
        EXPECT_EQ(std::string(kept.begin(), kept.end()), c.bytes) << c.name;
    }
    // Only loss tests are tests of a fibre.
    const JobState state = StateOf(*job);
    EXPECT_EQ(state.Files().size(), std::size(cases));
    EXPECT_TRUE(state.Records().empty());
    EXPECT_TRUE(state.Fibres().empty());
}

TEST_F(JobFolder, AFileCutShortBringsTheRecordsItHoldsWhole)
{
    std::string bytes = EncodeKavResult(ThreeWaveLengths, {LossTest("CAB-01", "F001", 0.5f, 1),
                                                           LossTest("CAB-01", "F002", 0.5f, 1),
                                                           LossTest("CAB-01", "F003", 0.5f, 1)});
    // A card pulled during the copy, in the middle of the third record.
    bytes.resize(bytes.size() - 50);
    WriteBytes(Path("short.bin"), bytes);
    std::unique_ptr<Job> job = NewJob();
    const ImportReport report = Import(*job, {Path("short.bin")})[0];
    EXPECT_EQ(report.outcome, ImportOutcome::Imported);
    EXPECT_TRUE(report.load.records.CutShort());
    EXPECT_EQ(report.file.declared, 3);
    EXPECT_EQ(report.file.records, 2);
    EXPECT_EQ(StateOf(*job).Records().size(), 2u);
}

TEST_F(JobFolder, ALaterPassingRetestIsCurrentAndTheFailureHistory)
{
    // The retest is imported first: the dates order the tests, not the imports.
    const std::string retest = WriteKav("retest.bin", {LossTest("CAB-01", "F001", 0.5f, 2)});
    const std::string first = WriteKav("first.bin", {LossTest("CAB-01", "F001", 2.0f, 1)});
    std::unique_ptr<Job> job = NewJob();
    Import(*job, {retest, first});
    const JobState state = StateOf(*job);
    ASSERT_EQ(state.Fibres().size(), 1u);
    EXPECT_EQ(state.Fibres()[0].state, FibreState::Pass);
    EXPECT_TRUE(state.Fibres()[0].retested);
    EXPECT_EQ(Roles(state, 0), (std::vector<RecordRole>{RecordRole::Current, RecordRole::Superseded}));
    const auto [r, end] = state.RecordsOf(0);
    EXPECT_EQ(state.RecordReference(r[0]), "1:1");
    EXPECT_EQ(state.Records()[r[1]].verdict, JobVerdict::Fail);
    EXPECT_EQ(state.Records()[r[1]].Tested(), "2026-05-01 09:00:00");
    EXPECT_EQ(CountsOf(state.Totals()), (std::vector<size_t>{0, 1, 1, 0, 0, 0, 0, 1, 1, 0, 2}));
    // Their values, for a table of the fibre's tests.
    std::vector<ResultRun> runs;
    ASSERT_TRUE(LoadFibreRecords(job->Store(), state, 0, {}, runs).ok());
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].store.KavRecordCount(), 2u);
    EXPECT_EQ(KavRecordAt(runs[0].store, 0).lossAB[0], 0.5f);
    EXPECT_EQ(KavRecordAt(runs[0].store, 1).lossAB[0], 2.0f);
}

TEST_F(JobFolder, TwoUnitsDisagreeingOnOneTestAreAConflictUntilOneIsChosen)
{
    const std::string unitA = WriteKav("unit-a.bin", {LossTest("CAB-01", "F001", 0.5f, 1)});
    const std::string unitB = WriteKav("unit-b.bin", {LossTest("CAB-01", "F001", 2.0f, 1)});
    std::unique_ptr<Job> job = NewJob();
    Import(*job, {unitA, unitB});
    JobState state = StateOf(*job);
    EXPECT_EQ(state.Fibres()[0].state, FibreState::Conflict);
    EXPECT_FALSE(state.CurrentRecord(0));
    EXPECT_EQ(Roles(state, 0), (std::vector<RecordRole>{RecordRole::Conflicting, RecordRole::Conflicting}));
    EXPECT_EQ(state.Totals().conflicts, 1u);
    EXPECT_FALSE(state.Complete());

    ASSERT_TRUE(job->Choose("CAB-01", "F001", "2:1").ok());
    state = StateOf(*job);
    EXPECT_EQ(state.Fibres()[0].state, FibreState::Fail);
    EXPECT_EQ(state.RecordReference(*state.CurrentRecord(0)), "2:1");
    EXPECT_EQ(Roles(state, 0), (std::vector<RecordRole>{RecordRole::Current, RecordRole::NotChosen}));
    // A choice is the user's to change, and only among the disagreeing tests.
    EXPECT_TRUE(job->Choose("CAB-01", "F001", "1:1").ok());
    EXPECT_EQ(StateOf(*job).Fibres()[0].state, FibreState::Pass);
    for (const char* wrong : {"1:2", "3:1", "x"})
        EXPECT_EQ(job->Choose("CAB-01", "F001", wrong).status, JobStatus::Refused) << wrong;
    std::vector<AuditEntry> audit;
    ASSERT_TRUE(job->ReadAudit(audit).ok());
    EXPECT_EQ(audit.back().action, "choose");
    EXPECT_EQ(audit.back().at, "2026-06-01T08:00:00Z");
}

TEST_F(JobFolder, TheSameTestInTwoDownloadsIsOneTest)
{
    const LossTestResult test = LossTest("CAB-01", "F001", 0.5f, 1);
    const std::string day = WriteKav("day.bin", {test});
    const std::string week = WriteKav("week.bin", {test, LossTest("CAB-01", "F002", 0.5f, 3)});
    std::unique_ptr<Job> job = NewJob();
    Import(*job, {day, week});
    const JobState state = StateOf(*job);
    EXPECT_EQ(Roles(state, 0), (std::vector<RecordRole>{RecordRole::Current, RecordRole::Duplicate}));
    EXPECT_EQ(state.Totals().retested, 0u);
    EXPECT_EQ(state.Totals().conflicts, 0u);
}

TEST_F(JobFolder, APlanTellsMissingAndUnplannedFibres)
{
    JobSetup setup;
    setup.plan =
        JobPlan{{{"CAB-01", "F001"}, {"CAB-01", "F002"}, {"CAB-01", "F003"}, {"CAB-01", "F001"}}, "a list"};
    std::unique_ptr<Job> job = NewJob(setup);
    // A loss shown as N/A leaves its fibre without a verdict.
    Import(*job,
           {WriteKav("a.bin", {LossTest("CAB-09", "F001", 0.5f, 1), LossTest("CAB-01", "F002", 2.0f, 1),
                               LossTest("CAB-01", "F001", 0.5f, 1), LossTest("CAB-09", "F002", 99.0f, 1)})});
    const JobState state = StateOf(*job);
    EXPECT_EQ(Names(state, {0, 1, 2, 3, 4}),
              (std::vector<std::string>{"CAB-01/F001", "CAB-01/F002", "CAB-01/F003", "CAB-09/F001",
                                        "CAB-09/F002"}));
    EXPECT_EQ(CountsOf(state.Totals()), (std::vector<size_t>{3, 4, 2, 0, 1, 1, 1, 2, 0, 0, 1}));
    ASSERT_EQ(state.Cables().size(), 2u);
    EXPECT_EQ(CountsOf(state.Cables()[0].counts), (std::vector<size_t>{3, 2, 1, 0, 1, 0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(CountsOf(state.Cables()[1].counts), (std::vector<size_t>{0, 2, 1, 0, 0, 1, 0, 2, 0, 0, 1}));
    EXPECT_EQ(Names(state, state.Fibres(FibreFilter::Missing)), (std::vector<std::string>{"CAB-01/F003"}));
    EXPECT_EQ(Names(state, state.Fibres(FibreFilter::Failed)), (std::vector<std::string>{"CAB-01/F002"}));
    EXPECT_EQ(Names(state, state.Fibres(FibreFilter::Incomplete)), (std::vector<std::string>{"CAB-09/F002"}));
}

TEST_F(JobFolder, ARenameIsACorrectionBesideTheRecordWithItsTimeInTheAuditLog)
{
    std::unique_ptr<Job> job = NewJob();
    Import(*job, {WriteKav("a.bin", {LossTest("CAB-1", "F001", 0.5f, 1), LossTest("CAB-1", "F002", 0.5f, 1),
                                     LossTest("CAB-02", "F01", 0.5f, 1)})});
    size_t renamed = 0;
    ASSERT_TRUE(job->Rename({"CAB-1", "CAB-01", std::nullopt, std::nullopt}, renamed).ok());
    EXPECT_EQ(renamed, 2u);
    ASSERT_TRUE(job->Rename({"CAB-02", "CAB-02", "F01", "F001"}, renamed).ok());
    EXPECT_EQ(renamed, 1u);
    const JobState state = StateOf(*job);
    EXPECT_EQ(Names(state, {0, 1, 2}),
              (std::vector<std::string>{"CAB-01/F001", "CAB-01/F002", "CAB-02/F001"}));
    const JobRecord& first = state.Records()[0];
    EXPECT_EQ(state.Name(first.importedCable), "CAB-1");
    EXPECT_TRUE(first.Renamed());
    std::vector<AuditEntry> audit;
    ASSERT_TRUE(job->ReadAudit(audit).ok());
    const AuditEntry& entry = audit[audit.size() - 2];
    EXPECT_EQ(entry.action, "rename");
    EXPECT_EQ(entry.at, "2026-06-01T08:00:00Z");
    EXPECT_EQ(entry.detail, "cable CAB-1 to CAB-01 (2 records)");

    // Nothing to rename, or a name no record can hold, changes nothing.
    EXPECT_EQ(job->Rename({"CAB-7", "CAB-07", std::nullopt, std::nullopt}, renamed).status,
              JobStatus::Refused);
    const JobResult tooLong =
        job->Rename({"CAB-01", std::string(20, 'C'), std::nullopt, std::nullopt}, renamed);
    EXPECT_EQ(tooLong.status, JobStatus::Refused);
    EXPECT_EQ(tooLong.detail,
              std::string(20, 'C') +
                  " is longer than a record's name holds: 19 bytes at three wavelengths, 16 at two");
    std::vector<AuditEntry> after;
    ASSERT_TRUE(job->ReadAudit(after).ok());
    EXPECT_EQ(after.size(), audit.size());
}

TEST_F(JobFolder, AChangedLimitCertifiesEveryRecordAgainAndIsLogged)
{
    std::unique_ptr<Job> job = NewJob();
    Import(*job, {WriteKav("a.bin", {LossTest("CAB-01", "F001", 0.5f, 1)})});
    TestLimits strict;
    strict.method = LimitMethod::Fixed;
    strict.fixed = {{1310, Figure("0.4")}, {1490, Figure("0.4")}, {1550, Figure("0.4")}};
    ASSERT_TRUE(job->SetLimits(strict).ok());
    job.reset();
    std::unique_ptr<Job> reopened;
    ASSERT_TRUE(Job::Open(Path("job.kavjob"), {}, reopened).ok());
    EXPECT_EQ(StateOf(*reopened).Fibres()[0].state, FibreState::Fail);
    std::vector<StoredLimits> log;
    ASSERT_TRUE(reopened->ReadLimitLog(log).ok());
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].text, LimitFileBytes(strict));
}

TEST_F(JobFolder, VerdictsKeptForOtherRulesAreWorkedOutAgain)
{
    Import(*NewJob(), {WriteKav("a.bin", {LossTest("CAB-01", "F001", 0.5f, 1)})});
    {
        // As a program whose certification decided otherwise left it.
        OtherProgram other(Path("job.kavjob"));
        ASSERT_EQ(other.Run("UPDATE records SET verdict = 4; UPDATE settings SET value = 'rules 0, limits 1'"
                            " WHERE key = 'verdicts'"),
                  SQLITE_OK);
    }
    const std::string before = ReadBytes(Path("job.kavjob"));
    for (const JobAccess access : {JobAccess::Read, JobAccess::Write}) {
        std::unique_ptr<Job> job;
        ASSERT_TRUE(Job::Open(Path("job.kavjob"), {access}, job).ok());
        EXPECT_EQ(StateOf(*job).Fibres()[0].state, FibreState::Pass);
        // Read only, the job is left as it is.
        EXPECT_TRUE(access == JobAccess::Write || ReadBytes(Path("job.kavjob")) == before);
    }
    EXPECT_EQ(OtherProgram(Path("job.kavjob")).Number("SELECT verdict FROM records"), 1);
}
