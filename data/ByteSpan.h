#pragma once

#include <cstddef>
#include <cstdint>

// A file's bytes, read into memory before they are decoded.
struct ByteSpan
{
    const uint8_t* data = nullptr;
    size_t size = 0;
};
