// Decoding the largest result files the instrument can write (65,535
// records), exporting them to CSV and certifying them, plus the store's
// memory for them.
#include "bench/data/LiveHeap.h"
#include "data/CertificationSummary.h"
#include "data/CsvExport.h"
#include "data/FileLoading.h"
#include "data/ResultFileDecoders.h"
#include "platform/files/SafeFileWriter.h"
#include "tools/make-samples/SampleSet.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {
constexpr size_t MaxRecords = 65535;

// The two large files, written once into the temporary folder.
class LargeFiles
{
public:
    LargeFiles()
    {
        m_Folder = std::filesystem::temp_directory_path() / "kav-bench-data";
        std::filesystem::create_directories(m_Folder);
        Write(Kav(), EncodeKavResult(ThreeWaveLengths, SampleLossTests(MaxRecords, 12)));
        Write(Opm(), EncodeOpmResult(SampleOpmReadings(MaxRecords)));
    }
    ~LargeFiles() { std::filesystem::remove_all(m_Folder); }

    std::string Kav() const { return (m_Folder / "large-kav.bin").string(); }
    std::string Opm() const { return (m_Folder / "large-opm.bin").string(); }
    std::string Csv() const { return (m_Folder / "export.csv").string(); }

private:
    static void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::filesystem::path m_Folder;
};

const LargeFiles& Files()
{
    static const LargeFiles files;
    return files;
}

void BM_DecodeKavThreeWavelengths(benchmark::State& state)
{
    CDataStore store;
    for (auto _ : state) {
        const LoadOutcome outcome = LoadFile(Files().Kav(), store);
        if (outcome.waveCount != 3 || store.GetKavRecords3().size() != MaxRecords)
            state.SkipWithError("decode failed");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * MaxRecords));
}
BENCHMARK(BM_DecodeKavThreeWavelengths)->Unit(benchmark::kMillisecond);

void BM_DecodeOpm(benchmark::State& state)
{
    CDataStore store;
    for (auto _ : state)
        if (LoadFile(Files().Opm(), store).result != DecodeResult::Ok ||
            store.GetOpmRecords().size() != MaxRecords)
            state.SkipWithError("decode failed");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * MaxRecords));
}
BENCHMARK(BM_DecodeOpm)->Unit(benchmark::kMillisecond);

// A short file claiming the largest count: only the record it holds whole is
// read, so the count it claims costs nothing.
void BM_DecodeShortKavClaimingMaxRecords(benchmark::State& state)
{
    std::string bytes = EncodeKavResult(ThreeWaveLengths, SampleLossTests(1, 1));
    bytes[14] = bytes[15] = '\xFF';
    CDataStore store;
    for (auto _ : state) {
        DecodeKavBytes({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, store);
        if (store.GetKavRecords3().size() != 1)
            state.SkipWithError("decode failed");
    }
}
BENCHMARK(BM_DecodeShortKavClaimingMaxRecords)->Unit(benchmark::kMillisecond);

void BM_ExportKavCsv(benchmark::State& state)
{
    CDataStore store;
    LoadFile(Files().Kav(), store);
    for (auto _ : state)
        if (!WriteFileSafely(Files().Csv(), KavCsvBytes(store)).ok())
            state.SkipWithError("export failed");
    state.counters["lines"] = static_cast<double>(MaxRecords * 3);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(Files().Csv()));
}
BENCHMARK(BM_ExportKavCsv)->Unit(benchmark::kMillisecond);

void BM_ExportOpmCsv(benchmark::State& state)
{
    CDataStore store;
    LoadFile(Files().Opm(), store);
    for (auto _ : state)
        if (!WriteFileSafely(Files().Csv(), OpmCsvBytes(store)).ok())
            state.SkipWithError("export failed");
    state.counters["lines"] = static_cast<double>(MaxRecords);
}
BENCHMARK(BM_ExportOpmCsv)->Unit(benchmark::kMillisecond);

// Verdicts and summary of the largest loss test against a budget with a
// cable of its own figures (target: at most 50 ms).
void BM_CertifyKavThreeWavelengths(benchmark::State& state)
{
    CDataStore store;
    LoadFile(Files().Kav(), store);
    TestLimits limits;
    limits.method = LimitMethod::Budget;
    limits.preset = "tia-568.3-d-osp";
    limits.attenuation[1490] = Figure("0.5");
    limits.connections = 2;
    limits.warningBand = Figure("0.5");
    limits.cables["CAB-02"].connections = 4;
    for (auto _ : state) {
        const CertificationSummary summary = Summarize(CertifyLossTests(store, limits));
        if (summary.fibres.Total() != MaxRecords)
            state.SkipWithError("certification failed");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * MaxRecords));
}
BENCHMARK(BM_CertifyKavThreeWavelengths)->Unit(benchmark::kMillisecond);

// The store's heap growth across one decode, against the bytes of the records
// themselves; the ratio is the figure to watch (at most 1.5).
template <typename Decode, typename Records>
void MeasureStore(benchmark::State& state, Decode decode, Records recordBytes)
{
    for (auto _ : state) {
        CDataStore store;
        const size_t before = LiveHeapBytes();
        decode(store);
        const size_t grown = LiveHeapBytes() - before;
        const double own = static_cast<double>(recordBytes(store));
        state.counters["store_bytes"] = static_cast<double>(grown);
        state.counters["record_bytes"] = own;
        state.counters["ratio"] = static_cast<double>(grown) / own;
    }
}

void BM_StoreMemoryKav(benchmark::State& state)
{
    MeasureStore(
        state, [](CDataStore& s) { LoadFile(Files().Kav(), s); },
        [](const CDataStore& s) { return s.GetKavRecords3().size() * sizeof(KavRecord3); });
}
BENCHMARK(BM_StoreMemoryKav)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_StoreMemoryOpm(benchmark::State& state)
{
    MeasureStore(
        state, [](CDataStore& s) { LoadFile(Files().Opm(), s); },
        [](const CDataStore& s) { return s.GetOpmRecords().size() * sizeof(OpmRecord); });
}
BENCHMARK(BM_StoreMemoryOpm)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
