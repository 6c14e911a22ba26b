#include "data/ResultFileDecoders.h"
#include "fuzz/StoreChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CDataStore store;
    DecodeOrlBytes({data, size}, store, nullptr);
    CheckStore(store);
    return 0;
}
