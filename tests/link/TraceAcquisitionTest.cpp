#include "link/CTraceAcquisition.h"
#include "tests/support/ScratchFolder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
std::string Stamp(const LocalDateTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "\t%4d-%02d-%02d  %02d:%02d:%02d\r\n", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

std::string Header(const std::string& wavelength, const std::string& reference)
{
    return "\r\n" + wavelength + "nmRef.=" + reference + "dBm\r\n";
}

struct LinkAcquisition : ::testing::Test
{
    ScratchFolder folder;
    std::string path = folder.File("COMData.txt");
    CTraceAcquisition acquisition{path};
    LocalDateTime first{2017, 6, 1, 9, 5, 7};
    LocalDateTime second{2017, 6, 1, 9, 5, 8};
};
} // namespace

// Lines are appended to what earlier runs wrote, each reason for a header
// gives one, and nothing else does.
TEST_F(LinkAcquisition, HeaderIsWrittenAfterEachReasonAndOnlyThen)
{
    WriteBytes(path, "earlier run\r\n");
    acquisition.HandleReading({1550, -3.2f, -40.0f}, false, first); // before saving: nothing logged
    acquisition.SetSaveStarted(true);
    acquisition.HandleReading({1550, -3.2f, -12.34f}, true, first);  // header: saving started
    acquisition.HandleReading({1550, -3.2f, -12.35f}, true, second); // none
    acquisition.HandleReading({1550, -4.0f, -10.0f}, true, first);   // reference changed
    acquisition.HandleReading({1310, -4.0f, -10.0f}, true, first);   // wavelength changed
    acquisition.SetSavePath(path);
    acquisition.HandleReading({1310, -4.0f, -10.0f}, true, first); // folder chosen
    acquisition.SetSaveStarted(false);
    acquisition.SetSaveStarted(true); // out and in again
    acquisition.HandleReading({1310, -4.0f, -10.0f}, true, first);
    const std::string line = "-10.00" + Stamp(first);
    EXPECT_EQ(ReadBytes(path), "earlier run\r\n" + Header("1550", "-3.20") + "-12.34" + Stamp(first) +
                                   "-12.35" + Stamp(second) + Header("1550", "-4.00") + line +
                                   Header("1310", "-4.00") + line + Header("1310", "-4.00") + line +
                                   Header("1310", "-4.00") + line);
}

TEST_F(LinkAcquisition, LowAndHighAreLoggedButTheSeriesKeepsTheRawPower)
{
    acquisition.HandleReading({1550, 0.0f, 0.0f}, false, first); // the first wavelength restarts the series
    acquisition.HandleReading({1550, 0.0f, -85.0f}, true, first);
    acquisition.HandleReading({1550, 0.0f, 29.0f}, true, first);
    EXPECT_EQ(acquisition.TracePower(), "High");
    EXPECT_EQ(acquisition.TraceSeries(), (std::vector<float>{-85.0f, 29.0f}));
    EXPECT_EQ(ReadBytes(path), Header("1550", "0.00") + "Low" + Stamp(first) + "High" + Stamp(first));
}

TEST_F(LinkAcquisition, SeriesHoldsAtMost239SamplesAndRestartsOnTheNext)
{
    acquisition.HandleReading({1550, 0.0f, 0.0f}, false, first); // dropped with the new wavelength
    for (size_t i = 0; i + 1 < CTraceAcquisition::SeriesLimit; ++i)
        EXPECT_FALSE(acquisition.HandleReading({1550, 0.0f, float(i)}, false, first).repaintPage);
    EXPECT_EQ(acquisition.TraceSeries().size(), 239u);
    EXPECT_TRUE(acquisition.HandleReading({1550, 0.0f, 1.0f}, false, first).repaintPage);
    EXPECT_TRUE(acquisition.TraceSeries().empty());
}

// A reading without a wavelength changes nothing; a new wavelength empties the
// series at once, or when saving with the next reading, since the log takes
// the change first and the chart still shows the reading that brought it.
TEST_F(LinkAcquisition, NewWavelengthEmptiesTheSeriesAtOnceOrWithTheNextReadingWhenSaving)
{
    acquisition.SetSaveStarted(true);
    EXPECT_FALSE(acquisition.HandleReading({0, -3.0f, -10.0f}, true, first).handled);
    EXPECT_EQ(acquisition.TraceWaveLength() + acquisition.TracePower(), "");
    EXPECT_FALSE(std::filesystem::exists(path));
    acquisition.SetSaveStarted(false);

    acquisition.HandleReading({1550, 0.0f, 0.0f}, false, first);
    acquisition.HandleReading({1550, 0.0f, 1.0f}, false, first);
    acquisition.HandleReading({1310, 0.0f, 2.0f}, false, first);
    EXPECT_TRUE(acquisition.TraceSeries().empty());
    acquisition.HandleReading({1310, 0.0f, 3.0f}, true, first);
    EXPECT_EQ(acquisition.TraceSeries(), (std::vector<float>{3.0f}));
    acquisition.HandleReading({1550, 0.0f, 4.0f}, true, first);
    EXPECT_EQ(acquisition.TraceSeries(), (std::vector<float>{3.0f, 4.0f}));
    acquisition.HandleReading({0, 0.0f, 9.0f}, true, first);
    EXPECT_EQ(acquisition.TraceSeries(), (std::vector<float>{3.0f, 4.0f}));
    acquisition.HandleReading({1550, 0.0f, 5.0f}, true, first);
    EXPECT_EQ(acquisition.TraceSeries(), (std::vector<float>{5.0f}));
}
