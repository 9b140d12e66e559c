#pragma once

#include <string>

#include "core/IStepchain.h"

// Any key but "INITIAL" and "INTERVAL" asks for the main pass.
inline bool IsMainPass(const std::string& key) { return key != PASS_INITIAL && key != PASS_INTERVAL; }
