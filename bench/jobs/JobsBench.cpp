// A job at the scale of a data centre: importing the largest file the
// instrument writes, the status of a job of 200,000 planned fibres from 40
// files (with the size of the job file against the files it holds), and
// opening that job to write to it.
#include "bench/support/SiteFiles.h"
#include "jobs/Job.h"
#include "jobs/StatusJson.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {
namespace fs = std::filesystem;

// The files and the job, made once in the temporary folder.
class Site
{
public:
    Site() : m_Folder(fs::temp_directory_path() / "kav-bench-jobs")
    {
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
        WriteLargestFile(Largest());
        SiteFiles files;
        std::unique_ptr<Job> job;
        if (!CreateSiteJob(m_Folder.string(), SiteJob(), job, &files).ok())
            std::abort();
        m_Imported = files.bytes;
    }
    ~Site() { fs::remove_all(m_Folder); }

    std::string Largest() const { return (m_Folder / "largest.bin").string(); }
    std::string SiteJob() const { return (m_Folder / "site.kavjob").string(); }
    std::string NewJob() const { return (m_Folder / "new.kavjob").string(); }
    double FileRatio() const { return double(fs::file_size(SiteJob())) / double(m_Imported); }

private:
    fs::path m_Folder;
    size_t m_Imported = 0;
};

const Site& TheSite()
{
    static const Site site;
    return site;
}

void BM_ImportLargestThreeWavelengthFile(benchmark::State& state)
{
    const Site& site = TheSite();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(site.NewJob());
        std::unique_ptr<Job> job;
        if (!Job::Create(site.NewJob(), {}, job).ok())
            state.SkipWithError("no job");
        state.ResumeTiming();
        std::vector<ImportReport> reports;
        if (!job->Import({site.Largest()}, reports).ok() || reports[0].outcome != ImportOutcome::Imported)
            state.SkipWithError("import failed");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * LargestFileTests));
}
BENCHMARK(BM_ImportLargestThreeWavelengthFile)->Unit(benchmark::kMillisecond);

// What kav-job status --json does: open the job, work it out, write the line.
void BM_StatusJsonOf200000Fibres(benchmark::State& state)
{
    const Site& site = TheSite();
    for (auto _ : state) {
        std::unique_ptr<Job> job;
        JobState jobState;
        if (!Job::Open(site.SiteJob(), {}, job).ok() || !job->Read(jobState).ok())
            state.SkipWithError("no job");
        benchmark::DoNotOptimize(StatusJson(jobState));
    }
    state.counters["fibres"] = double(SiteFileCount * SiteFibresPerFile);
    state.counters["fileRatio"] = site.FileRatio();
}
BENCHMARK(BM_StatusJsonOf200000Fibres)->Unit(benchmark::kMillisecond);

// What every import into that job starts with: the job opened to be written,
// checked whole first.
void BM_OpenForWritingThe200000FibreJob(benchmark::State& state)
{
    const Site& site = TheSite();
    for (auto _ : state) {
        std::unique_ptr<Job> job;
        if (!Job::Open(site.SiteJob(), {JobAccess::Write}, job).ok())
            state.SkipWithError("no job");
    }
}
BENCHMARK(BM_OpenForWritingThe200000FibreJob)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
