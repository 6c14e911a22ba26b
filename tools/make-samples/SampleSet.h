#pragma once

#include "tools/make-samples/ResultFileEncoder.h"

#include <cstddef>
#include <vector>

// Plausible synthetic measurements: cables "CAB-01", "CAB-02", ..., fibers
// "F001", ...; losses 0.2-3 dB, references -3 to -10 dBm, dates in 2026. The
// same count always gives the same values.

std::vector<OpmReading> SampleOpmReadings(size_t count);
std::vector<OrlReading> SampleOrlReadings(size_t count);
// fibersPerCable consecutive results share a cable name.
std::vector<LossTestResult> SampleLossTests(size_t count, size_t fibersPerCable);
TraceRecording SampleTrace(size_t sampleCount);

extern const uint16_t ThreeWaveLengths[3]; // 1310, 1490, 1550
extern const uint16_t TwoWaveLengths[3];   // 1310, 0, 1550
