// The largest recorded trace the instrument can write (65,535 samples) on
// the TRACE page: from the file to a painted page, and one repaint at each
// range, with the curve cut to pixel columns and, for comparison, drawn
// through every sample.
#include "data/CDataStore.h"
#include "data/FileLoading.h"
#include "platform/draw/QPainterDrawContext.h"
#include "platform/draw/RecordingDrawContext.h"
#include "trace/CTracePage.h"
#include "trace/RecordedTraceChart.h"

#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <random>

namespace {
constexpr int SampleCount = 65535;
const char* const RangeRadios[] = {"control1010", "control1012", "control1011", "control1013"};

// A slow drift with noise around -5 dBm, as a splice settling.
std::string LargestTraceBytes()
{
    std::string bytes(28, '\0');
    qToLittleEndian(quint16(1550), bytes.data());
    qToLittleEndian(quint16(SampleCount), bytes.data() + 2);
    qToLittleEndian(-5.0f, bytes.data() + 4);
    qToLittleEndian(quint32(165), bytes.data() + 24);
    std::mt19937 random(1);
    std::normal_distribution<float> noise(0.0f, 0.02f);
    float level = -5.0f;
    for (int i = 0; i < SampleCount; ++i) {
        level += noise(random);
        char le[4];
        qToLittleEndian(level + 5 * noise(random), le);
        bytes.append(le, 4);
    }
    return bytes;
}

const std::string& LargestTracePath()
{
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string file = dir.filePath("largest.bin").toStdString();
        std::ofstream(file, std::ios::binary) << LargestTraceBytes();
        return file;
    }();
    return path;
}

// The page and its chart as created (0), or as the view scales them in a
// window filling a 1920 x 1080 screen (1): about 1.7 times as wide and 1.5
// times as high as the form.
QSize PageSize(const CTracePage& page, int scale)
{
    return scale == 0 ? page.size() : QSize(1920, 940);
}

QRect ChartRect(int scale)
{
    return scale == 0 ? QRect(QPoint(40, 10), QPoint(599, 549)) : QRect(QPoint(69, 15), QPoint(1035, 824));
}

void Show(CTracePage& page, CDataStore& store)
{
    LoadOptions options;
    options.accepted = {FileKind::TraceResult, FileKind::TraceDocument};
    const std::string& path = LargestTracePath();
    const LoadOutcome outcome = LoadRecognizedFile(RecognizeFile(path), store, options);
    page.ShowTrace(QString::fromStdString(path), outcome.trace);
}

// File > Open's work once the user has chosen the file: read, recognise,
// decode, fill the page, paint it with its controls.
void BM_OpenLargestTraceUntilPainted(benchmark::State& state)
{
    CDataStore store;
    CTracePage page;
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Show(page, store);
        page.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_OpenLargestTraceUntilPainted)->Unit(benchmark::kMillisecond);

// One repaint of the page with its controls: range 0.5, 1.0, 2.0, 4.0 dB;
// the page as created or filling the screen.
void BM_PaintPage(benchmark::State& state)
{
    CDataStore store;
    CTracePage page;
    const int scale = static_cast<int>(state.range(1));
    page.resize(PageSize(page, scale));
    page.SetChartRect(ChartRect(scale));
    Show(page, store);
    page.findChild<QRadioButton*>(RangeRadios[state.range(0)])->setChecked(true);
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        page.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    RecordingDrawContext lines;
    page.PaintChart(lines);
    state.counters["lines"] = static_cast<double>(lines.Lines().size());
}
BENCHMARK(BM_PaintPage)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);

// The chart alone at range 1.0, its curve cut to pixel columns (0) or drawn
// through every sample (1).
void BM_PaintChart(benchmark::State& state)
{
    CDataStore store;
    const LoadOutcome outcome = LoadFile(LargestTracePath(), store);
    RecordedTraceChartData data;
    data.sampleCount = outcome.trace.sampleCount;
    data.plotValues = &outcome.trace.plotValues;
    const CurveDetail detail = state.range(0) == 0 ? CurveDetail::PixelColumns : CurveDetail::EveryPoint;
    QImage image(1001, 500, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        QPainterDrawContext dc(painter);
        PaintRecordedTraceChart(dc, ChartRect(0), data, detail);
    }
}
BENCHMARK(BM_PaintChart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace
