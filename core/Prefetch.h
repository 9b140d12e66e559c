#pragma once

#include <cstddef>

#include "core/IStepchain.h"

// The actions are separate heap objects, and a list of tens of thousands of
// them does not stay in the caches: a walk over the rows would wait for
// memory at each row's first touch. So a walk fetches ahead what it will
// read next while it works on the current row.

inline void Fetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

// Fetches the first `bytes` bytes of the action `rowsAhead` rows after `row`.
inline void FetchAhead(const StepchainArray& actions, size_t row, size_t rowsAhead, size_t bytes)
{
    constexpr size_t kCacheLine = 64;
    if (row + rowsAhead < actions.size()) {
        const char* action = reinterpret_cast<const char*>(actions[row + rowsAhead]);
        for (size_t offset = 0; offset < bytes; offset += kCacheLine)
            Fetch(action + offset);
    }
}
