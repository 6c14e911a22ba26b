#include "trace/TraceCursors.h"

#include "trace/TraceChartAxes.h"

#include <algorithm>
#include <cmath>

namespace {
std::optional<double> SecondsOf(int sample, int sampleCount, int recordedSeconds)
{
    if (recordedSeconds < 0)
        return std::nullopt;
    return sampleCount > 1 ? double(sample) * recordedSeconds / (sampleCount - 1) : 0.0;
}
} // namespace

TraceCursorReadout ReadTraceCursors(const std::vector<float>& plotValues, int sampleA, int sampleB,
                                    int recordedSeconds)
{
    TraceCursorReadout readout;
    const int count = static_cast<int>(plotValues.size()) - 1;
    readout.secondsA = SecondsOf(sampleA, count, recordedSeconds);
    readout.secondsB = SecondsOf(sampleB, count, recordedSeconds);
    readout.powerA = plotValues[size_t(sampleA) + 1];
    readout.powerB = plotValues[size_t(sampleB) + 1];
    if (StateOfPower(readout.powerA) == ReadingState::Ok && StateOfPower(readout.powerB) == ReadingState::Ok)
        readout.deltaDb = double(readout.powerB) - double(readout.powerA);
    for (int s = std::min(sampleA, sampleB); s <= std::max(sampleA, sampleB); ++s) {
        const float power = plotValues[size_t(s) + 1];
        readout.between.Add({s, power, 0, StateOfPower(power)});
    }
    return readout;
}

// The chart puts the first sample at the origin and sample s (s > 0) at
// s + 1 of sampleCount steps across, in 32-bit floats.
int RecordedSampleX(const QRect& chart, int sampleCount, int sample)
{
    const TraceChartFrame frame(chart);
    if (sample <= 0 || sampleCount <= 0)
        return frame.x0;
    const auto n = static_cast<float>(sampleCount + 1);
    const float spacing = (n / static_cast<float>(sampleCount)) * static_cast<float>(frame.w) / n;
    return static_cast<int>(static_cast<float>(frame.x0) + spacing * static_cast<float>(sample + 1));
}

int RecordedSampleAt(const QRect& chart, int sampleCount, int x)
{
    if (sampleCount <= 0)
        return 0;
    const TraceChartFrame frame(chart);
    const double steps = double(x - frame.x0) * sampleCount / std::max(1, frame.w);
    const int sample = static_cast<int>(std::lround(steps)) - 1;
    // The first sample sits at the origin, a step before the second.
    const int nearest = std::clamp(sample, 0, sampleCount - 1);
    return std::abs(RecordedSampleX(chart, sampleCount, 0) - x) <
                   std::abs(RecordedSampleX(chart, sampleCount, nearest) - x)
               ? 0
               : nearest;
}
