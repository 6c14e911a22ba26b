#include "ReportDecoder.h"
#include "ReportBytes.h"

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
