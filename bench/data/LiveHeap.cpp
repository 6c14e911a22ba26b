#include "bench/data/LiveHeap.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<size_t> g_LiveBytes{0};

// Each block carries its size in front, aligned for any type.
constexpr size_t HeaderSize = alignof(std::max_align_t);

void* Allocate(size_t size)
{
    auto* block = static_cast<unsigned char*>(std::malloc(size + HeaderSize));
    if (block == nullptr)
        throw std::bad_alloc();
    *reinterpret_cast<size_t*>(block) = size;
    g_LiveBytes += size;
    return block + HeaderSize;
}

void Release(void* pointer) noexcept
{
    if (pointer == nullptr)
        return;
    auto* block = static_cast<unsigned char*>(pointer) - HeaderSize;
    g_LiveBytes -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}
} // namespace

size_t LiveHeapBytes()
{
    return g_LiveBytes.load();
}

void* operator new(size_t size)
{
    return Allocate(size);
}

void* operator new[](size_t size)
{
    return Allocate(size);
}

void operator delete(void* pointer) noexcept
{
    Release(pointer);
}

void operator delete[](void* pointer) noexcept
{
    Release(pointer);
}

void operator delete(void* pointer, size_t) noexcept
{
    Release(pointer);
}

void operator delete[](void* pointer, size_t) noexcept
{
    Release(pointer);
}
