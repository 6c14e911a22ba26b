#include "TraceFile.h"

#include "BcdText.h"
#include "ByteReader.h"
#include "FileBytes.h"
#include "FixedDecimal.h"

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

TraceReadOutcome ReadTraceBytes(ByteSpan bytes, CDataStore& store)
{
    TraceReadOutcome outcome;
    if (bytes.size < TraceHeaderSize) {
        outcome.result = DecodeResult::Truncated;
        return outcome;
    }
    ByteReader reader(bytes, MarkOffset);
    if (reader.U32() != TraceMark) {
        outcome.result = DecodeResult::BadMark;
        return outcome;
    }
    reader.Seek(0);
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

TraceReadOutcome ReadTraceFile(const std::string& path, CDataStore& store)
{
    const FileBytes file = ReadFileBytes(path, TraceHeaderSize + 4 * size_t(65535));
    if (!file.opened)
        return TraceReadOutcome{};
    return ReadTraceBytes({file.bytes.data(), file.bytes.size()}, store);
}
