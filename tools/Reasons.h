#pragma once

#include <string>
#include <vector>

#include "core/CStepchainData.h"

// One finding about a row, said in English and in Japanese (both UTF-8).
struct Reason {
    std::string english;
    std::string japanese;
};

// Why the action is invalid: empty exactly when its IsInvalid is 0. The
// action belongs to `list`, whose rows the label checks look at.
std::vector<Reason> InvalidReasons(CStepchainData& list, IStepchain* action);

// A UTF-8 literal of the source as a string.
inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
