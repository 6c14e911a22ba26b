// The handover of a job at the scale of a data centre as a PDF: a job of
// 200,000 planned fibres from 40 files, read as kav-job report reads it, then
// painted page by page; pages a second of wall time, and the file's size.
#include "bench/support/SiteFiles.h"
#include "data/TestLimits.h"
#include "jobs/JobResults.h"
#include "jobs/JobStores.h"
#include "report/JobReportPrinting.h"
#include "report/ReportPdf.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {
namespace fs = std::filesystem;

void BM_JobReportPdfOf200000Fibres(benchmark::State& state)
{
    const fs::path folder = fs::temp_directory_path() / "kav-bench-job-report";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string location = (folder / "site.kavjob").string();
    std::unique_ptr<Job> job;
    JobState jobState;
    TestLimits limits;
    JobReportFacts facts;
    JobResults results;
    if (!CreateSiteJob(folder.string(), location, job).ok() || !job->Read(jobState).ok() ||
        !job->ReadLimits(limits).ok() || !job->ReadHeader(facts.header).ok() ||
        !LoadJobResults(job->Store(), jobState, limits, facts.header, results).ok())
        state.SkipWithError("no job");
    facts.jobName = JobNameOf(location);
    facts.limitName = LimitName(limits);
    ReportOptions options;
    options.sourceFile = facts.jobName;

    unsigned pages = 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        JobReportPrinting report(jobState, results, facts, options);
        pages = report.PageCount();
        const ReportPdfResult pdf = ReportPdf(report, QPageSize(QPageSize::A4));
        if (pdf.result != PageLoopResult::Done)
            state.SkipWithError("no PDF");
        bytes = pdf.bytes.size();
    }
    state.counters["fibres"] = double(SiteFileCount * SiteFibresPerFile);
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] = benchmark::Counter(
        static_cast<double>(pages) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pdf_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    job.reset();
    fs::remove_all(folder);
}
BENCHMARK(BM_JobReportPdfOf200000Fibres)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
