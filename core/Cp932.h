#pragma once

#include <string>
#include <string_view>

#include "host/Cp932Utf8.h"

// Text held as CP932 bytes, and the conversions to and from it.
namespace cp932 {

// A byte that begins a two-byte character together with the byte after it.
inline bool IsLeadByte(unsigned char c) { return IsCp932LeadByte(c); }

// Length in bytes of the character that begins at `pos` (1 or 2).
size_t CharLength(std::string_view text, size_t pos);

// The first position at or after `target` where a character begins, given a
// position `known` at or before it where one begins. A character begins
// right after any byte that cannot begin a two-byte character, so only the
// bytes just before `target` are looked at.
size_t CharStartAtOrAfter(std::string_view text, size_t known, size_t target);

// Position of the first match of `pattern` at or after `from` that begins
// where a character begins, or npos. An empty pattern never matches.
size_t Find(std::string_view text, std::string_view pattern, size_t from = 0);
bool Contains(std::string_view text, std::string_view pattern);

// Every match replaced left to right; inserted text is not scanned again.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);
// Replaces in place; answers whether anything was replaced.
bool ReplaceAllIn(std::string& text, std::string_view pattern, std::string_view replacement);
std::string RemoveAll(std::string_view text, std::string_view pattern);

// True when the last byte is a lead byte with no byte left to complete it.
bool EndsWithLoneLeadByte(std::string_view text);

// The text without its first character (one or two bytes).
std::string DropFirstChar(std::string_view text);

// CP932 to UTF-8; what does not convert becomes "?" and conversion goes on.
std::string ToUTF8(std::string_view text);
// UTF-16LE bytes to CP932; an unmappable character or lone surrogate becomes "?".
std::string FromUTF16LE(std::string_view bytes);
// UTF-8 to CP932. `lossless` (when given) is cleared when a character
// had no CP932 form or the input was not valid UTF-8; such a character becomes "?".
std::string FromUTF8(std::string_view text, bool* lossless = nullptr);

}
