#include "data/LimitFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A limit file that is accepted is written back to the same limits.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const LimitFileResult read = ParseLimitFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.limits)
        return 0;
    const LimitFileResult again = ParseLimitFile(LimitFileBytes(*read.limits));
    if (!again.limits || *again.limits != *read.limits)
        std::abort();
    return 0;
}
