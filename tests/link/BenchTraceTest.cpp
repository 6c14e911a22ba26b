#include "link/LocalTime.h"
#include "tests/link/VirtualLinkRig.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {
// The instrument answers with the power pinned at -15 dBm, moving by `drift`
// with each answer, against its reference of -3.2 dBm.
void Pin(VirtualLinkRig& rig, float drift = 0.0f)
{
    rig.instrument->SetReference(-3.2f);
    rig.instrument->SetPower(-15.0f);
    rig.instrument->SetDrift(drift);
}
} // namespace

// A reference set on the page holds for its wavelength, with the time it was
// set; the instrument's holds elsewhere and again once the page's is dropped.
TEST(LinkBenchTrace, ReferenceSetOnThePageKeepsItsWavelengthAndTime)
{
    VirtualLinkRig rig;
    Pin(rig);
    rig.trace.Trace();
    rig.Advance(1000);
    const TimedReading reading = *rig.trace.LastReading();
    EXPECT_EQ(rig.trace.References().Of(1550)->source, ReferenceSource::Instrument);
    EXPECT_DOUBLE_EQ(*rig.trace.References().LossOf(reading), double(-3.2f) - double(-15.0f));

    ASSERT_TRUE(rig.trace.SetReference());
    rig.instrument->SetReference(-4.0f); // the page's reference does not follow
    rig.Advance(90000);
    const Reference set = *rig.trace.References().Of(1550);
    EXPECT_EQ(set.source, ReferenceSource::Page);
    EXPECT_FLOAT_EQ(set.dBm, -15.0f);
    EXPECT_EQ(IsoDateTimeText(set.setAt), "2017-06-01T09:05:08"); // a second after the start
    EXPECT_EQ(MillisecondsBetween(set.setAt, rig.trace.Now()), 90000);
    rig.instrument->SetPower(-15.5f);
    rig.Advance(500);
    EXPECT_NEAR(*rig.trace.References().LossOf(*rig.trace.LastReading()), 0.5, 1e-6);

    rig.instrument->SetWavelength(1310);
    rig.Advance(500);
    EXPECT_EQ(rig.trace.References().Of(1310)->source, ReferenceSource::Instrument);
    EXPECT_FLOAT_EQ(rig.trace.References().Of(1310)->dBm, -4.0f);

    // Below the range there is nothing to set; the reference stays.
    rig.instrument->SetWavelength(1550);
    rig.instrument->SetPower(-85.0f);
    rig.Advance(500);
    EXPECT_FALSE(rig.trace.SetReference());
    EXPECT_FLOAT_EQ(rig.trace.References().Of(1550)->dBm, -15.0f);
    EXPECT_FALSE(rig.trace.References().LossOf(*rig.trace.LastReading()));
    rig.trace.UseInstrumentReference();
    EXPECT_EQ(rig.trace.References().Of(1550)->source, ReferenceSource::Instrument);
}

// A one-minute run started at 1 s of a trace that reads every 500 ms, its
// power climbing 0.01 dB an answer: it keeps the readings at 1.5 s to
// 60.5 s, answers 3 to 121, so its drift and spread are 118 steps, 1.18 dB.
// At one reading each 10 s it keeps answers 3, 22, 42, 62, 82 and 102: 0.99 dB.
TEST(LinkBenchTrace, StabilityRunOnTheVirtualClock)
{
    struct Case
    {
        int intervalS;
        double tolerance;
        size_t kept;
        double drift;
        StabilityVerdict verdict;
    };
    const Case cases[] = {
        {0, 1.20, 119, 1.18, StabilityVerdict::Pass},
        {0, 1.10, 119, 1.18, StabilityVerdict::Fail},
        {10, 0.99, 6, 0.99, StabilityVerdict::Pass},
    };
    for (const Case& c : cases) {
        VirtualLinkRig rig;
        Pin(rig, 0.01f);
        rig.trace.Trace();
        rig.Advance(1000);
        ASSERT_TRUE(rig.trace.StartRun({60, c.intervalS, c.tolerance}));
        rig.Advance(59990);
        EXPECT_FALSE(rig.trace.Run()->IsOver());
        rig.Advance(10);
        const CStabilityRun& run = *rig.trace.Run();
        EXPECT_EQ(run.Ending(), RunEnding::Completed);
        EXPECT_EQ(rig.ui.runsEnded, 1);
        EXPECT_EQ(run.Readings().size(), c.kept);
        const std::vector<StabilityResult> results = run.Results();
        ASSERT_EQ(results.size(), 1u);
        EXPECT_NEAR(*results[0].drift, c.drift, 1e-4);
        EXPECT_NEAR(*results[0].statistics.Span(), c.drift, 1e-4);
        EXPECT_EQ(run.Verdict(), c.verdict) << c.intervalS << " s, " << c.tolerance << " dB";
    }
}

// Within its tolerance, a run with a reading below the range fails; one
// stopped or cut short by a lost instrument is incomplete.
TEST(LinkBenchTrace, StabilityRunFailsOnAMarkAndIsIncompleteWhenCutShort)
{
    VirtualLinkRig marked;
    Pin(marked);
    marked.instrument->SetScript({{10, 1550}, {1, 1550, SimulatedPower::Low}, {1, 1550}}, false);
    marked.trace.Trace();
    ASSERT_TRUE(marked.trace.StartRun({60, 0, 5.0}));
    marked.Advance(61000);
    EXPECT_EQ(marked.trace.Run()->Results()[0].statistics.LowCount(), 1);
    EXPECT_EQ(marked.trace.Run()->Verdict(), StabilityVerdict::Fail);

    VirtualLinkRig stopped;
    Pin(stopped);
    EXPECT_FALSE(stopped.trace.StartRun({60, 0, 5.0})); // no trace runs
    stopped.trace.Trace();
    stopped.trace.StartRun({60, 0, 5.0});
    stopped.Advance(30000);
    stopped.trace.Stop();
    EXPECT_EQ(stopped.trace.Run()->Ending(), RunEnding::Stopped);
    EXPECT_EQ(stopped.trace.Run()->EndMs() - stopped.trace.Run()->StartMs(), 30000);
    EXPECT_EQ(stopped.trace.Run()->Verdict(), StabilityVerdict::Incomplete);

    VirtualLinkRig lost;
    Pin(lost);
    lost.trace.Trace();
    lost.trace.StartRun({60, 0, std::nullopt});
    lost.Advance(10000);
    lost.instrument->Unplug();
    lost.Advance(5000);
    EXPECT_EQ(lost.trace.Run()->Ending(), RunEnding::InstrumentLost);
    EXPECT_EQ(lost.ui.runsEnded, 1);
    EXPECT_EQ(lost.trace.Run()->Results()[0].verdict, StabilityVerdict::Incomplete);
}

// The status line's state and reason as the instrument behaves.
TEST(LinkBenchTrace, StatusSaysWhatTheTraceIsDoingAndWhy)
{
    VirtualLinkRig none;
    none.instrument->Unplug();
    none.trace.Trace();
    EXPECT_EQ(none.ui.status.state, LiveState::NoInstrument);
    EXPECT_EQ(none.ui.status.reason, LiveReason::NotListed);
    ASSERT_EQ(none.ui.messages.size(), 1u);
    EXPECT_FALSE(none.ui.messages[0].detail.empty()); // says none was found

    // It answers, but without a wavelength: not in OPM mode; then it measures.
    VirtualLinkRig other;
    other.instrument->SetRawReport(std::vector<uint8_t>(65, 0));
    other.trace.Trace();
    EXPECT_EQ(other.ui.status.reason, LiveReason::NoReadingYet);
    other.Advance(600);
    EXPECT_TRUE(other.ui.status.WrongMode());
    EXPECT_EQ(other.ui.status.state, LiveState::Waiting);
    other.instrument->SetRawReport({});
    other.Advance(500);
    EXPECT_EQ(other.ui.status.state, LiveState::Running);
    EXPECT_FALSE(other.ui.status.WrongMode());

    // Silent for the watchdog's three seconds.
    VirtualLinkRig silent;
    silent.instrument->SetSilent(true);
    silent.trace.Trace();
    silent.Advance(2990);
    EXPECT_EQ(silent.ui.status.reason, LiveReason::NoReadingYet);
    silent.Advance(10);
    EXPECT_EQ(silent.ui.status.reason, LiveReason::NoAnswer);

    // Stop tells how many readings went to which log.
    ScratchFolder folder;
    VirtualLinkRig saved(folder.File("COMData.txt"));
    saved.trace.Trace();
    saved.trace.SetSaving(true);
    saved.Advance(2000);
    saved.trace.Stop();
    EXPECT_EQ(saved.ui.status.state, LiveState::Stopped);
    EXPECT_EQ(saved.ui.status.reason, LiveReason::StoppedByUser);
    EXPECT_EQ(saved.ui.status.logged, 4);
    EXPECT_EQ(saved.ui.status.logPath, folder.File("COMData.txt"));
    // A new trace counts afresh: its log, its readings and their statistics.
    EXPECT_EQ(saved.trace.Statistics().Of(1550)->Count(), 4);
    saved.trace.Trace();
    EXPECT_EQ(saved.ui.status.logged, 0);
    EXPECT_TRUE(saved.trace.History().empty());
    EXPECT_EQ(saved.trace.Statistics().Of(1550), nullptr);
}
