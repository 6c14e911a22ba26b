// The workbook of the largest loss-test file the instrument can write
// (65,535 three-wavelength records: 196,605 rows and the title row), with its
// verdicts and summary, as Save As Excel writes it (target: at most 3 s and
// 200 MB), its table alone, and the workbook of the largest OPM file.
#include "data/FileLoading.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"
#include "workbook/RecordSheets.h"
#include "workbook/SheetWriter.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#endif

namespace {
constexpr size_t MaxRecords = 65535;

// The process's largest resident size so far, in MB; -1 where unknown. The
// benchmark holds little besides the store, so it bounds what a save takes.
double PeakResidentMegabytes()
{
#if defined(__unix__) || defined(__APPLE__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
#if defined(__APPLE__)
    return static_cast<double>(usage.ru_maxrss) / (1024.0 * 1024.0);
#else
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
#endif
#else
    return -1;
#endif
}

const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "kav-bench-workbook";

CDataStore Loaded(benchmark::State& state, const std::string& bytes)
{
    std::filesystem::create_directories(Folder);
    const std::string input = (Folder / "large.bin").string();
    std::ofstream(input, std::ios::binary) << bytes;
    CDataStore store;
    if (LoadFile(input, store).result != DecodeResult::Ok)
        state.SkipWithError("decode failed");
    return store;
}

void SaveWorkbook(benchmark::State& state, const std::string& bytes, RecordKind kind, size_t rows)
{
    const CDataStore store = Loaded(state, bytes);
    const std::string output = (Folder / "large.xlsx").string();
    for (auto _ : state)
        if (!ExportWorkbook(output, store, kind, {"large.bin", {}}).ok())
            state.SkipWithError("save failed");
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(output)) / (1024.0 * 1024.0);
    state.counters["peak_MB"] = PeakResidentMegabytes();
    std::filesystem::remove_all(Folder);
}

void BM_WorkbookLargestKav(benchmark::State& state)
{
    SaveWorkbook(state, EncodeKavResult(ThreeWaveLengths, SampleLossTests(MaxRecords, 12)), RecordKind::Kav,
                 MaxRecords * 3 + 1);
}
BENCHMARK(BM_WorkbookLargestKav)->Unit(benchmark::kMillisecond)->Iterations(3);

// The loss-test table's sheet alone, without the Verdicts sheet (393,210
// rows) and the summary: the share of the save that the table itself takes,
// its loss cells coloured by the instrument's verdicts.
void BM_WorkbookLargestKavTableOnly(benchmark::State& state)
{
    const CDataStore store =
        Loaded(state, EncodeKavResult(ThreeWaveLengths, SampleLossTests(MaxRecords, 12)));
    const TestLimits limits;
    const LossTestVerdicts verdicts = CertifyLossTests(store, limits);
    size_t bytes = 0;
    for (auto _ : state) {
        WorkbookFile file;
        SheetWriter writer(file.Book());
        const std::optional<std::string> made =
            file.Book() && writer.Write(LossTestSheet(store, verdicts, limits)) == LXW_NO_ERROR
                ? file.Finish()
                : std::nullopt;
        if (!made)
            state.SkipWithError("workbook failed");
        bytes = made ? made->size() : 0;
    }
    state.counters["rows"] = static_cast<double>(MaxRecords * 3 + 1);
    state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    std::filesystem::remove_all(Folder);
}
BENCHMARK(BM_WorkbookLargestKavTableOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WorkbookLargestOpm(benchmark::State& state)
{
    SaveWorkbook(state, EncodeOpmResult(SampleOpmReadings(MaxRecords)), RecordKind::Opm, MaxRecords + 1);
}
BENCHMARK(BM_WorkbookLargestOpm)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

BENCHMARK_MAIN();
