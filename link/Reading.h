#pragma once

#include <cstdint>

// What a power reading is as a measurement: a number within the
// instrument's range, or a mark that it was below the range ("Low") or
// saturated ("High"), which is never taken as a number.
enum class ReadingState : uint8_t
{
    Ok,
    Low,
    High
};

// "Low" at or below -79.9 dBm (or no number at all), "High" above 28.9 dBm.
// The single-precision value is compared against the double limits.
ReadingState StateOfPower(float power);

// "OK", "Low" or "High", as the CSV log names them.
const char* ReadingStateName(ReadingState state);

// One reading of the live trace, at `atMs` on the trace's steady clock.
// Small, since a day of readings is kept whole.
struct TimedReading
{
    int64_t atMs = 0;
    float power = 0.0f; // dBm, as the instrument sent it
    uint16_t wavelength = 0;
    ReadingState state = ReadingState::Ok;
};
