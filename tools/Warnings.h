#pragma once

#include <vector>

#include "core/CStepchainData.h"
#include "tools/Reasons.h"

// Something in a row that is valid but would not work as meant once the
// script is built. Rows count from 0.
struct Warning {
    size_t row;
    Reason text;
};

// The warnings of a list, in row order. The host's settings choose the
// auto-repeat variant, as they do for the script.
std::vector<Warning> ListWarnings(CStepchainData& list);
