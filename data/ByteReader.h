#pragma once

#include "data/ByteSpan.h"
#include "data/FieldText.h"

#include <cstdint>
#include <cstring>
#include <string>

// Reads little-endian numbers from a file's bytes. Reading past the end never
// touches memory outside the span: missing bytes read as zero, as the
// instrument's files are read field by field into cleared buffers.
class ByteReader
{
public:
    explicit ByteReader(ByteSpan bytes, size_t position = 0) : m_Bytes(bytes), m_Position(position) {}

    void Seek(size_t position) { m_Position = position; }
    void Skip(size_t count) { m_Position += count; }

    // Copies count bytes, zero where the span ends.
    void Read(void* out, size_t count)
    {
        size_t available = 0;
        if (m_Position < m_Bytes.size)
            available = m_Bytes.size - m_Position < count ? m_Bytes.size - m_Position : count;
        if (available != 0)
            std::memcpy(out, m_Bytes.data + m_Position, available);
        std::memset(static_cast<uint8_t*>(out) + available, 0, count - available);
        m_Position += count;
    }

    uint16_t U16()
    {
        uint8_t b[2];
        Read(b, 2);
        return static_cast<uint16_t>(b[0] | (b[1] << 8));
    }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    uint32_t U32()
    {
        uint8_t b[4];
        Read(b, 4);
        return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32()
    {
        const uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A 16-byte name field: its text up to the first zero byte, at most 16 characters.
    std::string Name()
    {
        char field[16];
        Read(field, sizeof field);
        return std::string(field, BoundedLength(field, sizeof field));
    }

private:
    ByteSpan m_Bytes;
    size_t m_Position;
};
