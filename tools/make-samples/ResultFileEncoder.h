#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the byte images of the instrument's result files from plain values,
// field by field as the instrument lays them out.

// Binary-coded decimal date and time as the instrument stores them.
struct BcdStamp
{
    uint8_t date[4] = {0, 0, 0, 0}; // century, year, month, day
    uint8_t time[4] = {0, 0, 0, 0}; // hour, minute, second, unused
};
BcdStamp MakeStamp(int year, int month, int day, int hour, int minute, int second);

struct OpmReading
{
    std::string cable, fiber; // at most 16 bytes each are written
    float power = 0, reference = 0;
    uint16_t unit = 1; // 1 = dBm
    uint16_t waveLength = 1310;
    int16_t rangeStatus = 0;
    BcdStamp stamp;
};

struct OrlReading
{
    std::string cable, fiber;
    uint16_t waveLength = 1550;
    float returnLoss = 0, secondValue = 0;
    BcdStamp stamp;
};

struct LossTestResult
{
    std::string cable, fiber;
    float lossAB[3] = {}, lossBA[3] = {}, refAB[3] = {}, refBA[3] = {}, threshold[3] = {}, length[3] = {},
          orlAB[3] = {}, orlBA[3] = {};
    BcdStamp stamp;
};

struct TraceRecording
{
    uint16_t waveLength = 1550;
    float reference = 0;
    BcdStamp start, end;
    uint32_t mark = 165;
    std::vector<float> samples;
};

std::string EncodeOpmResult(const std::vector<OpmReading>& readings);
std::string EncodeOrlResult(const std::vector<OrlReading>& readings);
// waveLengths[1] == 0 marks a two-wavelength test.
std::string EncodeKavResult(const uint16_t waveLengths[3], const std::vector<LossTestResult>& results);
std::string EncodeTraceResult(const TraceRecording& recording);
