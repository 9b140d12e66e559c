#pragma once

#include <string>
#include <vector>

#include "core/CStepchainData.h"

// Something in a row that is valid but would not work as meant once the
// script is built, in English and in Japanese (UTF-8). Rows count from 0.
struct Warning {
    struct Text {
        std::string english;
        std::string japanese;
    };
    size_t row;
    Text text;
};

// The warnings of a list, in row order. The host's settings choose the
// auto-repeat variant, as they do for the script.
std::vector<Warning> ListWarnings(CStepchainData& list);
