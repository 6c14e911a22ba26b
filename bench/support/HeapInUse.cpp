#include "bench/support/HeapInUse.h"

#include <climits> // brings in the C library's identification macros

#if defined(__GLIBC__)
#include <malloc.h>
#endif

long long HeapInUse()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks) + static_cast<long long>(info.hblkhd);
#else
    return -1;
#endif
}
