// The workbook of the largest loss-test file the instrument can write
// (65,535 three-wavelength records: 196,605 rows and the title row), with its
// verdicts and summary, as Save As Excel writes it, its table alone, and the
// workbook of the largest OPM file. Most of a save is compression, so each
// save is set against what deflating its own sheets' XML at zlib's default
// level costs, in the same run (target: at most 1.5 times that, and 200 MB).
#include "data/FileLoading.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"
#include "workbook/RecordSheets.h"
#include "workbook/SheetWriter.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookFile.h"

#include <benchmark/benchmark.h>

#include <zlib.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#endif

namespace {
constexpr size_t MaxRecords = 65535;

// The process's largest resident size since the last ResetPeak, in MB; -1
// where unknown. The benchmark holds little besides the store, so it bounds
// what a save takes. Linux keeps a peak that can be reset, so that each
// benchmark is measured alone rather than with the earlier ones' peaks
// (such as the sheets a workbook's check inflates); elsewhere the peak is
// the process's.
#if defined(__linux__)
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return -1;
}
#else
void ResetPeak() {}

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
#endif

// The CPU time of the whole process so far, in seconds.
double ProcessSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

uint32_t Little(const std::string& bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<size_t>(i)));
    return value;
}

// The XML of every sheet in the workbook `zip`, inflated, as read through
// the archive's central directory.
std::vector<std::string> SheetsXml(const std::string& zip)
{
    std::vector<std::string> sheets;
    const size_t end = zip.rfind(std::string("PK\5\6", 4));
    if (end == std::string::npos)
        return sheets;
    size_t entry = Little(zip, end + 16, 4);
    for (uint32_t n = Little(zip, end + 10, 2); n > 0; --n) {
        const uint32_t packed = Little(zip, entry + 20, 4), size = Little(zip, entry + 24, 4);
        const uint32_t nameLength = Little(zip, entry + 28, 2);
        const std::string name = zip.substr(entry + 46, nameLength);
        const size_t local = Little(zip, entry + 42, 4);
        entry += 46 + nameLength + Little(zip, entry + 30, 2) + Little(zip, entry + 32, 2);
        if (name.rfind("xl/worksheets/", 0) != 0)
            continue;
        const size_t data = local + 30 + Little(zip, local + 26, 2) + Little(zip, local + 28, 2);
        std::string xml(size, '\0');
        z_stream stream{};
        inflateInit2(&stream, -MAX_WBITS);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
        stream.avail_in = packed;
        stream.next_out = reinterpret_cast<Bytef*>(xml.data());
        stream.avail_out = size;
        const int inflated = inflate(&stream, Z_FINISH);
        inflateEnd(&stream);
        if (inflated == Z_STREAM_END)
            sheets.push_back(std::move(xml));
    }
    return sheets;
}

// The CPU seconds that deflating `sheets` at zlib's default level takes.
double DeflateSeconds(const std::vector<std::string>& sheets)
{
    const double start = ProcessSeconds();
    for (const std::string& xml : sheets) {
        uLongf size = compressBound(static_cast<uLong>(xml.size()));
        std::vector<Bytef> packed(size);
        compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(xml.data()), xml.size(),
                  Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(packed.data());
    }
    return ProcessSeconds() - start;
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
    ResetPeak();
    const CDataStore store = Loaded(state, bytes);
    const std::string output = (Folder / "large.xlsx").string();
    double saving = 0;
    for (auto _ : state) {
        const double start = ProcessSeconds();
        if (!ExportWorkbook(output, store, kind, {"large.bin", {}}).ok())
            state.SkipWithError("save failed");
        saving += ProcessSeconds() - start;
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(output)) / (1024.0 * 1024.0);
    state.counters["peak_MB"] = PeakResidentMegabytes();
    std::ifstream file(output, std::ios::binary);
    const std::vector<std::string> sheets = SheetsXml(std::string(std::istreambuf_iterator<char>(file), {}));
    if (sheets.empty())
        state.SkipWithError("no sheets in the workbook");
    const double perSave = saving / static_cast<double>(state.iterations());
    const double deflating = DeflateSeconds(sheets);
    state.counters["save_cpu_s"] = perSave;
    state.counters["deflate_cpu_s"] = deflating;
    state.counters["save_per_deflate"] = deflating > 0 ? perSave / deflating : 0;
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
