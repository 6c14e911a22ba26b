#include "tools/make-samples/SampleSet.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

const uint16_t ThreeWaveLengths[3] = {1310, 1490, 1550};
const uint16_t TwoWaveLengths[3] = {1310, 0, 1550};

namespace {
// A small fixed generator, so the files come out the same on every system.
class Dice
{
public:
    explicit Dice(uint32_t seed) : m_State(seed) {}
    // Uniform in [low, high).
    float Between(float low, float high)
    {
        m_State = m_State * 1664525u + 1013904223u;
        return low + (high - low) * static_cast<float>(m_State >> 8) / 16777216.0f;
    }

private:
    uint32_t m_State;
};

std::string Numbered(const char* format, size_t n)
{
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(n));
    return text;
}

BcdStamp StampAt(size_t index)
{
    const size_t minutes = index * 3;
    return MakeStamp(2026, 3 + static_cast<int>(index / 4000) % 9, 10 + static_cast<int>(index / 2000) % 18,
                     8 + static_cast<int>(minutes / 60) % 10, static_cast<int>(minutes % 60),
                     static_cast<int>(index * 7 % 60));
}
} // namespace

std::vector<OpmReading> SampleOpmReadings(size_t count)
{
    static const uint16_t WaveLengths[] = {850, 1300, 1310, 1490, 1550, 1625};
    Dice dice(1);
    std::vector<OpmReading> readings(count);
    for (size_t i = 0; i < count; ++i) {
        OpmReading& r = readings[i];
        r.cable = Numbered("CAB-%02u", i / 12 % 100 + 1);
        r.fiber = Numbered("F%03u", i % 12 + 1);
        r.reference = dice.Between(-10.0f, -3.0f);
        r.power = r.reference - dice.Between(0.2f, 3.0f);
        r.unit = 1;
        r.waveLength = WaveLengths[i % 6];
        r.stamp = StampAt(i);
    }
    if (count > 4)
        readings[4].rangeStatus = -1; // a fibre that showed no light
    return readings;
}

std::vector<OrlReading> SampleOrlReadings(size_t count)
{
    Dice dice(2);
    std::vector<OrlReading> readings(count);
    for (size_t i = 0; i < count; ++i) {
        OrlReading& r = readings[i];
        r.cable = Numbered("CAB-%02u", i / 8 % 100 + 1);
        r.fiber = Numbered("F%03u", i % 8 + 1);
        r.waveLength = i % 2 == 0 ? 1310 : 1550;
        r.returnLoss = dice.Between(35.0f, 55.0f);
        r.secondValue = dice.Between(0.0f, 1.0f);
        r.stamp = StampAt(i);
    }
    return readings;
}

std::vector<LossTestResult> SampleLossTests(size_t count, size_t fibersPerCable)
{
    Dice dice(3);
    std::vector<LossTestResult> results(count);
    for (size_t i = 0; i < count; ++i) {
        LossTestResult& r = results[i];
        r.cable = Numbered("CAB-%02u", i / fibersPerCable % 100 + 1);
        r.fiber = Numbered("F%03u", i % fibersPerCable + 1);
        const float length = dice.Between(0.5f, 25.0f);
        for (int w = 0; w < 3; ++w) {
            r.lossAB[w] = dice.Between(0.2f, 3.0f);
            r.lossBA[w] = r.lossAB[w] + dice.Between(-0.15f, 0.15f);
            r.refAB[w] = dice.Between(-10.0f, -3.0f);
            r.refBA[w] = dice.Between(-10.0f, -3.0f);
            r.threshold[w] = 2.5f;
            r.length[w] = w == 2 ? length : 0.0f;
            r.orlAB[w] = dice.Between(35.0f, 55.0f);
            r.orlBA[w] = dice.Between(35.0f, 55.0f);
        }
        r.stamp = StampAt(i);
    }
    return results;
}

TraceRecording SampleTrace(size_t sampleCount)
{
    Dice dice(4);
    TraceRecording trace;
    trace.waveLength = 1550;
    trace.reference = -5.0f;
    trace.start = MakeStamp(2026, 4, 21, 9, 30, 0);
    trace.end = MakeStamp(2026, 4, 21, 9, 30 + static_cast<int>(sampleCount / 2 / 60) % 30,
                          static_cast<int>(sampleCount / 2 % 60));
    trace.samples.resize(sampleCount);
    for (size_t i = 0; i < sampleCount; ++i)
        trace.samples[i] =
            -5.4f + 0.3f * std::sin(static_cast<float>(i) / 40.0f) + dice.Between(-0.05f, 0.05f);
    return trace;
}
