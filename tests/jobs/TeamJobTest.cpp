#include "jobs/Job.h"
#include "tests/jobs/JobFiles.h"
#include "tests/support/PrivateServer.h"

#include <sys/wait.h>

#include <cstdio>
#include <regex>

// Team jobs on a real PostgreSQL server of the tests' own, started once for
// the program: kav-job on both stores, a crew importing at once, the roles,
// passwords, the server going away. What a job makes of its files is the
// job tests'; here, that a server keeps it the same.

namespace {
PrivateServer& Server()
{
    static PrivateServer server(KAV_PG_BINDIR);
    return server;
}

struct CommandRun
{
    int status;
    std::string output; // standard output and error
};

// A shell command line, with kav-job written KAV_JOB; every change dated
// 2026-06-01 08:00 UTC.
CommandRun Shell(std::string line)
{
    for (size_t at = line.find("KAV_JOB"); at != std::string::npos; at = line.find("KAV_JOB", at))
        line.replace(at, 7, std::string("SOURCE_DATE_EPOCH=1780300800 ") + KAV_JOB);
    FILE* pipe = popen(("(" + line + ") 2>&1").c_str(), "r");
    std::string output;
    char chunk[4096];
    for (size_t got; pipe != nullptr && (got = std::fread(chunk, 1, sizeof chunk, pipe)) != 0;)
        output.append(chunk, got);
    const int raw = pipe == nullptr ? -1 : pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, output};
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// Passwords of the roles a crew logs in as.
constexpr const char* TechPassword = "tech-pw-4471";
constexpr const char* OfficePassword = "office-pw-9052";

class TeamServer : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(Server().Start()) << Server().Problem();
        const CommandRun init =
            Shell("KAV_JOB server-init " + Quoted(Server().Conninfo(PrivateServer::SuperUser)));
        ASSERT_EQ(init.status, 0) << init.output;
        ASSERT_TRUE(Server().AddRole("tech", TechPassword, "kav_writer")) << Server().Problem();
        ASSERT_TRUE(Server().AddRole("office", OfficePassword, "kav_reader")) << Server().Problem();
    }
    void TearDown() override { Server().Stop(); }
};
const ::testing::Environment* const Registered = ::testing::AddGlobalTestEnvironment(new TeamServer);

// A team job on the server as `role`.
std::string TeamJobAt(const std::string& name, const std::string& role = "tech")
{
    return Server().Conninfo(role, "job=" + name);
}

// The count `key` of a status --json; -1 where it is not there.
int Count(const std::string& json, const std::string& key)
{
    std::smatch match;
    return std::regex_search(json, match, std::regex("\"" + key + "\": *([0-9]+)")) ? std::stoi(match[1])
                                                                                    : -1;
}

class TeamJobs : public JobFolder
{
protected:
    // Runs kav-job's command on `job`, which must succeed.
    std::string KavJob(const std::string& command, const std::string& job, const std::string& rest = "") const
    {
        const CommandRun run = Shell("KAV_JOB " + command + " " + Quoted(job) + " " + rest);
        EXPECT_EQ(run.status, 0) << command << ": " << run.output;
        return run.output;
    }

    // What a job hands over: its status, its verdicts and its report, in
    // files named after `tag`.
    std::vector<std::string> Handover(const std::string& job, const std::string& tag) const
    {
        const std::string verdicts = Path(tag + ".csv"), pdf = Path(tag + ".pdf");
        KavJob("report", job, "--verdicts " + Quoted(verdicts) + " --pdf " + Quoted(pdf));
        return {KavJob("status", job, "--json"), ReadBytes(verdicts), ReadBytes(pdf)};
    }
};

// A week of three units: a failure retested, a mistyped cable corrected, two
// units disagreeing on a fibre, and planned fibres never tested.
TEST_F(TeamJobs, HandsOverTheSameAsAJobFileAndCopiesBothWays)
{
    const std::string units =
        Quoted(WriteKav("a.bin", {LossTest("CAB-01", "F001", 2.0f, 1), LossTest("CAB-1", "F002", 0.5f, 1)})) +
        " " +
        Quoted(WriteKav("b.bin", {LossTest("CAB-01", "F001", 0.5f, 2), LossTest("CAB-02", "F001", 0.5f, 1)}));
    const std::string later = Quoted(WriteKav("c.bin", {LossTest("CAB-02", "F001", 0.9f, 1)}));
    const std::string file = Path("DC-North"), team = TeamJobAt("DC-North");
    for (const std::string& job : {file, team}) {
        KavJob("new", job, "--plan 'CAB-{01..02}/F{001..003}'");
        KavJob("import", job, units);
        KavJob("import", job, later + " " + units);
        KavJob("rename", job, "--cable CAB-1 CAB-01");
    }
    const std::vector<std::string> handover = Handover(file, "file");
    EXPECT_EQ(Count(handover[0], "files"), 3) << handover[0];
    EXPECT_EQ(Handover(team, "team"), handover);

    std::filesystem::create_directory(Path("back"));
    KavJob("copy", file, Quoted(TeamJobAt("DC-North-copy")));
    KavJob("copy", TeamJobAt("DC-North-copy", "office"), Quoted(Path("back/DC-North")));
    EXPECT_EQ(Handover(Path("back/DC-North"), "back"), handover);
}

// Four technicians import ten files each at once, the first of them the
// same file (copied from one unit to all four laptops).
TEST_F(TeamJobs, CrewImportingAtOnceStoresEveryFileAndRecordOnce)
{
    constexpr int Crew = 4, FilesEach = 10, RecordsPerFile = 3;
    const std::string job = TeamJobAt("Crew");
    KavJob("new", job);
    const std::string shared =
        WriteKav("shared.bin", {LossTest("SHARED", "F001", 0.5f, 1), LossTest("SHARED", "F002", 0.5f, 1),
                                LossTest("SHARED", "F003", 0.5f, 1)});
    std::vector<FILE*> importers;
    for (int t = 0; t < Crew; ++t) {
        std::string files = Quoted(shared);
        for (int f = 1; f < FilesEach; ++f) {
            const std::string cable = "T" + std::to_string(t) + "-C" + std::to_string(f);
            std::vector<LossTestResult> tests;
            for (int r = 0; r < RecordsPerFile; ++r)
                tests.push_back(LossTest(cable, "F00" + std::to_string(r + 1), 0.5f, 1));
            files += " " + Quoted(WriteKav(cable + ".bin", tests));
        }
        importers.push_back(
            popen(("'" KAV_JOB "' import " + Quoted(job) + " " + files + " 2>&1").c_str(), "r"));
    }
    std::string outputs;
    for (FILE* importer : importers) {
        char chunk[4096];
        for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, importer)) != 0;)
            outputs.append(chunk, got);
        EXPECT_EQ(pclose(importer), 0) << outputs;
    }
    // One importer stored the shared file; the others found it there.
    const std::string storedShared = "imported " + shared + ":";
    EXPECT_EQ(std::count(outputs.begin(), outputs.end(), '\n'), Crew * FilesEach) << outputs;
    EXPECT_NE(outputs.find(storedShared), std::string::npos) << outputs;
    EXPECT_EQ(outputs.find(storedShared), outputs.rfind(storedShared)) << outputs;

    const int files = 1 + Crew * (FilesEach - 1);
    const std::string status = KavJob("status", job, "--json");
    EXPECT_EQ(Count(status, "files"), files) << status;
    EXPECT_EQ(Count(status, "tested"), files * RecordsPerFile) << status;
    EXPECT_EQ(Count(status, "retested"), 0) << status;
}

// The role that may only read, passwords given in the connection string or
// by the password file: what kav-job says, and that it never shows them.
TEST_F(TeamJobs, ReaderIsRefusedWritesAndNoPasswordIsEverShown)
{
    const std::string file = Quoted(WriteKav("a.bin", {LossTest("CAB-01", "F001", 0.5f, 1)}));
    KavJob("new", TeamJobAt("Roles"));
    const std::string host = "host=" + Server().Folder() + "&";
    const std::string officeUri = "postgresql://office:" + std::string(OfficePassword) + "@/kav?" + host;
    const struct
    {
        std::string arguments;
        int status;
        const char* says;
    } cases[] = {
        {"import " + Quoted(TeamJobAt("Roles", "office")) + " " + file, 5, "only read team jobs"},
        {"import " + Quoted(officeUri + "job=Roles") + " " + file, 5, "only read team jobs"},
        {"status " + Quoted(officeUri + "job=Roles") + " --json", 0, "\"files\""},
        {"status " + Quoted(TeamJobAt("Roles", "tech password=wrong-pw-1")), 3,
         "password authentication failed"},
        {"status " + Quoted(officeUri + "job=Nowhere"), 3, "has no job Nowhere"},
        {"server-init " + Quoted(Server().Conninfo(PrivateServer::SuperUser)), 0, "layout 1"},
    };
    for (const auto& c : cases) {
        const CommandRun run = Shell("KAV_JOB " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << ": " << run.output;
        for (const char* password : {TechPassword, OfficePassword, "wrong-pw-1"})
            EXPECT_EQ(run.output.find(password), std::string::npos) << run.output;
    }
}

// The server stopped while the second of two files is written: that import
// fails, saying why, and the job holds the first file only, whole.
TEST_F(TeamJobs, ServerGoingAwayMidImportLeavesTheJobAsItWas)
{
    const std::vector<std::string> paths = {WriteKav("a.bin", {LossTest("CAB-01", "F001", 0.5f, 1)}),
                                            WriteKav("b.bin", {LossTest("CAB-01", "F002", 0.5f, 1)})};
    std::unique_ptr<Job> job;
    ASSERT_TRUE(Job::Create(TeamJobAt("Outage"), {}, job, FixedTime).ok());
    std::vector<ImportReport> reports;
    const JobResult imported = job->Import(paths, reports, [](const ImportStep& step) {
        if (step.file == 1 && step.writing)
            Server().Stop();
        return true;
    });
    job.reset();
    ASSERT_TRUE(Server().Start()) << Server().Problem();
    EXPECT_EQ(imported.status, JobStatus::Disconnected);
    EXPECT_NE(JobFailureText(imported).find("the connection to the server was lost"), std::string::npos)
        << JobFailureText(imported);
    ASSERT_EQ(reports.size(), 1u);

    ASSERT_TRUE(Job::Open(TeamJobAt("Outage", "office"), {JobAccess::Read}, job).ok());
    const JobState state = StateOf(*job);
    ASSERT_EQ(state.Files().size(), 1u);
    EXPECT_EQ(state.Files()[0].name, "a.bin");
    EXPECT_EQ(state.Records().size(), 1u);
}
} // namespace
