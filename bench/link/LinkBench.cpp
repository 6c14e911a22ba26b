// The live link's costs: CPU of the whole process while tracing the simulated
// instrument and while idle without one, the time from a report's arrival to
// the repaint request, and the per-report and per-paint work.
#include "link/CTraceAcquisition.h"
#include "link/ReportDecoder.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/hid/SimulatedInstrument.h"
#include "platform/ui/ScriptedPrompts.h"
#include "trace/CAutoTracePage.h"
#include "trace/LiveTraceChart.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <sys/resource.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

int Seconds(const char* variable, int fallback)
{
    const char* text = std::getenv(variable);
    return text != nullptr ? std::max(1, std::atoi(text)) : fallback;
}

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunEventLoop(int seconds)
{
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
}

// The simulated instrument, noting when each report reaches the reader.
class TimedInstrument : public HidTransport
{
public:
    TimedInstrument() : m_Instrument(CreateSimulatedInstrument()) {}

    std::vector<HidDeviceInfo> Enumerate() override { return m_Instrument->Enumerate(); }
    HidResult Open(const std::string& path, std::unique_ptr<HidDevice>& device) override
    {
        const HidResult opened = m_Instrument->Open(path, device);
        if (device)
            device = std::make_unique<TimedDevice>(std::move(device), *this);
        return opened;
    }

    void Arrived()
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Arrivals.push_back(Clock::now());
    }
    std::vector<Clock::time_point> Arrivals()
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Arrivals;
    }

private:
    class TimedDevice : public HidDevice
    {
    public:
        TimedDevice(std::unique_ptr<HidDevice> device, TimedInstrument& owner)
            : m_Device(std::move(device)), m_Owner(owner)
        {
        }
        HidResult Read(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) override
        {
            const HidResult read = m_Device->Read(buffer, size, timeoutMs, count);
            if (read.Ok() && count > 0)
                m_Owner.Arrived();
            return read;
        }
        HidResult Write(const uint8_t* data, size_t size) override { return m_Device->Write(data, size); }

    private:
        std::unique_ptr<HidDevice> m_Device;
        TimedInstrument& m_Owner;
    };

    std::shared_ptr<SimulatedInstrument> m_Instrument;
    std::mutex m_Mutex; // guards m_Arrivals
    std::vector<Clock::time_point> m_Arrivals;
};

// Tracing the simulated instrument with "Start to Save" pressed in, on a real
// event loop: process CPU over wall time, and the report-to-repaint latency.
void BM_TraceSimulatedInstrument(benchmark::State& state)
{
    const int seconds = Seconds("KAV_BENCH_TRACE_SECONDS", 60);
    for (auto _ : state) {
        ScriptedPrompts prompts;
        QTemporaryDir folder;
        auto instrument = std::make_shared<TimedInstrument>();
        CAutoTracePage page(instrument);
        page.show();
        prompts.QueueFolder(folder.path());
        page.PressSavePath();
        std::vector<Clock::time_point> repaints;
        QObject::connect(&page, &CAutoTracePage::RepaintRequested, [&] { repaints.push_back(Clock::now()); });
        page.PressTrace();
        page.PressStartToSave();
        const double cpuBefore = ProcessCpuSeconds();
        const auto wallBefore = Clock::now();
        RunEventLoop(seconds);
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
        page.PressStop();

        const std::vector<Clock::time_point> arrivals = instrument->Arrivals();
        std::vector<double> latencies;
        for (size_t i = 0; i < std::min(arrivals.size(), repaints.size()); ++i)
            latencies.push_back(std::chrono::duration<double, std::milli>(repaints[i] - arrivals[i]).count());
        std::sort(latencies.begin(), latencies.end());
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
        state.counters["reports"] = double(arrivals.size());
        if (!latencies.empty()) {
            state.counters["latency_p99_ms"] =
                latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)];
            state.counters["latency_max_ms"] = latencies.back();
        }
    }
}
BENCHMARK(BM_TraceSimulatedInstrument)->Iterations(1)->Unit(benchmark::kSecond);

// The AUTOTRACE page shown with no instrument attached.
void BM_IdleWithoutInstrument(benchmark::State& state)
{
    const int seconds = Seconds("KAV_BENCH_IDLE_SECONDS", 20);
    for (auto _ : state) {
        ScriptedPrompts prompts;
        auto instrument = std::make_shared<SimulatedInstrument>();
        instrument->SetInstrumentCount(0);
        CAutoTracePage page(instrument);
        page.show();
        const double cpuBefore = ProcessCpuSeconds();
        const auto wallBefore = Clock::now();
        RunEventLoop(seconds);
        const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
        state.counters["cpu_percent"] = 100.0 * (ProcessCpuSeconds() - cpuBefore) / wall;
    }
}
BENCHMARK(BM_IdleWithoutInstrument)->Iterations(1)->Unit(benchmark::kSecond);

void BM_DecodeReport(benchmark::State& state)
{
    std::vector<uint8_t> report(64, 0);
    report[1] = 0x06;
    report[2] = 0x0E;
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeReport(report.data(), report.size()));
}
BENCHMARK(BM_DecodeReport);

void BM_HandleReading(benchmark::State& state)
{
    CTraceAcquisition acquisition("unused");
    float power = -20.0f;
    for (auto _ : state) {
        power = power > 0.0f ? -20.0f : power + 0.01f;
        benchmark::DoNotOptimize(acquisition.HandleReading({1550, -3.2f, power}, false, {}));
    }
}
BENCHMARK(BM_HandleReading);

void BM_PaintFullChart(benchmark::State& state)
{
    const std::vector<float> series(239, -15.0f);
    LiveTraceChartData data;
    data.reference = "-3.20";
    data.series = &series;
    for (auto _ : state) {
        RecordingDrawContext dc;
        PaintLiveTraceChart(dc, QRect(40, 10, 560, 540), data);
        benchmark::DoNotOptimize(dc.Lines().size());
    }
}
BENCHMARK(BM_PaintFullChart);
} // namespace
