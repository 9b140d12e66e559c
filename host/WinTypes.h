#pragma once

#include <cstdint>

// The platform's integer types, as the host's interfaces and the archive name them.
using BYTE = uint8_t;
using WORD = uint16_t;
using LONG = int32_t;
using DWORD = uint32_t;
using BOOL = int;
