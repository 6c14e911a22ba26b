#include "link/AlarmLimits.h"
#include "link/ReadingStatistics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
TimedReading At(int64_t ms, uint16_t wavelength, float power)
{
    return {ms, power, wavelength, StateOfPower(power)};
}
} // namespace

// Each wavelength keeps its own figures across a change and back; "Low" and
// "High" are counted apart and never enter a figure.
TEST(LinkBench, StatisticsPerWavelengthLeaveLowAndHighOut)
{
    CWavelengthStatistics statistics;
    for (const TimedReading& reading :
         {At(0, 1550, -10.0f), At(500, 1550, -12.0f), At(1000, 1550, -85.0f), At(1500, 1550, -11.0f),
          At(2000, 1310, -20.0f), At(2500, 1310, 30.0f), At(3000, 1310, -19.0f), At(3500, 1550, -13.0f)})
        statistics.Add(reading);
    EXPECT_EQ(statistics.Wavelengths(), (std::vector<uint16_t>{1550, 1310}));

    // 1550 nm: -10, -12, -11, -13; mean -11.5, deviations 1.5, -0.5, 0.5,
    // -1.5, squares summing to 5, over 3: the variance 5/3.
    const CReadingStatistics& at1550 = *statistics.Of(1550);
    EXPECT_EQ(at1550.Count(), 4);
    EXPECT_EQ(at1550.LowCount(), 1);
    EXPECT_EQ(at1550.HighCount(), 0);
    EXPECT_FLOAT_EQ(at1550.Minimum()->power, -13.0f);
    EXPECT_EQ(at1550.Minimum()->atMs, 3500);
    EXPECT_FLOAT_EQ(at1550.Maximum()->power, -10.0f);
    EXPECT_EQ(at1550.Maximum()->atMs, 0);
    EXPECT_DOUBLE_EQ(*at1550.Average(), -11.5);
    EXPECT_NEAR(*at1550.StdDeviation(), std::sqrt(5.0 / 3.0), 1e-12);
    EXPECT_DOUBLE_EQ(*at1550.Span(), 3.0);
    EXPECT_EQ(*at1550.FirstMs(), 0);
    EXPECT_EQ(*at1550.LastMs(), 3500);

    // 1310 nm: -20 and -19, the saturated reading between them left out.
    const CReadingStatistics& at1310 = *statistics.Of(1310);
    EXPECT_EQ(at1310.Count(), 2);
    EXPECT_EQ(at1310.HighCount(), 1);
    EXPECT_DOUBLE_EQ(*at1310.Average(), -19.5);
    EXPECT_NEAR(*at1310.StdDeviation(), std::sqrt(0.5), 1e-12);
    EXPECT_FLOAT_EQ(at1310.Minimum()->power, -20.0f);
    EXPECT_EQ(at1310.Minimum()->atMs, 2000);

    // Only marks: no figure at all, and none after a reset.
    CReadingStatistics marks;
    marks.Add(At(0, 1550, -85.0f));
    marks.Add(At(500, 1550, std::nanf("")));
    EXPECT_EQ(marks.LowCount(), 2);
    EXPECT_FALSE(marks.Minimum() || marks.Average() || marks.StdDeviation() || marks.Span());
    statistics.Reset();
    EXPECT_EQ(statistics.Of(1550), nullptr);
}

TEST(LinkBench, AlarmsCompareTheReadingWithItsWavelengthsLimits)
{
    CAlarmLimits alarms;
    alarms.Set(1550, {-20.0f, -5.0f});
    alarms.Set(1310, {std::nullopt, -8.0f});
    struct Case
    {
        TimedReading reading;
        AlarmLevel expected;
    };
    const Case cases[] = {
        {At(0, 1550, -12.0f), AlarmLevel::None},      {At(0, 1550, -20.0f), AlarmLevel::None},
        {At(0, 1550, -20.01f), AlarmLevel::BelowLow}, {At(0, 1550, -4.99f), AlarmLevel::AboveHigh},
        {At(0, 1550, -85.0f), AlarmLevel::BelowLow},  {At(0, 1550, 30.0f), AlarmLevel::AboveHigh},
        {At(0, 1310, -85.0f), AlarmLevel::None}, // no low limit at 1310 nm
        {At(0, 1310, -7.0f), AlarmLevel::AboveHigh},  {At(0, 1490, 30.0f), AlarmLevel::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(alarms.Check(c.reading), c.expected) << c.reading.wavelength << " nm " << c.reading.power;
}
