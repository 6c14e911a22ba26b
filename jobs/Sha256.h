#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// SHA-256 (FIPS 180-4), kept in the project: a job names each imported file
// by the hash of its bytes, and no library the program links offers one.
class Sha256
{
public:
    Sha256();
    void Add(const uint8_t* bytes, size_t size);
    // The digest of everything added; the object is spent afterwards.
    std::array<uint8_t, 32> Finish();

    static std::array<uint8_t, 32> Of(const uint8_t* bytes, size_t size);

private:
    void Block(const uint8_t* block);

    std::array<uint32_t, 8> m_State;
    std::array<uint8_t, 64> m_Buffer{};
    size_t m_Buffered = 0;
    uint64_t m_Length = 0; // bytes added
};

// Lower-case hexadecimal, two digits a byte.
std::string HexText(const uint8_t* bytes, size_t size);
