#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The fields of one input report from the instrument.
struct InstrumentReading
{
    uint16_t wavelength = 0; // nm; 0 means the instrument has no reading
    float reference = 0.0f;  // dBm
    float power = 0.0f;      // dBm
};

// Decodes an input report. The instrument sends 65 bytes: a report-ID byte (0)
// and 64 data bytes, with the wavelength big-endian at offset 2 and the
// reference and power as little-endian floats at 4 and 8. hidapi hands over a
// report of a device without numbered reports without its ID byte, so a
// report shorter than 65 bytes is taken to start at offset 1. Returns nothing
// when the report is too short to hold the fields.
std::optional<InstrumentReading> DecodeReport(const uint8_t* data, size_t size);
