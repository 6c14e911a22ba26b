#include "data/TraceFile.h"

#include "data/BcdText.h"
#include "data/ByteReader.h"
#include "data/FixedDecimal.h"

namespace {
constexpr size_t MarkOffset = 24;

std::string DateTimeText(ByteReader& reader)
{
    uint8_t date[4], time[4];
    reader.Read(date, 4);
    reader.Read(time, 4);
    return BcdDateText(date) + " " + BcdTimeText(time);
}
} // namespace

bool HasTraceMark(ByteSpan bytes)
{
    return bytes.size >= TraceHeaderSize && ByteReader(bytes, MarkOffset).U32() == TraceMark;
}

std::string TraceStatisticText(float value)
{
    if (value < -79.9)
        return "Low";
    if (value > 28.9)
        return "High";
    return FixedText(value, 2);
}

void SetTraceStatistics(TraceFileContents& contents, const float* samples, size_t count)
{
    float minimum = 0.0f, maximum = 0.0f, sum = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        const float sample = samples[i];
        if (i == 0) {
            minimum = maximum = sample;
        } else {
            if (sample < minimum)
                minimum = sample;
            if (sample > maximum)
                maximum = sample;
        }
        sum += sample;
    }
    contents.minimum = TraceStatisticText(minimum);
    contents.maximum = TraceStatisticText(maximum);
    contents.averageValue = count == 0 ? 0.0f : sum / static_cast<float>(count);
    contents.average = count == 0 ? "N/A" : TraceStatisticText(contents.averageValue);
}

TraceFileContents TraceContentsOfValues(const std::vector<float>& values)
{
    TraceFileContents c;
    c.sampleCount = values.empty() ? 0 : static_cast<int>(values.size() - 1);
    c.recordCount = std::to_string(c.sampleCount);
    c.plotValues = values;
    if (!values.empty())
        c.reference = FixedText(values[0], 2);
    const float* samples = values.empty() ? nullptr : values.data() + 1;
    SetTraceStatistics(c, samples, static_cast<size_t>(c.sampleCount));
    return c;
}

TraceReadOutcome ReadTraceBytes(ByteSpan bytes, CDataStore& store)
{
    TraceReadOutcome outcome;
    if (bytes.size < TraceHeaderSize) {
        outcome.result = DecodeResult::Truncated;
        return outcome;
    }
    if (!HasTraceMark(bytes)) {
        outcome.result = DecodeResult::BadMark;
        return outcome;
    }
    ByteReader reader(bytes);
    const uint16_t waveLength = reader.U16();
    const uint16_t count = reader.U16();
    if (bytes.size < TraceHeaderSize + 4 * size_t(count)) {
        outcome.result = DecodeResult::Truncated;
        return outcome;
    }
    const float reference = reader.F32();

    TraceFileContents& c = outcome.contents;
    c.start = DateTimeText(reader);
    c.end = DateTimeText(reader);
    c.sampleCount = count;
    c.recordCount = std::to_string(count);
    c.reference = FixedText(reference, 2);
    c.waveLength = std::to_string(waveLength);
    c.plotValues.reserve(size_t(count) + 1);
    c.plotValues.push_back(RoundThroughText(reference, 2));

    reader.Seek(TraceHeaderSize);
    std::vector<float> samples(count);
    for (float& sample : samples) {
        sample = reader.F32();
        c.plotValues.push_back(RoundThroughText(sample, 2));
    }
    // The page's statistics come from the file's samples, not the rounded plot values.
    SetTraceStatistics(c, samples.data(), samples.size());

    store.ReplaceTraceValues(c.plotValues);
    outcome.result = DecodeResult::Ok;
    return outcome;
}
