#include "data/ResultFileDecoders.h"
#include "fuzz/ResultInput.h"
#include "fuzz/StoreChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> input = WithCountCut(data, size, OpmResultRecordSize);
    CDataStore store;
    DecodeOpmBytes({input.data(), input.size()}, store, nullptr);
    CheckStore(store);
    return 0;
}
