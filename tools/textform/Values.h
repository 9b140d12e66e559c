#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/CVXMemNode.h"
#include "core/Archive.h"

// The value types of the text form. Each writes a value as JSON and reads
// it back exactly, refusing what it cannot hold with the value's JSON path.
namespace textform {

// Keys keep the order they are written in, so a field list reads like the record.
using Json = nlohmann::ordered_json;

// CP932 bytes: a JSON string when the bytes convert to UTF-8 and back
// unchanged, otherwise {"bytes": "<hex>"} so that no stored byte is lost.
struct Text {
    using Value = std::string;
    static Json Dump(const Value& value);
    static void Build(const Json& json, const std::string& path, Value& value);
};

struct Int32 {
    using Value = int32_t;
    static Json Dump(Value value) { return value; }
    static void Build(const Json& json, const std::string& path, Value& value);
};

struct Dword {
    using Value = DWORD;
    static Json Dump(Value value) { return value; }
    static void Build(const Json& json, const std::string& path, Value& value);
};

// A switch that the archive keeps as a single bit: 0 or 1.
struct Bit {
    using Value = DWORD;
    static Json Dump(Value value) { return value; }
    static void Build(const Json& json, const std::string& path, Value& value);
};

// A memory operand: an object of its seven stored parts.
struct Operand {
    using Value = CVXMemNode;
    static Json Dump(const Value& node);
    static void Build(const Json& json, const std::string& path, Value& node);
};

// The path of `key` inside the value at `path`: "a.b", or a["x y"] for a key
// that is not a plain name, so that any key prints on one line.
std::string Member(const std::string& path, std::string_view key);
std::string Element(const std::string& path, size_t index);

// Refuses a value that is not an object, then a key that `known` lacks
// (saying `unknown`, e.g. "is not a part of an operand"), then a key of
// `known` that is missing. An unknown key goes first: it is most often a
// misspelt one, and its own name tells more than the missing one's.
void RequireExactKeys(const Json& json, const std::string& path, const std::vector<std::string_view>& known,
                      const std::string& unknown);

}
