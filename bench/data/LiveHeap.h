#pragma once

#include <cstddef>

// Bytes the program holds on the heap right now, counted by this program's
// own operator new and delete, so the store's memory can be measured as the
// growth across a decode.
size_t LiveHeapBytes();
