#include "data/ResultFileDecoders.h"
#include "fuzz/ResultInput.h"
#include "fuzz/StoreChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> input = WithCountCut(data, size, OrlResultRecordSize);
    CDataStore store;
    DecodeOrlBytes({input.data(), input.size()}, store, nullptr);
    CheckStore(store);
    return 0;
}
