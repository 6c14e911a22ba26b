#include "link/ReportDecoder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
// A 65-byte input report as the instrument sends it, report-ID byte first:
// the wavelength big-endian at byte 2, then two little-endian floats.
std::vector<uint8_t> InstrumentReport(uint16_t wavelength, float reference, float power)
{
    std::vector<uint8_t> report(65, 0);
    report[2] = static_cast<uint8_t>(wavelength >> 8);
    report[3] = static_cast<uint8_t>(wavelength);
    for (const auto& [offset, value] : {std::pair{4, reference}, std::pair{8, power}}) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, 4);
        for (int i = 0; i < 4; ++i)
            report[static_cast<size_t>(offset) + static_cast<size_t>(i)] =
                static_cast<uint8_t>(bits >> (8 * i));
    }
    return report;
}
} // namespace

// hidapi hands the report with its ID byte on some systems and without it on
// others: a shorter report has every field one byte earlier.
TEST(LinkDecoder, ReportsWithAndWithoutTheirIdByte)
{
    const std::vector<uint8_t> full = InstrumentReport(0x060E, -3.2f, -12.34f);
    for (size_t idBytes : {0, 1}) {
        const auto reading = DecodeReport(full.data() + 1 - idBytes, full.size() - 1 + idBytes);
        ASSERT_TRUE(reading) << idBytes;
        EXPECT_EQ(reading->wavelength, 1550);
        EXPECT_EQ(reading->reference, -3.2f);
        EXPECT_EQ(reading->power, -12.34f);
    }
    EXPECT_FALSE(DecodeReport(full.data() + 1, 10)); // too short for the fields
    EXPECT_TRUE(DecodeReport(full.data() + 1, 11));
    EXPECT_FALSE(DecodeReport(nullptr, 0));
}
