#pragma once

#include "data/ResultFrame.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A fuzz input for a result-file decoder, with its record count cut to the
// records the input holds and two past its end. The records past the end all
// read as zeros and the decoder copies the first of them (the decoder tests
// hold a short file to its zero-padded whole); letting the fuzzer claim
// 65,535 of them would spend its time allocating copies, not decoding bytes.
inline std::vector<uint8_t> WithCountCut(const uint8_t* data, size_t size, size_t recordSize)
{
    std::vector<uint8_t> input(data, data + size);
    if (input.size() < ResultSignatureSize + 2)
        return input;
    const size_t held =
        input.size() > ResultHeaderSize ? (input.size() - ResultHeaderSize + recordSize - 1) / recordSize : 0;
    const size_t count = input[ResultSignatureSize] | (size_t(input[ResultSignatureSize + 1]) << 8);
    if (count > held + 2) {
        input[ResultSignatureSize] = static_cast<uint8_t>(held + 2);
        input[ResultSignatureSize + 1] = static_cast<uint8_t>((held + 2) >> 8);
    }
    return input;
}
