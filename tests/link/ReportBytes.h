#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

// A 65-byte input report as the instrument sends it, report-ID byte first.
inline std::vector<uint8_t> InstrumentReport(uint16_t wavelength, float reference, float power)
{
    std::vector<uint8_t> report(65, 0);
    report[2] = static_cast<uint8_t>(wavelength >> 8);
    report[3] = static_cast<uint8_t>(wavelength);
    uint32_t bits = 0;
    std::memcpy(&bits, &reference, 4);
    for (int i = 0; i < 4; ++i)
        report[4 + i] = static_cast<uint8_t>(bits >> (8 * i));
    std::memcpy(&bits, &power, 4);
    for (int i = 0; i < 4; ++i)
        report[8 + i] = static_cast<uint8_t>(bits >> (8 * i));
    return report;
}
