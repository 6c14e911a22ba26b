#include "link/ReadingStatistics.h"

#include <algorithm>
#include <cmath>

void CReadingStatistics::Add(const TimedReading& reading)
{
    if (!m_FirstMs)
        m_FirstMs = reading.atMs;
    m_LastMs = reading.atMs;
    if (reading.state == ReadingState::Low) {
        ++m_LowCount;
        return;
    }
    if (reading.state == ReadingState::High) {
        ++m_HighCount;
        return;
    }
    const Extreme here{reading.power, reading.atMs};
    if (m_Count == 0)
        m_Minimum = m_Maximum = m_First = here;
    if (reading.power < m_Minimum.power)
        m_Minimum = here;
    if (reading.power > m_Maximum.power)
        m_Maximum = here;
    m_Last = here;
    ++m_Count;
    const double delta = reading.power - m_Mean;
    m_Mean += delta / static_cast<double>(m_Count);
    m_SquaredDeviations += delta * (reading.power - m_Mean);
}

std::optional<CReadingStatistics::Extreme> CReadingStatistics::Figure(const Extreme& value) const
{
    if (m_Count == 0)
        return std::nullopt;
    return value;
}

std::optional<double> CReadingStatistics::Average() const
{
    if (m_Count == 0)
        return std::nullopt;
    return m_Mean;
}

std::optional<double> CReadingStatistics::StdDeviation() const
{
    if (m_Count == 0)
        return std::nullopt;
    if (m_Count == 1)
        return 0.0;
    return std::sqrt(std::max(0.0, m_SquaredDeviations) / static_cast<double>(m_Count - 1));
}

std::optional<double> CReadingStatistics::Span() const
{
    if (m_Count == 0)
        return std::nullopt;
    return double(m_Maximum.power) - double(m_Minimum.power);
}

void CWavelengthStatistics::Add(const TimedReading& reading)
{
    const auto found = std::find_if(m_Entries.begin(), m_Entries.end(), [&](const Entry& entry) {
        return entry.wavelength == reading.wavelength;
    });
    if (found != m_Entries.end()) {
        found->statistics.Add(reading);
        return;
    }
    m_Entries.push_back({reading.wavelength, {}});
    m_Entries.back().statistics.Add(reading);
}

const CReadingStatistics* CWavelengthStatistics::Of(uint16_t wavelength) const
{
    for (const Entry& entry : m_Entries)
        if (entry.wavelength == wavelength)
            return &entry.statistics;
    return nullptr;
}

std::vector<uint16_t> CWavelengthStatistics::Wavelengths() const
{
    std::vector<uint16_t> wavelengths;
    for (const Entry& entry : m_Entries)
        wavelengths.push_back(entry.wavelength);
    return wavelengths;
}
