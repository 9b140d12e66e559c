#pragma once

#include <cstdint>
#include <string>

// The host's project settings record, as far as the module reads it.
struct ProjectSettings {
    uint32_t DefaultAutoRepeat = 0;
    uint32_t DefaultAccelerate = 0;
    uint32_t DefaultBeep = 0;
    uint32_t RepeatStartTime = 0;
    uint32_t RepeatInterval = 0;
    uint32_t AccelerationTime = 0;
    int32_t LayerCheck = 0;
    std::string ModelName;  // CP932
};
