// A day of live readings at two a second (172,800), with a stability run
// over the whole day: the heap the trace holds for them (every reading is
// kept, in the trace and in the run), the time each reading takes, and one
// repaint of the chart of the whole day, whole and zoomed to an hour, at
// the page's size as created and filling a 1920 x 1080 screen.
#include "bench/support/HeapInUse.h"
#include "link/CLiveTrace.h"
#include "link/LinkIo.h"
#include "link/TraceUi.h"
#include "platform/draw/QPainterDrawContext.h"
#include "platform/hid/SimulatedInstrument.h"
#include "trace/RunChart.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

namespace {
constexpr int ReadingsPerDay = 24 * 3600 * 2;
constexpr int PollMs = 500;

// Time moves only when the benchmark moves it; no timer fires.
class StillClock : public LinkClock
{
public:
    LocalDateTime Now() const override { return {2017, 6, 1, 9, 5, 7, 0}; }
    int64_t ElapsedMs() const override { return m_Ms; }
    void SetTimer(LinkTimer, int) override {}
    void KillTimer(LinkTimer) override {}
    bool IsTimerRunning(LinkTimer) const override { return false; }
    void Advance(int ms) { m_Ms += ms; }

private:
    int64_t m_Ms = 0;
};

class IdleIo : public LinkIo
{
public:
    void Attach(std::unique_ptr<HidDevice>) override {}
    void Resume() override {}
    void Pause() override {}
    bool IsRunning() const override { return true; }
    void Send(const std::vector<uint8_t>&) override {}
};

class QuietUi : public TraceUi
{
public:
    void ShowMessage(const std::string&, const std::string&, const std::string&) override {}
    void ShowSaveButton(bool, bool) override {}
    void ShowSavePath(const std::string&) override {}
    void RepaintChart() override {}
    void RepaintPage() override {}
    void ShowStatus(const LiveStatus&) override {}
    void RunEnded() override {}
};

// A trace of a day: a source settling and drifting, with noise, and now and
// then a reading below the range (a connector flexed).
struct DayTrace
{
    StillClock clock;
    IdleIo io;
    QuietUi ui;
    CLiveTrace trace{std::make_shared<SimulatedInstrument>(), clock, io, ui, "unused-COMData.txt"};

    DayTrace()
    {
        trace.Trace();
        StabilitySettings day;
        day.durationS = StabilitySettings::MaxDurationS + 1; // still running after the last reading
        trace.StartRun(day);
    }

    void Feed(int readings)
    {
        std::mt19937 random(20170601);
        std::normal_distribution<float> noise(0.0f, 0.01f);
        for (int i = 0; i < readings; ++i) {
            clock.Advance(PollMs);
            const float drift = 0.2f * std::sin(float(i) / 20000.0f);
            const float power = i % 9973 == 0 ? -85.0f : -15.0f + drift + noise(random);
            trace.OnReading({1550, -3.2f, power});
        }
    }
};

void BM_DayOfReadingsHeld(benchmark::State& state)
{
    for (auto _ : state) {
        const long long before = HeapInUse();
        auto day = std::make_unique<DayTrace>();
        day->Feed(ReadingsPerDay);
        const long long after = HeapInUse();
        state.counters["readings"] = double(day->trace.History().size());
        state.counters["run_readings"] = double(day->trace.Run()->Readings().size());
        if (before >= 0 && after >= 0)
            state.counters["heap_MB"] = double(after - before) / (1024.0 * 1024.0);
        state.SetItemsProcessed(ReadingsPerDay);
    }
}
BENCHMARK(BM_DayOfReadingsHeld)->Iterations(1)->Unit(benchmark::kMillisecond);

// The chart rectangle as the page is created (0) and as the view scales it
// in a window filling a 1920 x 1080 screen (1); the whole day (0) or its
// middle hour (1) in view.
void BM_RepaintDayChart(benchmark::State& state)
{
    static DayTrace* day = [] {
        auto* made = new DayTrace;
        made->Feed(ReadingsPerDay);
        return made;
    }();
    const bool screen = state.range(0) == 1;
    const QSize page = screen ? QSize(1920, 940) : QSize(1113, 640);
    const QRect chart = screen ? QRect(QPoint(69, 15), QPoint(1035, 824)) : QRect(40, 10, 560, 540);
    RunChartData data;
    data.readings = &day->trace.History();
    data.startMs = data.readings->front().atMs;
    data.fromMs = data.startMs;
    data.toMs = data.readings->back().atMs;
    if (state.range(1) == 1) {
        constexpr int64_t HourMs = int64_t(3600) * 1000;
        data.fromMs = data.startMs + 12 * HourMs;
        data.toMs = data.fromMs + HourMs;
    }
    data.wavelengths = {1550};
    data.values.valueBoxColor = QColor(240, 240, 240);
    QImage image(page, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QPainterDrawContext dc(painter);
        PaintRunChart(dc, chart, data);
    }
}
BENCHMARK(BM_RepaintDayChart)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);
} // namespace
