// A team job on a PostgreSQL server (a private one, on a Unix socket):
// importing the largest file the instrument writes into it, and the status
// of a job of 200,000 planned fibres from 40 files kept there.
#include "jobs/Job.h"
#include "jobs/StatusJson.h"
#include "jobs/TeamJobServer.h"
#include "tests/support/PrivateServer.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
constexpr size_t LargestFile = 65535;
constexpr size_t Files = 40;
constexpr size_t FibresPerFile = 5000;

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

[[noreturn]] void Abandon(const std::string& why)
{
    std::fprintf(stderr, "%s\n", why.c_str());
    std::abort();
}

// The server, the files and the site's job, made once.
class TeamSite
{
public:
    TeamSite() : m_Server(KAV_PG_BINDIR), m_Folder(fs::temp_directory_path() / "kav-bench-team-jobs")
    {
        if (!m_Server.Start())
            Abandon(m_Server.Problem());
        int version = 0;
        if (!PrepareJobServer(m_Server.Conninfo(PrivateServer::SuperUser), version).ok())
            Abandon("the server cannot keep team jobs");
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
        Write(Largest(), EncodeKavResult(ThreeWaveLengths, SampleLossTests(LargestFile, 144)));
        JobSetup setup;
        setup.plan = JobPlan{{}, "the site"};
        std::vector<std::string> paths;
        for (size_t f = 0; f < Files; ++f) {
            std::vector<LossTestResult> tests = SampleLossTests(FibresPerFile, 144);
            for (LossTestResult& test : tests) {
                test.cable = "R" + std::to_string(f) + "-" + test.cable;
                setup.plan->fibres.push_back({test.cable, test.fiber});
            }
            paths.push_back((m_Folder / ("unit-" + std::to_string(f) + ".bin")).string());
            Write(paths.back(), EncodeKavResult(ThreeWaveLengths, tests));
        }
        std::unique_ptr<Job> job;
        std::vector<ImportReport> reports;
        if (!Job::Create(Location("site"), setup, job).ok() || !job->Import(paths, reports).ok())
            Abandon("the site's job cannot be made");
    }
    ~TeamSite() { fs::remove_all(m_Folder); }

    std::string Largest() const { return (m_Folder / "largest.bin").string(); }
    std::string Location(const std::string& job) const
    {
        return m_Server.Conninfo(PrivateServer::SuperUser, "job=" + job);
    }

private:
    PrivateServer m_Server;
    fs::path m_Folder;
};

TeamSite& TheSite()
{
    static TeamSite site;
    return site;
}

void BM_ImportLargestFileIntoTeamJob(benchmark::State& state)
{
    TeamSite& site = TheSite();
    int made = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Job> job;
        if (!Job::Create(site.Location("new-" + std::to_string(made++)), {}, job).ok())
            state.SkipWithError("no job");
        state.ResumeTiming();
        std::vector<ImportReport> reports;
        if (!job->Import({site.Largest()}, reports).ok() || reports[0].outcome != ImportOutcome::Imported)
            state.SkipWithError("import failed");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * LargestFile));
}
// Timed by the clock: most of the work is the server's, not this process's.
BENCHMARK(BM_ImportLargestFileIntoTeamJob)->Unit(benchmark::kMillisecond)->UseRealTime();

// What kav-job status --json does from an office computer.
void BM_TeamStatusJsonOf200000Fibres(benchmark::State& state)
{
    TeamSite& site = TheSite();
    for (auto _ : state) {
        std::unique_ptr<Job> job;
        JobState jobState;
        if (!Job::Open(site.Location("site"), {}, job).ok() || !job->Read(jobState).ok())
            state.SkipWithError("no job");
        benchmark::DoNotOptimize(StatusJson(jobState));
    }
    state.counters["fibres"] = double(Files * FibresPerFile);
}
BENCHMARK(BM_TeamStatusJsonOf200000Fibres)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
