#pragma once

#include <string>
#include <string_view>

// CP932 text as the host's property library reads it. The core's text
// helpers build on the same rule, so that the module and the host convert
// every text alike.

// A byte that begins a two-byte character together with the byte after it.
inline bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// CP932 to UTF-8, character by character: a byte that cannot begin a
// character, a lead byte whose next byte completes no character, or a lead
// byte at the end becomes "?" alone, and conversion goes on at the next byte.
std::string Cp932ToUtf8(std::string_view text);
