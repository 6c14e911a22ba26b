#include "ResultFiles.h"

#include <QFile>

#include <cstdio>
#include <cstring>

namespace {
void AppendName(QByteArray& bytes, const char* name)
{
    QByteArray field(16, '\0');
    std::memcpy(field.data(), name, std::strlen(name));
    bytes.append(field);
}

template <class T> void AppendLittleEndian(QByteArray& bytes, T value)
{
    unsigned char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T)); // the test machines are little-endian, as the files are
    bytes.append(reinterpret_cast<const char*>(raw), sizeof(T));
}

QByteArray Header(const char* signature, uint16_t count)
{
    QByteArray bytes(14, '\0');
    std::memcpy(bytes.data(), signature, std::strlen(signature));
    AppendLittleEndian<uint16_t>(bytes, count);
    bytes.append(QByteArray(16, '\0'));
    return bytes;
}
} // namespace

QByteArray OpmFile(const OpmReading* readings, int count, const char* signature)
{
    QByteArray bytes = Header(signature, static_cast<uint16_t>(count));
    for (int i = 0; i < count; ++i) {
        const OpmReading& reading = readings[i];
        AppendName(bytes, reading.cable);
        AppendName(bytes, reading.fiber);
        AppendLittleEndian(bytes, reading.power);
        AppendLittleEndian(bytes, reading.reference);
        AppendLittleEndian(bytes, reading.unitCode);
        AppendLittleEndian(bytes, reading.waveLength);
        AppendLittleEndian(bytes, reading.rangeStatus);
        AppendLittleEndian<uint16_t>(bytes, 0);
        bytes.append(reinterpret_cast<const char*>(reading.date), 4);
        bytes.append(reinterpret_cast<const char*>(reading.time), 4);
    }
    return bytes;
}

QByteArray OrlFile(const OrlReading* readings, int count, const char* signature)
{
    QByteArray bytes = Header(signature, static_cast<uint16_t>(count));
    for (int i = 0; i < count; ++i) {
        const OrlReading& reading = readings[i];
        AppendName(bytes, reading.cable);
        AppendName(bytes, reading.fiber);
        AppendLittleEndian(bytes, reading.waveLength);
        AppendLittleEndian<uint16_t>(bytes, 0);
        AppendLittleEndian(bytes, reading.returnLoss);
        AppendLittleEndian(bytes, 0.0f);
        bytes.append(reinterpret_cast<const char*>(reading.date), 4);
        bytes.append(reinterpret_cast<const char*>(reading.time), 4);
    }
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Printed(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

QString BcdText(const uint8_t* bytes, int count, char separator, int firstGroup)
{
    // The first `firstGroup` bytes form one group (century and year).
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i >= firstGroup)
            text += separator;
        text += QString::asprintf("%02x", bytes[i]);
    }
    return text;
}
