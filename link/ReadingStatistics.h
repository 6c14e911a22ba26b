#pragma once

#include "link/Reading.h"

#include <cstdint>
#include <optional>
#include <vector>

// The readings of one wavelength summed up as the bench shows them: how
// many had a number, the lowest and the highest with when each came, the
// average, the standard deviation and the spread. "Low" and "High" readings
// are counted apart and never enter a figure as numbers.
class CReadingStatistics
{
public:
    struct Extreme
    {
        float power; // dBm
        int64_t atMs;
    };

    void Add(const TimedReading& reading);

    int64_t Count() const { return m_Count; } // readings with a number
    int64_t LowCount() const { return m_LowCount; }
    int64_t HighCount() const { return m_HighCount; }
    // The first and the last reading added, of any state; nothing before one.
    std::optional<int64_t> FirstMs() const { return m_FirstMs; }
    std::optional<int64_t> LastMs() const { return m_LastMs; }

    // Nothing while no reading had a number. The first of equal extremes
    // keeps its time.
    std::optional<Extreme> Minimum() const { return Figure(m_Minimum); }
    std::optional<Extreme> Maximum() const { return Figure(m_Maximum); }
    std::optional<Extreme> First() const { return Figure(m_First); }
    std::optional<Extreme> Last() const { return Figure(m_Last); }
    std::optional<double> Average() const;
    // Of the sample (divided by count - 1); 0 for a single reading.
    std::optional<double> StdDeviation() const;
    std::optional<double> Span() const; // maximum - minimum

private:
    std::optional<Extreme> Figure(const Extreme& value) const;

    int64_t m_Count = 0;
    int64_t m_LowCount = 0;
    int64_t m_HighCount = 0;
    std::optional<int64_t> m_FirstMs, m_LastMs;
    Extreme m_Minimum{}, m_Maximum{}, m_First{}, m_Last{};
    // Welford's running mean and sum of squared deviations: steady over a
    // day of readings that differ in the third decimal.
    double m_Mean = 0.0;
    double m_SquaredDeviations = 0.0;
};

// The statistics of every wavelength a trace has read, each its own: a
// reading at one wavelength leaves the others' as they were.
class CWavelengthStatistics
{
public:
    void Add(const TimedReading& reading);
    void Reset() { m_Entries.clear(); }

    // Nothing for a wavelength without readings since the last reset.
    const CReadingStatistics* Of(uint16_t wavelength) const;
    // In the order of their first readings.
    std::vector<uint16_t> Wavelengths() const;

private:
    struct Entry
    {
        uint16_t wavelength;
        CReadingStatistics statistics;
    };
    std::vector<Entry> m_Entries; // a handful: one per wavelength the source sends
};
