// The largest reports the instrument's files can make (65,535 records) as
// PDF: pages a second and the file's size; a loss-test report with its
// summary pages (certified against each record's threshold), which list
// every failed fibre.
#include "data/FileLoading.h"
#include "report/CReportPrinting.h"
#include "report/ReportPdf.h"
#include "tools/make-samples/SampleSet.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {
constexpr size_t MaxRecords = 65535;

// Loads the result file `bytes` into `store` as the program would.
bool Load(const std::string& bytes, CDataStore& store)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kav-bench-report.bin";
    std::ofstream(path, std::ios::binary) << bytes;
    const bool loaded = LoadFile(path.string(), store).result == DecodeResult::Ok;
    std::filesystem::remove(path);
    return loaded;
}

void MeasurePdf(benchmark::State& state, CDataStore& store, ReportKind kind)
{
    unsigned pages = 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        CReportPrinting job(store, kind);
        pages = job.PageCount();
        const ReportPdfResult pdf = ReportPdf(job, QPageSize(QPageSize::A4));
        if (pdf.result != PageLoopResult::Done)
            state.SkipWithError("no PDF");
        bytes = pdf.bytes.size();
    }
    state.counters["pages"] = pages;
    ReportOptions tableOnly;
    tableOnly.summaryPage = false;
    state.counters["summary_pages"] = pages - CReportPrinting(store, kind, tableOnly).PageCount();
    state.counters["pages_per_s"] = benchmark::Counter(
        static_cast<double>(pages) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pdf_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void BM_OpmReportPdf(benchmark::State& state)
{
    CDataStore store;
    if (!Load(EncodeOpmResult(SampleOpmReadings(MaxRecords)), store))
        state.SkipWithError("decode failed");
    MeasurePdf(state, store, ReportKind::Opm);
}
BENCHMARK(BM_OpmReportPdf)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// One cable: every page after the first is a continuation page.
void BM_Kav3ReportPdf(benchmark::State& state)
{
    CDataStore store;
    if (!Load(EncodeKavResult(ThreeWaveLengths, SampleLossTests(MaxRecords, MaxRecords)), store))
        state.SkipWithError("decode failed");
    MeasurePdf(state, store, ReportKind::Kav3);
}
BENCHMARK(BM_Kav3ReportPdf)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A cable per record: every page has the header block.
void BM_Kav2ReportPdfCablePerRecord(benchmark::State& state)
{
    CDataStore store;
    if (!Load(EncodeKavResult(TwoWaveLengths, SampleLossTests(MaxRecords / 8, 1)), store))
        state.SkipWithError("decode failed");
    MeasurePdf(state, store, ReportKind::Kav2);
}
BENCHMARK(BM_Kav2ReportPdfCablePerRecord)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
