#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Instrument result files built byte by byte, as the instrument writes them.
struct OpmReading
{
    const char* cable;
    const char* fiber;
    float power;
    float reference;
    uint16_t unitCode; // 1: dBm
    uint16_t waveLength;
    int16_t rangeStatus;
    uint8_t date[4]; // BCD century, year, month, day
    uint8_t time[4]; // BCD hour, minute, second, unused
};

struct OrlReading
{
    const char* cable;
    const char* fiber;
    uint16_t waveLength;
    float returnLoss;
    uint8_t date[4];
    uint8_t time[4];
};

QByteArray OpmFile(const OpmReading* readings, int count, const char* signature = "kav12.opmsave");
QByteArray OrlFile(const OrlReading* readings, int count, const char* signature = "kav12.orlsave");
void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

// "%.2f" and friends, as the instrument's texts are made.
QString Printed(const char* format, double value);
QString BcdText(const uint8_t* bytes, int count, char separator, int firstGroup);
