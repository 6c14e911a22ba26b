#pragma once

#include "link/CLiveTrace.h"
#include "link/LinkClock.h"
#include "link/LinkIo.h"
#include "link/LiveStatus.h"
#include "link/TraceUi.h"
#include "platform/hid/HidTransport.h"
#include "platform/hid/SimulatedInstrument.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// Virtual time: timers fire when the test advances the clock, which starts
// at 2017-06-01 09:05:07.
class VirtualLinkClock : public LinkClock
{
public:
    static constexpr LocalDateTime Start{2017, 6, 1, 9, 5, 7, 0};
    LocalDateTime Now() const override;
    int64_t ElapsedMs() const override { return m_NowMs; }
    void SetTimer(LinkTimer timer, int periodMs) override
    {
        m_Timers[timer] = {periodMs, m_NowMs + periodMs};
    }
    void KillTimer(LinkTimer timer) override { m_Timers.erase(timer); }
    bool IsTimerRunning(LinkTimer timer) const override { return m_Timers.count(timer) != 0; }

    // Moves time on by ms and returns the timers that came due.
    std::vector<LinkTimer> Step(int ms);

private:
    struct Timer
    {
        int period;
        long long due;
    };
    std::map<LinkTimer, Timer> m_Timers;
    long long m_NowMs = 0;
};

// Does the worker's I/O on the test's thread, one read per pump; a write the
// instrument holds stays pending until it is released.
class SyncLinkIo : public LinkIo
{
public:
    explicit SyncLinkIo(SimulatedInstrument& instrument) : m_Instrument(instrument) {}
    void SetEvents(LinkIoEvents& events) { m_Events = &events; }

    void Attach(std::unique_ptr<HidDevice> device) override;
    void Resume() override { m_Running = true; }
    void Pause() override { m_Running = false; }
    bool IsRunning() const override { return m_Running; }
    void Send(const std::vector<uint8_t>& report) override { m_Request = report; }

    void Pump();

private:
    SimulatedInstrument& m_Instrument;
    LinkIoEvents* m_Events = nullptr;
    std::unique_ptr<HidDevice> m_Device;
    bool m_Running = false;
    bool m_Failed = false;
    std::vector<uint8_t> m_Request;
};

// Records what the trace asks of its page.
class RecordingTraceUi : public TraceUi
{
public:
    struct Message
    {
        std::string text, caption, detail;
    };
    void ShowMessage(const std::string& text, const std::string& caption, const std::string& detail) override
    {
        messages.push_back({text, caption, detail});
    }
    void ShowSaveButton(bool enabled, bool checked) override
    {
        saveEnabled = enabled;
        saveChecked = checked;
    }
    void ShowSavePath(const std::string&) override {}
    void RepaintChart() override { ++repaints; }
    void RepaintPage() override { ++repaints; }
    void ShowStatus(const LiveStatus& shown) override { status = shown; }
    void RunEnded() override { ++runsEnded; }

    std::vector<Message> messages;
    LiveStatus status;
    int runsEnded = 0;
    bool saveEnabled = true;
    bool saveChecked = false;
    int repaints = 0;
};

// The live trace against the simulated instrument, in virtual time.
struct VirtualLinkRig
{
    explicit VirtualLinkRig(const std::string& savePath = "unused-COMData.txt");

    // Advances virtual time in 10 ms steps, firing timers and pumping the I/O.
    void Advance(int ms);

    std::shared_ptr<SimulatedInstrument> instrument = std::make_shared<SimulatedInstrument>();
    VirtualLinkClock clock;
    SyncLinkIo io{*instrument};
    RecordingTraceUi ui;
    CLiveTrace trace;
};
