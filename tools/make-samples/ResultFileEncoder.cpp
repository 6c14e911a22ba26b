#include "tools/make-samples/ResultFileEncoder.h"

#include <cstring>

namespace {
uint8_t Bcd(int value)
{
    return static_cast<uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

void PutU16(std::string& out, uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void PutU32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutFloat(std::string& out, float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    PutU32(out, bits);
}

void PutName(std::string& out, const std::string& name)
{
    std::string field = name.substr(0, 16);
    field.resize(16, '\0');
    out += field;
}

void PutStamp(std::string& out, const BcdStamp& stamp)
{
    out.append(reinterpret_cast<const char*>(stamp.date), 4);
    out.append(reinterpret_cast<const char*>(stamp.time), 4);
}

std::string Header(const char* signature, size_t count)
{
    std::string out(signature);
    out.resize(14, '\0');
    PutU16(out, static_cast<uint16_t>(count));
    return out; // 16 bytes; the caller fills the rest of the 32
}
} // namespace

BcdStamp MakeStamp(int year, int month, int day, int hour, int minute, int second)
{
    BcdStamp s;
    s.date[0] = Bcd(year / 100);
    s.date[1] = Bcd(year % 100);
    s.date[2] = Bcd(month);
    s.date[3] = Bcd(day);
    s.time[0] = Bcd(hour);
    s.time[1] = Bcd(minute);
    s.time[2] = Bcd(second);
    return s;
}

std::string EncodeOpmResult(const std::vector<OpmReading>& readings)
{
    std::string out = Header("kav12.opmsave", readings.size());
    out.resize(32, '\0');
    for (const OpmReading& r : readings) {
        PutName(out, r.cable);
        PutName(out, r.fiber);
        PutFloat(out, r.power);
        PutFloat(out, r.reference);
        PutU16(out, r.unit);
        PutU16(out, r.waveLength);
        PutU16(out, static_cast<uint16_t>(r.rangeStatus));
        PutU16(out, 0);
        PutStamp(out, r.stamp);
    }
    return out;
}

std::string EncodeOrlResult(const std::vector<OrlReading>& readings)
{
    std::string out = Header("kav12.orlsave", readings.size());
    out.resize(32, '\0');
    for (const OrlReading& r : readings) {
        PutName(out, r.cable);
        PutName(out, r.fiber);
        PutU16(out, r.waveLength);
        PutU16(out, 0);
        PutFloat(out, r.returnLoss);
        PutFloat(out, r.secondValue);
        PutStamp(out, r.stamp);
    }
    return out;
}

std::string EncodeKavResult(const uint16_t waveLengths[3], const std::vector<LossTestResult>& results)
{
    std::string out = Header("kav12.kavsave", results.size());
    PutU16(out, 0);
    for (int i = 0; i < 3; ++i)
        PutU16(out, waveLengths[i]);
    out.resize(32, '\0');
    for (const LossTestResult& r : results) {
        PutName(out, r.cable);
        PutName(out, r.fiber);
        for (const float* triple :
             {r.lossAB, r.lossBA, r.refAB, r.refBA, r.threshold, r.length, r.orlAB, r.orlBA})
            for (int i = 0; i < 3; ++i)
                PutFloat(out, triple[i]);
        PutStamp(out, r.stamp);
    }
    return out;
}

std::string EncodeTraceResult(const TraceRecording& recording)
{
    std::string out;
    PutU16(out, recording.waveLength);
    PutU16(out, static_cast<uint16_t>(recording.samples.size()));
    PutFloat(out, recording.reference);
    PutStamp(out, recording.start);
    PutStamp(out, recording.end);
    PutU32(out, recording.mark);
    for (float sample : recording.samples)
        PutFloat(out, sample);
    return out;
}
