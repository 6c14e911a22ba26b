#pragma once

#include "link/Reading.h"

#include <cstdint>
#include <optional>
#include <vector>

// A wavelength's alarm limits on the power, in dBm; either may be unset.
struct AlarmLimits
{
    std::optional<float> low;
    std::optional<float> high;
};

// Where a reading lies against its wavelength's limits. A "Low" reading is
// below any low limit and a "High" one above any high limit.
enum class AlarmLevel : uint8_t
{
    None,
    BelowLow,  // shown amber
    AboveHigh, // shown red
};

class CAlarmLimits
{
public:
    void Set(uint16_t wavelength, const AlarmLimits& limits);
    AlarmLimits Of(uint16_t wavelength) const; // unset limits when none were set
    AlarmLevel Check(const TimedReading& reading) const;

    struct Entry
    {
        uint16_t wavelength;
        AlarmLimits limits;
    };
    const std::vector<Entry>& Entries() const { return m_Entries; }

private:
    std::vector<Entry> m_Entries;
};
