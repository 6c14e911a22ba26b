// A team job on a PostgreSQL server (a private one, on a Unix socket):
// importing the largest file the instrument writes into it, and the status
// of a job of 200,000 planned fibres from 40 files kept there.
#include "bench/support/SiteFiles.h"
#include "jobs/Job.h"
#include "jobs/StatusJson.h"
#include "jobs/TeamJobServer.h"
#include "tests/support/PrivateServer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

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
        WriteLargestFile(Largest());
        std::unique_ptr<Job> job;
        if (!CreateSiteJob(m_Folder.string(), Location("site"), job).ok())
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
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * LargestFileTests));
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
    state.counters["fibres"] = double(SiteFileCount * SiteFibresPerFile);
}
BENCHMARK(BM_TeamStatusJsonOf200000Fibres)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
