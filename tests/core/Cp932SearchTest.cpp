// The character-aware searches against their rule, walked one character at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/Cp932.h"
#include "support/Bytes.h"

namespace {

constexpr size_t npos = std::string::npos;

size_t CharBytes(std::string_view text, size_t pos)
{
    const auto c = static_cast<unsigned char>(text[pos]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    return lead && pos + 1 < text.size() ? 2 : 1;
}

size_t RuleFind(std::string_view text, std::string_view pattern, size_t from)
{
    size_t pos = 0;
    while (pos < from && pos < text.size())
        pos += CharBytes(text, pos);
    for (; !pattern.empty() && pos + pattern.size() <= text.size(); pos += CharBytes(text, pos)) {
        if (text.substr(pos, pattern.size()) == pattern)
            return pos;
    }
    return npos;
}

size_t RuleCharStart(std::string_view text, size_t target)
{
    size_t pos = 0;
    while (pos < target)
        pos += CharBytes(text, pos);
    return pos;
}

std::string RuleReplace(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    std::string out;
    for (size_t pos = 0; pos < text.size();) {
        if (!pattern.empty() && text.substr(pos, pattern.size()) == pattern) {
            out += replacement;
            pos += pattern.size();
        } else {
            out += text.substr(pos, CharBytes(text, pos));
            pos += CharBytes(text, pos);
        }
    }
    return out;
}

TEST(Cp932Search, FindReplaceAndCharacterStartsFollowTheRule)
{
    // Lead bytes next to the bytes of the patterns, so that matches begin
    // inside characters as often as at their starts.
    const std::vector<std::string> pieces = {"\x83", "[", "]", "A", "[A]", "\x83[", "[A", "A]", "\x81\x40", "\xE0", "\xA6"};
    const std::vector<std::string> patterns = {"[A]", "\x83", "A", "[", "]A", "[A][", "", "\x83[A"};
    std::mt19937 random(4242);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = static_cast<int>(random() % 12); n > 0; --n)
            text += pieces[random() % pieces.size()];
        const std::string& pattern = patterns[random() % patterns.size()];
        const size_t from = random() % (text.size() + 2);
        ASSERT_EQ(cp932::Find(text, pattern, from), RuleFind(text, pattern, from))
            << ToHex(text) << " / " << ToHex(pattern) << " from " << from;
        ASSERT_EQ(ToHex(cp932::ReplaceAll(text, pattern, "<>")), ToHex(RuleReplace(text, pattern, "<>")))
            << ToHex(text) << " / " << ToHex(pattern);
        const size_t target = std::min(from, text.size());
        size_t known = RuleCharStart(text, random() % (target + 1));
        if (known > target)
            known = 0;
        ASSERT_EQ(cp932::CharStartAtOrAfter(text, known, target), RuleCharStart(text, target))
            << ToHex(text) << " from " << known << " to " << target;
    }
}

}
