#pragma once

#include <string>
#include <string_view>

#include "core/Cp932.h"

// Test helpers for exact bytes.

// "01 00 0F" -> the three bytes.
std::string Hex(std::string_view spaced);
// The bytes as "01 00 0F", for readable failures.
std::string ToHex(std::string_view bytes);
// A UTF-8 literal as CP932 bytes.
inline std::string Sj(std::string_view utf8) { return cp932::FromUTF8(utf8); }
// The whole content of a file; empty when it cannot be read.
std::string FileBytes(const std::string& path);
