#include "core/Cp932.h"

#include <algorithm>

#include "host/Cp932Utf8.h"
#include "host/Iconv.h"

namespace cp932 {

namespace {

// One descriptor per direction, opened on first use. Everything runs on one
// thread, so a shared descriptor is safe.
IconvConverter& FromUtf16Converter()
{
    static IconvConverter converter("CP932", "UTF-16LE");
    return converter;
}

IconvConverter& FromUtf8Converter()
{
    static IconvConverter converter("CP932", "UTF-8");
    return converter;
}

// Length of the UTF-8 sequence that begins with `c`, 0 when `c` cannot begin one.
size_t Utf8SequenceLength(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

}

size_t CharLength(std::string_view text, size_t pos)
{
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

size_t CharStartAtOrAfter(std::string_view text, size_t known, size_t target)
{
    if (target >= text.size())
        return target;
    size_t run = 0;
    while (target - run > known && IsLeadByte(static_cast<unsigned char>(text[target - run - 1])))
        ++run;
    return run % 2 == 0 ? target : target + 1;
}

// A byte-wise search proposes the matches, and only a match where a
// character begins counts; after one that begins inside a character the
// search goes on from the next character start, one byte further.
size_t Find(std::string_view text, std::string_view pattern, size_t from)
{
    if (pattern.empty() || pattern.size() > text.size())
        return std::string_view::npos;
    size_t pos = CharStartAtOrAfter(text, 0, std::min(from, text.size()));
    for (size_t match = text.find(pattern, pos); match != std::string_view::npos; match = text.find(pattern, pos)) {
        if (CharStartAtOrAfter(text, pos, match) == match)
            return match;
        pos = match + 1;
    }
    return std::string_view::npos;
}

bool Contains(std::string_view text, std::string_view pattern)
{
    return Find(text, pattern) != std::string_view::npos;
}

namespace {

// The text with every match replaced, given the first match.
std::string ReplacedFrom(std::string_view text, std::string_view pattern, std::string_view replacement, size_t match)
{
    std::string out;
    out.reserve(text.size() + replacement.size());
    size_t copied = 0;
    while (match != std::string_view::npos) {
        out.append(text.substr(copied, match - copied)).append(replacement);
        copied = match + pattern.size();
        // A match ends where a character begins: the search goes on from there.
        const size_t next = Find(text.substr(copied), pattern);
        match = next == std::string_view::npos ? next : copied + next;
    }
    out.append(text.substr(copied));
    return out;
}

}

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    const size_t first = Find(text, pattern);
    return first == std::string_view::npos ? std::string(text) : ReplacedFrom(text, pattern, replacement, first);
}

bool ReplaceAllIn(std::string& text, std::string_view pattern, std::string_view replacement)
{
    const size_t first = Find(text, pattern);
    if (first == std::string_view::npos)
        return false;
    text = ReplacedFrom(text, pattern, replacement, first);
    return true;
}

std::string RemoveAll(std::string_view text, std::string_view pattern) { return ReplaceAll(text, pattern, {}); }

bool EndsWithLoneLeadByte(std::string_view text)
{
    // Most texts end in a byte that cannot begin a character; only for one
    // that can does it matter whether a character begins there.
    return !text.empty() && IsLeadByte(static_cast<unsigned char>(text.back())) &&
           CharStartAtOrAfter(text, 0, text.size() - 1) == text.size() - 1;
}

std::string DropFirstChar(std::string_view text)
{
    return text.empty() ? std::string() : std::string(text.substr(CharLength(text, 0)));
}

std::string ToUTF8(std::string_view text) { return Cp932ToUtf8(text); }

std::string FromUTF16LE(std::string_view bytes)
{
    std::string out;
    IconvConverter& converter = FromUtf16Converter();
    const size_t units = bytes.size() / 2;
    auto unit = [&](size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[2 * i])) |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8;
    };
    for (size_t i = 0; i < units;) {
        const unsigned u = unit(i);
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
            ++i;
            continue;
        }
        size_t count = 1;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const unsigned next = unit(i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF)
                count = 2;
        }
        const bool loneSurrogate = count == 1 && u >= 0xD800 && u <= 0xDFFF;
        if (loneSurrogate || !converter.Convert(bytes.substr(2 * i, 2 * count), out))
            out.push_back('?');
        i += count;
    }
    return out;
}

std::string FromUTF8(std::string_view text, bool* lossless)
{
    std::string out;
    out.reserve(text.size());
    bool all = true;
    IconvConverter& converter = FromUtf8Converter();
    for (size_t pos = 0; pos < text.size();) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++pos;
            continue;
        }
        size_t len = Utf8SequenceLength(c);
        bool complete = len != 0 && pos + len <= text.size();
        for (size_t i = 1; complete && i < len; ++i)
            complete = (static_cast<unsigned char>(text[pos + i]) & 0xC0) == 0x80;
        if (!complete) {
            // Not UTF-8: this byte alone stands for one character.
            len = 1;
        }
        if (!complete || !converter.Convert(text.substr(pos, len), out)) {
            out.push_back('?');
            all = false;
        }
        pos += len;
    }
    if (lossless != nullptr)
        *lossless = all;
    return out;
}

}
