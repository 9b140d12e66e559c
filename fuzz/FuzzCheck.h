#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Archive.h"
#include "core/CStepchainData.h"

// A broken property ends the run, so that the fuzzer keeps the input.
inline void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

inline std::string Store(CStepchainData& list)
{
    CArchive ar;
    list.Serialize(ar);
    return ar.GetStored();
}
