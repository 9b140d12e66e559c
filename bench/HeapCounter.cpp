#include "HeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_counting{false};
std::atomic<long long> g_net{0};
std::atomic<long long> g_peak{0};

void* Allocate(size_t bytes) noexcept
{
    void* p = std::malloc(bytes == 0 ? 1 : bytes);
    if (p != nullptr && g_counting.load(std::memory_order_relaxed)) {
        const auto size = static_cast<long long>(malloc_usable_size(p));
        const long long net = g_net.fetch_add(size, std::memory_order_relaxed) + size;
        long long peak = g_peak.load(std::memory_order_relaxed);
        while (net > peak && !g_peak.compare_exchange_weak(peak, net, std::memory_order_relaxed)) {
        }
    }
    return p;
}

// Freeing what was allocated before the count began lowers the net below
// zero, as the heap shrinks by it.
void Release(void* p) noexcept
{
    if (p != nullptr && g_counting.load(std::memory_order_relaxed))
        g_net.fetch_sub(static_cast<long long>(malloc_usable_size(p)), std::memory_order_relaxed);
    std::free(p);
}

void* AllocateOrThrow(size_t size)
{
    void* p = Allocate(size);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

}

namespace heap {

void StartCounting()
{
    g_net.store(0);
    g_peak.store(0);
    g_counting.store(true);
}

Use StopCounting()
{
    g_counting.store(false);
    return {g_peak.load(), g_net.load()};
}

}

void* operator new(size_t size) { return AllocateOrThrow(size); }
void* operator new[](size_t size) { return AllocateOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
