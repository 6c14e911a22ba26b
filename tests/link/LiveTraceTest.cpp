#include "platform/hid/HidAccessHint.h"
#include "tests/link/VirtualLinkRig.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {
const std::string LostText = "Please power on and correctly set the USB mode";

// The detail of the one message that Trace gave when every open of the
// listed instrument failed with error. The trace stays started but polls
// nothing.
std::string DetailOfTraceFailed(std::errc error)
{
    VirtualLinkRig rig;
    rig.instrument->FailOpens(error);
    rig.trace.Trace();
    rig.Advance(2000);
    EXPECT_TRUE(rig.trace.TraceStarted() && rig.clock.IsTimerRunning(LinkTimer::Poll));
    EXPECT_FALSE(rig.trace.Link().DataInSending());
    EXPECT_EQ(rig.instrument->WriteCount(), 0);
    EXPECT_EQ(rig.ui.messages.size(), 1u);
    if (rig.ui.messages.empty())
        return {};
    EXPECT_EQ(rig.ui.messages[0].text, "Trace Failed");
    EXPECT_EQ(rig.ui.messages[0].caption, ""); // the application's title
    return rig.ui.messages[0].detail;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
} // namespace

TEST(LinkLive, PollsEvery500msWithOneRequestInFlightAndRediscoversAfterAReadError)
{
    VirtualLinkRig rig;
    rig.trace.Trace();
    rig.Advance(2990);
    EXPECT_EQ(rig.instrument->WriteCount(), 5); // at 500, 1000, ... 2500 ms
    EXPECT_EQ(rig.trace.Acquisition().TraceWaveLength(), "1550");
    // Each report restarts the 3 s watchdog: while reports flow, the
    // instrument is never looked for again.
    const size_t opened = rig.instrument->OpenedPaths().size();
    rig.Advance(7000);
    EXPECT_EQ(rig.instrument->OpenedPaths().size(), opened);

    rig.instrument->HoldWrites(true);
    rig.Advance(2000);
    EXPECT_TRUE(rig.trace.Link().DataInSending());
    const int held = rig.instrument->WriteCount();
    rig.Advance(5000); // the held request keeps every later tick out
    EXPECT_EQ(rig.instrument->WriteCount(), held);
    rig.instrument->HoldWrites(false);
    rig.Advance(10);
    EXPECT_EQ(rig.instrument->WriteCount(), held + 1);
    EXPECT_FALSE(rig.trace.Link().DataInSending());

    // A read error rediscovers the instrument at once, and polling goes on.
    const size_t opens = rig.instrument->OpenedPaths().size();
    rig.instrument->FailNextRead();
    rig.Advance(10);
    EXPECT_EQ(rig.instrument->OpenedPaths().size(), opens + 1);
    EXPECT_EQ(rig.instrument->OpenHandleCount(), 1);
    const int written = rig.instrument->WriteCount();
    rig.Advance(1000);
    EXPECT_GT(rig.instrument->WriteCount(), written);
    EXPECT_TRUE(rig.ui.messages.empty());
}

TEST(LinkLive, SecondTraceResumesStopPausesAndUnpluggingStops)
{
    VirtualLinkRig rig;
    rig.trace.Trace();
    rig.Advance(1200);
    rig.trace.SetSaving(true);
    rig.trace.Trace();
    EXPECT_TRUE(rig.trace.Saving()); // nothing was reset
    EXPECT_TRUE(rig.clock.IsTimerRunning(LinkTimer::Poll));

    rig.trace.Stop();
    EXPECT_FALSE(rig.trace.TraceStarted() || rig.trace.Link().Tracing() || rig.io.IsRunning());
    EXPECT_FALSE(rig.ui.saveEnabled || rig.ui.saveChecked);
    EXPECT_FALSE(rig.clock.IsTimerRunning(LinkTimer::Poll));
    EXPECT_TRUE(rig.clock.IsTimerRunning(LinkTimer::Watchdog));
    const int written = rig.instrument->WriteCount();
    rig.Advance(5000); // the instrument is still there: no message
    EXPECT_EQ(rig.instrument->WriteCount(), written);
    EXPECT_TRUE(rig.ui.messages.empty());

    rig.trace.Trace(); // one press resumes
    rig.Advance(600);
    EXPECT_GT(rig.instrument->WriteCount(), written);

    // Unplugging stops the trace; after replugging one press resumes it.
    rig.trace.SetSaving(true);
    rig.instrument->Unplug();
    rig.Advance(3500);
    ASSERT_EQ(rig.ui.messages.size(), 1u);
    EXPECT_EQ(rig.ui.messages[0].text, LostText);
    EXPECT_EQ(rig.ui.messages[0].caption, "Note");
    EXPECT_FALSE(rig.clock.IsTimerRunning(LinkTimer::Poll) || rig.clock.IsTimerRunning(LinkTimer::Watchdog));
    EXPECT_FALSE(rig.io.IsRunning() || rig.trace.TraceStarted() || rig.trace.Acquisition().SaveStarted());
    EXPECT_FALSE(rig.ui.saveEnabled || rig.ui.saveChecked);
    EXPECT_EQ(rig.instrument->OpenHandleCount(), 0);

    rig.Advance(10000); // no more messages while lost
    EXPECT_EQ(rig.ui.messages.size(), 1u);

    rig.instrument->Replug();
    rig.trace.Trace();
    EXPECT_TRUE(rig.io.IsRunning() && rig.trace.TraceStarted());
    const int replugged = rig.instrument->WriteCount();
    rig.Advance(1000);
    EXPECT_GT(rig.instrument->WriteCount(), replugged);
    EXPECT_EQ(rig.instrument->OpenHandleCount(), 1);
}

// The first of two instruments is opened, once; another release is not the
// instrument, and Trace then starts nothing.
TEST(LinkLive, DiscoveryOpensTheFirstInstrumentOfItsReleaseOnlyAndASilentOneIsNotLost)
{
    VirtualLinkRig two;
    two.instrument->SetInstrumentCount(2);
    two.trace.Trace();
    ASSERT_FALSE(two.instrument->OpenedPaths().empty());
    for (const std::string& path : two.instrument->OpenedPaths())
        EXPECT_EQ(path, SimulatedInstrument::InstrumentPath(0));
    EXPECT_EQ(two.instrument->OpenHandleCount(), 1);

    VirtualLinkRig other;
    other.instrument->SetRelease(0x0100);
    other.trace.Trace();
    ASSERT_EQ(other.ui.messages.size(), 1u);
    EXPECT_EQ(other.ui.messages[0].text, "Please config USB to Communication Mode");
    EXPECT_EQ(other.ui.messages[0].caption, ""); // the application's title
    EXPECT_FALSE(other.trace.TraceStarted() || other.io.IsRunning());
    EXPECT_FALSE(other.clock.IsTimerRunning(LinkTimer::Poll));

    // One that never answers is never reported lost.
    VirtualLinkRig silent;
    silent.instrument->SetSilent(true);
    silent.trace.Trace();
    silent.Advance(20000);
    EXPECT_FALSE(silent.trace.Link().DataSeen());
    EXPECT_FALSE(silent.clock.IsTimerRunning(LinkTimer::Watchdog));
    silent.instrument->Unplug();
    silent.Advance(20000);
    EXPECT_TRUE(silent.ui.messages.empty());
}

TEST(LinkLive, TraceFailedSaysWhetherTheInstrumentIsGoneForbiddenOrFailing)
{
    const std::string forbidden = DetailOfTraceFailed(std::errc::permission_denied);
    EXPECT_EQ(DetailOfTraceFailed(std::errc::operation_not_permitted), forbidden);
    EXPECT_TRUE(Contains(forbidden, "may not open")) << forbidden;
    EXPECT_TRUE(Contains(forbidden, HidAccessHint())) << forbidden;

    const std::string gone = DetailOfTraceFailed(std::errc::no_such_device);
    EXPECT_TRUE(Contains(gone, "No instrument")) << gone;

    // Any other failure is told in the system's own words.
    const std::string reason = std::make_error_code(std::errc::io_error).message();
    const std::string failing = DetailOfTraceFailed(std::errc::io_error);
    EXPECT_TRUE(Contains(failing, reason)) << failing;
    EXPECT_FALSE(Contains(gone, reason) || Contains(forbidden, reason));
}

TEST(LinkLive, UnwritableLogIsToldAndReleasesStartToSave)
{
    ScratchFolder folder;
    VirtualLinkRig rig(folder.Path()); // a folder, not a file
    rig.trace.Trace();
    rig.trace.SetSaving(true);
    rig.Advance(3000);
    ASSERT_EQ(rig.ui.messages.size(), 1u);
    EXPECT_TRUE(Contains(rig.ui.messages[0].text, folder.Path()));
    // Released, so the button no longer says "Saving..." while nothing is
    // saved; it stays enabled for another try.
    EXPECT_FALSE(rig.trace.Saving());
    EXPECT_FALSE(rig.ui.saveChecked);
    EXPECT_TRUE(rig.ui.saveEnabled);
    EXPECT_GT(rig.trace.Acquisition().TraceSeries().size(), 1u); // the trace went on
    EXPECT_TRUE(rig.trace.TraceStarted());

    // Pressing it again tries again, and is told again.
    rig.trace.SetSaving(true);
    rig.Advance(3000);
    ASSERT_EQ(rig.ui.messages.size(), 2u);
    EXPECT_EQ(rig.ui.messages[1].text, rig.ui.messages[0].text);
    EXPECT_FALSE(rig.ui.saveChecked);
}
