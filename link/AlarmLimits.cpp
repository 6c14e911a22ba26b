#include "link/AlarmLimits.h"

#include <algorithm>

void CAlarmLimits::Set(uint16_t wavelength, const AlarmLimits& limits)
{
    const auto found = std::find_if(m_Entries.begin(), m_Entries.end(), [wavelength](const Entry& entry) {
        return entry.wavelength == wavelength;
    });
    if (found != m_Entries.end())
        found->limits = limits;
    else
        m_Entries.push_back({wavelength, limits});
}

AlarmLimits CAlarmLimits::Of(uint16_t wavelength) const
{
    for (const Entry& entry : m_Entries)
        if (entry.wavelength == wavelength)
            return entry.limits;
    return {};
}

AlarmLevel CAlarmLimits::Check(const TimedReading& reading) const
{
    const AlarmLimits limits = Of(reading.wavelength);
    const bool ok = reading.state == ReadingState::Ok;
    if (limits.low && (reading.state == ReadingState::Low || (ok && reading.power < *limits.low)))
        return AlarmLevel::BelowLow;
    if (limits.high && (reading.state == ReadingState::High || (ok && reading.power > *limits.high)))
        return AlarmLevel::AboveHigh;
    return AlarmLevel::None;
}
