#include "link/LinkIoThread.h"
#include "link/CLiveLink.h"
#include "platform/hid/SimulatedInstrument.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {
// Counts the worker's events; they arrive on the worker thread.
struct CountingEvents : LinkIoEvents
{
    void OnReportRead(const uint8_t*, size_t size) override
    {
        lastSize = static_cast<int>(size);
        ++reports;
    }
    void OnReadError() override { ++readErrors; }
    void OnWriteDone(bool written) override { written ? ++writes : ++failedWrites; }

    std::atomic<int> reports{0};
    std::atomic<int> lastSize{0};
    std::atomic<int> readErrors{0};
    std::atomic<int> writes{0};
    std::atomic<int> failedWrites{0};
};

template <typename Condition> bool WaitFor(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

const std::vector<uint8_t> Poll = CLiveLink::PollRequest();

std::unique_ptr<HidDevice> OpenInstrument(SimulatedInstrument& instrument)
{
    std::unique_ptr<HidDevice> device;
    EXPECT_TRUE(instrument.Open(SimulatedInstrument::InstrumentPath(0), device).Ok());
    return device;
}
} // namespace

// Only while running; reads that time out while nothing is asked are no
// errors, and an unplugged device gives one and waits for a new device.
TEST(LinkThread, SendsRequestsAndReadsTheAnswersWhileRunningUntilUnplugged)
{
    SimulatedInstrument instrument(5);
    CountingEvents events;
    LinkIoThread io(events, 20);
    io.Attach(OpenInstrument(instrument));
    io.Send(Poll);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(instrument.WriteCount(), 0); // paused: no I/O

    io.Resume();
    ASSERT_TRUE(WaitFor([&] { return events.reports == 1; }));
    EXPECT_EQ(events.writes, 1);
    EXPECT_EQ(events.lastSize, 64); // hidapi style: no report-ID byte
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(events.readErrors, 0);
    EXPECT_EQ(events.reports, 1);

    // Unplugged: one read error, then nothing until a new device comes.
    instrument.Unplug();
    ASSERT_TRUE(WaitFor([&] { return events.readErrors == 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(events.readErrors, 1);
    instrument.Replug();
    io.Attach(OpenInstrument(instrument));
    io.Send(Poll);
    ASSERT_TRUE(WaitFor([&] { return events.reports == 2; }));
}

TEST(LinkThread, ReplacedDeviceIsClosedOnlyAfterItsPendingWrite)
{
    SimulatedInstrument instrument(0);
    CountingEvents events;
    {
        LinkIoThread io(events, 20);
        io.Attach(OpenInstrument(instrument));
        io.Resume();
        instrument.HoldWrites(true);
        io.Send(Poll);
        ASSERT_TRUE(WaitFor([&] { return instrument.PendingWriteCount() == 1; }));
        io.Attach(OpenInstrument(instrument));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(instrument.OpenHandleCount(), 2); // the old one is still in use
        instrument.HoldWrites(false);
        ASSERT_TRUE(WaitFor([&] { return instrument.OpenHandleCount() == 1; }));
        EXPECT_EQ(events.writes, 1);
    }
    EXPECT_EQ(instrument.OpenHandleCount(), 0);
}
