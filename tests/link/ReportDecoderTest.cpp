#include "LogPath.h"
#include "ReportBytes.h"
#include "ReportDecoder.h"
#include "TraceText.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(LinkDecoder, WavelengthIsBigEndianAndFloatsLittleEndian)
{
    std::vector<uint8_t> report = InstrumentReport(0, -3.2f, -12.34f);
    report[2] = 0x06;
    report[3] = 0x0E;
    const auto reading = DecodeReport(report.data(), report.size());
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->wavelength, 0x06 * 256 + 0x0E);
    EXPECT_EQ(reading->reference, -3.2f);
    EXPECT_EQ(reading->power, -12.34f);
}

TEST(LinkDecoder, ReportWithoutItsIdByteIsShiftedByOne)
{
    const std::vector<uint8_t> full = InstrumentReport(1310, 1.5f, -40.25f);
    const auto withId = DecodeReport(full.data(), full.size());
    const auto withoutId = DecodeReport(full.data() + 1, full.size() - 1);
    ASSERT_TRUE(withId && withoutId);
    EXPECT_EQ(withoutId->wavelength, 1310);
    EXPECT_EQ(withoutId->reference, withId->reference);
    EXPECT_EQ(withoutId->power, withId->power);
}

TEST(LinkDecoder, ReportTooShortForTheFieldsIsRejected)
{
    const std::vector<uint8_t> full = InstrumentReport(1550, 0.0f, 0.0f);
    EXPECT_FALSE(DecodeReport(full.data() + 1, 10));
    EXPECT_TRUE(DecodeReport(full.data() + 1, 11));
    EXPECT_FALSE(DecodeReport(nullptr, 0));
}

TEST(LinkText, PowerLimitsCompareTheFloatWithTheDoubleLimits)
{
    EXPECT_EQ(PowerText(-79.9f), "Low"); // the float lies just below -79.9
    EXPECT_EQ(PowerText(-80.5f), "Low");
    EXPECT_EQ(PowerText(-79.8f), "-79.80");
    EXPECT_EQ(PowerText(28.9f), "28.90"); // the float lies just below 28.9
    EXPECT_EQ(PowerText(29.0f), "High");
    EXPECT_EQ(PowerText(-12.345f), "-12.35");
}

TEST(LinkLogPath, FolderGetsTheSeparatorAndTheLogName)
{
    const std::string separator(1, QDir::separator().toLatin1());
    EXPECT_EQ(LogPathInFolder("logs"), "logs" + separator + "COMData.txt");
    // A root keeps its own separator and gets one more, which still opens.
    EXPECT_EQ(LogPathInFolder(separator), separator + separator + "COMData.txt");
#ifdef Q_OS_WIN
    EXPECT_EQ(DefaultLogPath(), "C:\\COMData.txt");
#else
    const std::string home = QDir::toNativeSeparators(QDir::homePath()).toStdString();
    EXPECT_EQ(DefaultLogPath(), home + separator + "COMData.txt");
#endif
}
