#include "platform/hid/SimulatedInstrument.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <random>
#include <utility>

namespace {
using Clock = std::chrono::steady_clock;

constexpr uint8_t PollRequest[] = {0x00, 'K', 'A', 'V', '-', '1', '2', 0xA5};
constexpr int RealisticLatencyMs = 8;

void PutFloatLittleEndian(uint8_t* out, float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

struct Answer
{
    Clock::time_point ready;
    std::vector<uint8_t> report;
};
} // namespace

struct SimulatedInstrument::State
{
    // Guards every member below; the condition wakes readers and held writers.
    mutable std::mutex mutex;
    std::condition_variable changed;

    std::chrono::milliseconds latency{0};
    uint16_t wavelength = 1550;
    float reference = -3.2f;
    float power = -15.2f;
    bool powerPinned = false;
    float drift = 0.0f;
    float drifted = 0.0f; // what the drift has added so far
    std::vector<SimulatedStep> script;
    bool repeatScript = false;
    size_t scriptAnswers = 0; // answers given since the script was set
    std::vector<uint8_t> rawReport;
    std::minstd_rand random{20170601};

    bool plugged = true;
    int plugGeneration = 0;
    std::error_code openError;
    std::error_code nextReadError;
    bool emptyReads = false;
    bool silent = false;
    bool holdWrites = false;
    uint16_t release = InstrumentRelease;
    int instrumentCount = 1;
    bool reportIdInReads = false;

    int writeCount = 0;
    int pendingWrites = 0;
    int openHandles = 0;
    std::vector<std::string> openedPaths;

    // The step of the script that the next answer follows; null without one.
    const SimulatedStep* ScriptStep() const
    {
        size_t total = 0;
        for (const SimulatedStep& step : script)
            total += static_cast<size_t>(std::max(step.answers, 0));
        if (total == 0)
            return nullptr;
        size_t at = repeatScript ? scriptAnswers % total : std::min(scriptAnswers, total - 1);
        for (const SimulatedStep& step : script) {
            const size_t answers = static_cast<size_t>(std::max(step.answers, 0));
            if (at < answers)
                return &step;
            at -= answers;
        }
        return nullptr;
    }

    std::vector<uint8_t> NextReport()
    {
        if (!rawReport.empty())
            return rawReport;
        if (!powerPinned) {
            std::uniform_real_distribution<float> step(-0.15f, 0.15f);
            const float centre = reference - 12.0f + drifted;
            power += step(random) + (centre - power) * 0.05f;
        }
        const SimulatedStep* step = ScriptStep();
        float sent = powerPinned ? power + drifted : power;
        uint16_t sentWavelength = wavelength;
        if (step) {
            ++scriptAnswers;
            sentWavelength = step->wavelength;
            if (step->power == SimulatedPower::Low)
                sent = SimulatedInstrument::LowPower;
            else if (step->power == SimulatedPower::High)
                sent = SimulatedInstrument::HighPower;
        }
        drifted += drift;
        std::vector<uint8_t> report(InstrumentReportSize, 0);
        report[2] = static_cast<uint8_t>(sentWavelength >> 8);
        report[3] = static_cast<uint8_t>(sentWavelength & 0xFF);
        PutFloatLittleEndian(&report[4], reference);
        PutFloatLittleEndian(&report[8], sent);
        return report;
    }
};

namespace {
class SimulatedDevice : public HidDevice
{
public:
    explicit SimulatedDevice(std::shared_ptr<SimulatedInstrument::State> state)
        : m_State(std::move(state)), m_Generation(m_State->plugGeneration)
    {
    }

    ~SimulatedDevice() override
    {
        std::lock_guard<std::mutex> lock(m_State->mutex);
        --m_State->openHandles;
    }
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    HidResult Read(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) override
    {
        count = 0;
        std::unique_lock<std::mutex> lock(m_State->mutex);
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
        for (;;) {
            if (Dead())
                return Gone();
            if (m_State->nextReadError)
                return HidFailure(std::exchange(m_State->nextReadError, {}));
            const auto now = Clock::now();
            if (!m_Answers.empty() && m_Answers.front().ready <= now) {
                count = Deliver(buffer, size);
                return {};
            }
            if (timeoutMs >= 0 && now >= deadline)
                return {HidStatus::Timeout, {}};
            auto wakeAt = timeoutMs >= 0 ? deadline : Clock::time_point::max();
            if (!m_Answers.empty() && m_Answers.front().ready < wakeAt)
                wakeAt = m_Answers.front().ready;
            if (wakeAt == Clock::time_point::max())
                m_State->changed.wait(lock);
            else
                m_State->changed.wait_until(lock, wakeAt);
        }
    }

    HidResult Write(const uint8_t* data, size_t size) override
    {
        std::unique_lock<std::mutex> lock(m_State->mutex);
        ++m_State->pendingWrites;
        m_State->changed.wait(lock, [this] { return !m_State->holdWrites || Dead(); });
        --m_State->pendingWrites;
        if (Dead())
            return Gone();
        ++m_State->writeCount;
        const bool isPoll =
            size >= sizeof PollRequest && std::memcmp(data, PollRequest, sizeof PollRequest) == 0;
        if (isPoll && !m_State->silent) {
            m_Answers.push_back({Clock::now() + m_State->latency, m_State->NextReport()});
            m_State->changed.notify_all();
        }
        return {};
    }

private:
    bool Dead() const { return !m_State->plugged || m_Generation != m_State->plugGeneration; }

    // Every call on a handle of an unplugged instrument fails so.
    static HidResult Gone() { return HidFailure(std::make_error_code(std::errc::no_such_device)); }

    size_t Deliver(uint8_t* buffer, size_t size)
    {
        std::vector<uint8_t> report = std::move(m_Answers.front().report);
        m_Answers.pop_front();
        if (m_State->emptyReads)
            return 0;
        const size_t skip = m_State->reportIdInReads ? 0 : 1;
        const size_t count = std::min(size, report.size() - skip);
        std::memcpy(buffer, report.data() + skip, count);
        return count;
    }

    std::shared_ptr<SimulatedInstrument::State> m_State;
    const int m_Generation;
    std::deque<Answer> m_Answers; // guarded by m_State->mutex
};
} // namespace

SimulatedInstrument::SimulatedInstrument(int answerLatencyMs) : m_State(std::make_shared<State>())
{
    m_State->latency = std::chrono::milliseconds(answerLatencyMs);
}

SimulatedInstrument::~SimulatedInstrument()
{
    // Handles may outlive the instrument; releasing held writes lets their
    // owners finish.
    HoldWrites(false);
}

std::string SimulatedInstrument::InstrumentPath(int index)
{
    return "sim:instrument" + std::to_string(index);
}

std::vector<HidDeviceInfo> SimulatedInstrument::Enumerate()
{
    std::lock_guard<std::mutex> lock(m_State->mutex);
    std::vector<HidDeviceInfo> devices;
    devices.push_back({"sim:keyboard", 0x046D, 0xC31C, 0x6400});
    if (!m_State->plugged)
        return devices;
    for (int i = 0; i < m_State->instrumentCount; ++i)
        devices.push_back({InstrumentPath(i), InstrumentVendorId, InstrumentProductId, m_State->release});
    return devices;
}

HidResult SimulatedInstrument::Open(const std::string& path, std::unique_ptr<HidDevice>& device)
{
    device.reset();
    std::lock_guard<std::mutex> lock(m_State->mutex);
    bool known = false;
    for (int i = 0; i < m_State->instrumentCount; ++i)
        known = known || path == InstrumentPath(i);
    // As opening a /dev/hidraw node that is not there.
    if (!known || !m_State->plugged)
        return HidFailure(std::make_error_code(std::errc::no_such_file_or_directory));
    if (m_State->openError)
        return HidFailure(m_State->openError);
    ++m_State->openHandles;
    m_State->openedPaths.push_back(path);
    device = std::make_unique<SimulatedDevice>(m_State);
    return {};
}

template <typename Change> static void Update(SimulatedInstrument::State& state, Change change)
{
    std::lock_guard<std::mutex> lock(state.mutex);
    change();
    state.changed.notify_all();
}

void SimulatedInstrument::SetWavelength(uint16_t nm)
{
    Update(
        *m_State, [&] { m_State->wavelength = nm; });
}

void SimulatedInstrument::SetReference(float dBm)
{
    Update(
        *m_State, [&] { m_State->reference = dBm; });
}

void SimulatedInstrument::SetPower(float dBm)
{
    Update(
        *m_State,
        [&] {
            m_State->power = dBm;
            m_State->powerPinned = true;
        });
}

void SimulatedInstrument::SetScript(const std::vector<SimulatedStep>& steps, bool repeat)
{
    Update(
        *m_State,
        [&] {
            m_State->script = steps;
            m_State->repeatScript = repeat;
            m_State->scriptAnswers = 0;
        });
}

void SimulatedInstrument::SetDrift(float dBPerAnswer)
{
    Update(
        *m_State, [&] { m_State->drift = dBPerAnswer; });
}

void SimulatedInstrument::SetRawReport(const std::vector<uint8_t>& report)
{
    Update(
        *m_State, [&] { m_State->rawReport = report; });
}

void SimulatedInstrument::Unplug()
{
    Update(
        *m_State,
        [&] {
            m_State->plugged = false;
            ++m_State->plugGeneration;
        });
}

void SimulatedInstrument::Replug()
{
    Update(
        *m_State, [&] { m_State->plugged = true; });
}

void SimulatedInstrument::FailOpens(std::errc error)
{
    Update(
        *m_State, [&] { m_State->openError = std::make_error_code(error); });
}

void SimulatedInstrument::FailNextRead(std::errc error)
{
    Update(
        *m_State, [&] { m_State->nextReadError = std::make_error_code(error); });
}

void SimulatedInstrument::SetEmptyReads(bool on)
{
    Update(
        *m_State, [&] { m_State->emptyReads = on; });
}

void SimulatedInstrument::SetSilent(bool on)
{
    Update(
        *m_State, [&] { m_State->silent = on; });
}

void SimulatedInstrument::HoldWrites(bool on)
{
    Update(
        *m_State, [&] { m_State->holdWrites = on; });
}

void SimulatedInstrument::SetRelease(uint16_t release)
{
    Update(
        *m_State, [&] { m_State->release = release; });
}

void SimulatedInstrument::SetInstrumentCount(int count)
{
    Update(
        *m_State, [&] { m_State->instrumentCount = count; });
}

void SimulatedInstrument::SetReportIdInReads(bool on)
{
    Update(
        *m_State, [&] { m_State->reportIdInReads = on; });
}

int SimulatedInstrument::WriteCount() const
{
    std::lock_guard<std::mutex> lock(m_State->mutex);
    return m_State->writeCount;
}

bool SimulatedInstrument::WritesHeld() const
{
    std::lock_guard<std::mutex> lock(m_State->mutex);
    return m_State->holdWrites;
}

int SimulatedInstrument::PendingWriteCount() const
{
    std::lock_guard<std::mutex> lock(m_State->mutex);
    return m_State->pendingWrites;
}

int SimulatedInstrument::OpenHandleCount() const
{
    std::lock_guard<std::mutex> lock(m_State->mutex);
    return m_State->openHandles;
}

std::vector<std::string> SimulatedInstrument::OpenedPaths() const
{
    std::lock_guard<std::mutex> lock(m_State->mutex);
    return m_State->openedPaths;
}

std::shared_ptr<SimulatedInstrument> CreateSimulatedInstrument()
{
    auto instrument = std::make_shared<SimulatedInstrument>(RealisticLatencyMs);
    constexpr int AnswersPerMinute = 120;
    instrument->SetScript({{2 * AnswersPerMinute, 1550, SimulatedPower::Measured},
                           {2, 1550, SimulatedPower::Low},
                           {AnswersPerMinute, 1550, SimulatedPower::Measured},
                           {AnswersPerMinute - 1, 1310, SimulatedPower::Measured},
                           {1, 1310, SimulatedPower::High}},
                          true);
    instrument->SetDrift(0.0005f); // 0.06 dB a minute
    return instrument;
}
