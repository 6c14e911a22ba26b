#include "data/Documents.h"
#include "fuzz/StoreChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CDataStore store;
    ReadOpmDocumentBytes({data, size}, store);
    CheckStore(store);
    return 0;
}
