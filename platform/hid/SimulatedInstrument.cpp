#include "SimulatedInstrument.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <random>

namespace
{
using Clock = std::chrono::steady_clock;

constexpr uint8_t kPollRequest[] = {0x00, 'K', 'A', 'V', '-', '1', '2', 0xA5};
constexpr int kRealisticLatencyMs = 8;

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
    std::vector<uint8_t> rawReport;
    std::minstd_rand random{20170601};

    bool plugged = true;
    int plugGeneration = 0;
    bool failNextRead = false;
    bool emptyReads = false;
    bool silent = false;
    bool holdWrites = false;
    uint16_t release = kRelease;
    int instrumentCount = 1;
    bool reportIdInReads = false;

    int writeCount = 0;
    int pendingWrites = 0;
    int openHandles = 0;
    std::vector<std::string> openedPaths;

    std::vector<uint8_t> NextReport()
    {
        if (!rawReport.empty())
            return rawReport;
        if (!powerPinned)
        {
            std::uniform_real_distribution<float> step(-0.15f, 0.15f);
            const float centre = reference - 12.0f;
            power += step(random) + (centre - power) * 0.05f;
        }
        std::vector<uint8_t> report(kReportSize, 0);
        report[2] = static_cast<uint8_t>(wavelength >> 8);
        report[3] = static_cast<uint8_t>(wavelength & 0xFF);
        PutFloatLittleEndian(&report[4], reference);
        PutFloatLittleEndian(&report[8], power);
        return report;
    }
};

namespace
{
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

    int Read(uint8_t* buffer, size_t size, int timeoutMs) override
    {
        std::unique_lock<std::mutex> lock(m_State->mutex);
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
        for (;;)
        {
            if (Dead())
                return -1;
            if (m_State->failNextRead)
            {
                m_State->failNextRead = false;
                return -1;
            }
            const auto now = Clock::now();
            if (!m_Answers.empty() && m_Answers.front().ready <= now)
                return Deliver(buffer, size);
            if (timeoutMs >= 0 && now >= deadline)
                return 0;
            auto wakeAt = timeoutMs >= 0 ? deadline : Clock::time_point::max();
            if (!m_Answers.empty() && m_Answers.front().ready < wakeAt)
                wakeAt = m_Answers.front().ready;
            if (wakeAt == Clock::time_point::max())
                m_State->changed.wait(lock);
            else
                m_State->changed.wait_until(lock, wakeAt);
        }
    }

    int Write(const uint8_t* data, size_t size) override
    {
        std::unique_lock<std::mutex> lock(m_State->mutex);
        ++m_State->pendingWrites;
        m_State->changed.wait(lock, [this] { return !m_State->holdWrites || Dead(); });
        --m_State->pendingWrites;
        if (Dead())
            return -1;
        ++m_State->writeCount;
        const bool isPoll = size >= sizeof kPollRequest && std::memcmp(data, kPollRequest, sizeof kPollRequest) == 0;
        if (isPoll && !m_State->silent)
        {
            m_Answers.push_back({Clock::now() + m_State->latency, m_State->NextReport()});
            m_State->changed.notify_all();
        }
        return static_cast<int>(size);
    }

private:
    bool Dead() const { return !m_State->plugged || m_Generation != m_State->plugGeneration; }

    int Deliver(uint8_t* buffer, size_t size)
    {
        std::vector<uint8_t> report = std::move(m_Answers.front().report);
        m_Answers.pop_front();
        if (m_State->emptyReads)
            return 0;
        const size_t skip = m_State->reportIdInReads ? 0 : 1;
        const size_t count = std::min(size, report.size() - skip);
        std::memcpy(buffer, report.data() + skip, count);
        return static_cast<int>(count);
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
        devices.push_back({InstrumentPath(i), kVendorId, kProductId, m_State->release});
    return devices;
}

std::unique_ptr<HidDevice> SimulatedInstrument::Open(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_State->mutex);
    bool known = false;
    for (int i = 0; i < m_State->instrumentCount; ++i)
        known = known || path == InstrumentPath(i);
    if (!known || !m_State->plugged)
        return nullptr;
    ++m_State->openHandles;
    m_State->openedPaths.push_back(path);
    return std::make_unique<SimulatedDevice>(m_State);
}

template <typename Change>
static void Update(SimulatedInstrument::State& state, Change change)
{
    std::lock_guard<std::mutex> lock(state.mutex);
    change();
    state.changed.notify_all();
}

void SimulatedInstrument::SetWavelength(uint16_t nm)
{
    Update(*m_State, [&] { m_State->wavelength = nm; });
}

void SimulatedInstrument::SetReference(float dBm)
{
    Update(*m_State, [&] { m_State->reference = dBm; });
}

void SimulatedInstrument::SetPower(float dBm)
{
    Update(*m_State, [&] {
        m_State->power = dBm;
        m_State->powerPinned = true;
    });
}

void SimulatedInstrument::SetRawReport(const std::vector<uint8_t>& report)
{
    Update(*m_State, [&] { m_State->rawReport = report; });
}

void SimulatedInstrument::Unplug()
{
    Update(*m_State, [&] {
        m_State->plugged = false;
        ++m_State->plugGeneration;
    });
}

void SimulatedInstrument::Replug()
{
    Update(*m_State, [&] { m_State->plugged = true; });
}

void SimulatedInstrument::FailNextRead()
{
    Update(*m_State, [&] { m_State->failNextRead = true; });
}

void SimulatedInstrument::SetEmptyReads(bool on)
{
    Update(*m_State, [&] { m_State->emptyReads = on; });
}

void SimulatedInstrument::SetSilent(bool on)
{
    Update(*m_State, [&] { m_State->silent = on; });
}

void SimulatedInstrument::HoldWrites(bool on)
{
    Update(*m_State, [&] { m_State->holdWrites = on; });
}

void SimulatedInstrument::SetRelease(uint16_t release)
{
    Update(*m_State, [&] { m_State->release = release; });
}

void SimulatedInstrument::SetInstrumentCount(int count)
{
    Update(*m_State, [&] { m_State->instrumentCount = count; });
}

void SimulatedInstrument::SetReportIdInReads(bool on)
{
    Update(*m_State, [&] { m_State->reportIdInReads = on; });
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
    return std::make_shared<SimulatedInstrument>(kRealisticLatencyMs);
}
