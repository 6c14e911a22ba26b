#include "link/ReportDecoder.h"

#include "platform/hid/InstrumentUsb.h"

#include <cstring>

namespace {
constexpr size_t WavelengthOffset = 2;
constexpr size_t ReferenceOffset = 4;
constexpr size_t PowerOffset = 8;
constexpr size_t FieldsEnd = 12;

float FloatLittleEndian(const uint8_t* in)
{
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | in[i];
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
} // namespace

std::optional<InstrumentReading> DecodeReport(const uint8_t* data, size_t size)
{
    // Offsets below count the report-ID byte; without it everything sits one
    // byte earlier.
    const size_t shift = size >= InstrumentReportSize ? 0 : 1;
    if (data == nullptr || size + shift < FieldsEnd)
        return std::nullopt;
    InstrumentReading reading;
    const uint8_t* wavelength = data + WavelengthOffset - shift;
    reading.wavelength = static_cast<uint16_t>(wavelength[0] << 8 | wavelength[1]);
    reading.reference = FloatLittleEndian(data + ReferenceOffset - shift);
    reading.power = FloatLittleEndian(data + PowerOffset - shift);
    return reading;
}
