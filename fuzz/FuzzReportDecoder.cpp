// The instrument's input reports: the input decoded as one report, and cut
// into reports as hidapi delivers them, all taken in by one live trace.
#include "link/CTraceAcquisition.h"
#include "link/ReportDecoder.h"
#include "link/TraceText.h"
#include "platform/hid/InstrumentUsb.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
constexpr size_t DeliveredReportSize = InstrumentReportSize - 1; // without the report-ID byte

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

void TakeIn(CTraceAcquisition& acquisition, const uint8_t* data, size_t size)
{
    const auto reading = DecodeReport(data, size);
    if (!reading)
        return;
    const auto outcome = acquisition.HandleReading(*reading, false, {});
    Check(outcome.handled == (reading->wavelength != 0));
    if (!outcome.handled)
        return;
    Check(acquisition.TraceWaveLength() == std::to_string(reading->wavelength));
    Check(acquisition.TraceSeries().size() < CTraceAcquisition::SeriesLimit);
    Check(acquisition.WaveFlag() != 1);
    // The chart reads its reference back from the text.
    LeadingNumber(acquisition.TraceReference());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTraceAcquisition whole("unused");
    TakeIn(whole, data, size);

    CTraceAcquisition stream("unused");
    for (size_t offset = 0; offset < size; offset += DeliveredReportSize)
        TakeIn(stream, data + offset, std::min(DeliveredReportSize, size - offset));
    return 0;
}
