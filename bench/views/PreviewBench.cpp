// The print preview of the largest reports (65,535 records): how long it
// takes to open on its first page, and to turn a page.
#include "data/FileLoading.h"
#include "tools/make-samples/SampleSet.h"
#include "views/CPrintPreview.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {
constexpr size_t MaxRecords = 65535;

bool Load(const std::string& bytes, CDataStore& store)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kav-bench-preview.bin";
    std::ofstream(path, std::ios::binary) << bytes;
    const bool loaded = LoadFile(path.string(), store).result == DecodeResult::Ok;
    std::filesystem::remove(path);
    return loaded;
}

CDataStore& Store(ReportKind kind)
{
    static CDataStore opm, kav;
    static const bool loaded =
        Load(EncodeOpmResult(SampleOpmReadings(MaxRecords)), opm) &&
        Load(EncodeKavResult(ThreeWaveLengths, SampleLossTests(MaxRecords, MaxRecords)), kav);
    (void)loaded;
    return kind == ReportKind::Opm ? opm : kav;
}

QPageLayout A4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0.25, 0.25, 0.25, 0.25),
                       QPageLayout::Inch);
}

// From the command to the first page on the screen.
void PreviewOpens(benchmark::State& state, ReportKind kind)
{
    CDataStore& store = Store(kind);
    unsigned pages = 0;
    for (auto _ : state) {
        auto* preview = new CPrintPreview(store, kind, ReportOptions(), A4(), {});
        preview->resize(1200, 900);
        preview->show();
        QApplication::processEvents();
        pages = preview->PageCount();
        state.PauseTiming();
        delete preview;
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
}

// Next page, painted.
void PreviewTurnsPages(benchmark::State& state, ReportKind kind)
{
    CPrintPreview preview(Store(kind), kind, ReportOptions(), A4(), {});
    preview.resize(1200, 900);
    preview.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (preview.CurrentPage() == preview.PageCount())
            preview.FirstPage();
        preview.NextPage();
        QApplication::processEvents();
    }
}

void BM_PreviewOpensOpm(benchmark::State& state)
{
    PreviewOpens(state, ReportKind::Opm);
}
BENCHMARK(BM_PreviewOpensOpm)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_PreviewOpensKav3(benchmark::State& state)
{
    PreviewOpens(state, ReportKind::Kav3);
}
BENCHMARK(BM_PreviewOpensKav3)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_PreviewTurnsOpmPages(benchmark::State& state)
{
    PreviewTurnsPages(state, ReportKind::Opm);
}
BENCHMARK(BM_PreviewTurnsOpmPages)->Unit(benchmark::kMillisecond)->Iterations(50)->UseRealTime();

void BM_PreviewTurnsKav3Pages(benchmark::State& state)
{
    PreviewTurnsPages(state, ReportKind::Kav3);
}
BENCHMARK(BM_PreviewTurnsKav3Pages)->Unit(benchmark::kMillisecond)->Iterations(50)->UseRealTime();
} // namespace
