#pragma once

#include "data/ByteSpan.h"
#include "data/CDataStore.h"
#include "data/Results.h"

#include <string>
#include <vector>

// A power trace recorded by the instrument: the texts the TRACE page shows and
// the values it plots.
struct TraceFileContents
{
    std::string recordCount; // "%d" of the sample count
    std::string reference;   // "%.2f"
    std::string minimum;     // by the statistics display rule ("Low", "High", "%.2f")
    std::string maximum;
    std::string average;    // "N/A" for a trace without samples
    std::string waveLength; // "%d"
    std::string start;      // "YYYY-MM-DD hh:mm:ss"
    std::string end;
    float averageValue = 0.0f;
    int sampleCount = 0;
    // The reference level first, then the samples, each rounded through "%.2f".
    std::vector<float> plotValues;
};

struct TraceReadOutcome
{
    DecodeResult result = DecodeResult::CannotOpen;
    TraceFileContents contents;
};

// A recorded trace's bytes (LoadFile reads them): checks the mark and the
// length, computes the statistics and decodes the samples. On success the
// store's trace values are replaced by plotValues; on any failure nothing
// changes.
TraceReadOutcome ReadTraceBytes(ByteSpan bytes, CDataStore& store);

// What the page shows for trace values without their file (a trace
// document): the reference level first, then the samples; no wavelength and
// no times.
TraceFileContents TraceContentsOfValues(const std::vector<float>& values);

// The statistics display rule: below -79.9 "Low", above 28.9 "High",
// otherwise "%.2f".
std::string TraceStatisticText(float value);

// The minimum, maximum and average of the samples by that rule; a trace
// without samples shows 0.00, 0.00 and "N/A".
void SetTraceStatistics(TraceFileContents& contents, const float* samples, size_t count);

constexpr size_t TraceHeaderSize = 28;
constexpr uint32_t TraceMark = 165;

// A whole header with the mark 165 at bytes 24-27.
bool HasTraceMark(ByteSpan bytes);
