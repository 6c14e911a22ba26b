#pragma once

#include <cstddef>
#include <cstdint>

// How the instrument shows itself on USB: what the link looks for and what
// the simulated instrument presents. Only this vendor, product and release
// speak the protocol the link decodes.
constexpr uint16_t InstrumentVendorId = 0x0483;
constexpr uint16_t InstrumentProductId = 0x5750;
constexpr uint16_t InstrumentRelease = 0x0200;

// Every report in either direction: the report-ID byte and 64 bytes of data.
constexpr size_t InstrumentReportSize = 65;
