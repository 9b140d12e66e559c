#include "tools/textform/Values.h"

#include <algorithm>
#include <array>

#include "core/Cp932.h"
#include "tools/textform/FormError.h"

namespace textform {

namespace {

// Indexed by CVXMemNode::Kind.
constexpr std::array<std::string_view, 4> kKindNames = {"memory", "graph", "text", "literal_text"};

const std::vector<std::string_view> kOperandParts = {"name", "kind", "subName", "value", "aux", "isText", "flag2"};

std::string Quoted(std::string_view text) { return Json(std::string(text)).dump(); }

bool IsPlainName(std::string_view key)
{
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

int64_t WholeNumber(const Json& json, const std::string& path, int64_t low, int64_t high)
{
    if (json.is_number_unsigned()) {
        const uint64_t value = json.get<uint64_t>();
        if (value <= static_cast<uint64_t>(high))
            return static_cast<int64_t>(value);
    } else if (json.is_number_integer()) {
        const int64_t value = json.get<int64_t>();
        if (value >= low && value <= high)
            return value;
    }
    throw FormError(path, "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high));
}

std::string ToHexDigits(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out.push_back(kDigits[c >> 4]);
        out.push_back(kDigits[c & 0x0F]);
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string FromHexDigits(const Json& json, const std::string& path)
{
    const std::string* digits = json.is_string() ? json.get_ptr<const std::string*>() : nullptr;
    bool ok = digits != nullptr && digits->size() % 2 == 0;
    std::string out;
    for (size_t i = 0; ok && i < digits->size(); i += 2) {
        const int high = HexDigit((*digits)[i]);
        const int low = HexDigit((*digits)[i + 1]);
        ok = high >= 0 && low >= 0;
        out.push_back(static_cast<char>(high * 16 + low));
    }
    if (!ok)
        throw FormError(path, "must be a string of hexadecimal digit pairs");
    return out;
}

}

std::string Member(const std::string& path, std::string_view key)
{
    if (!IsPlainName(key))
        return path + "[" + Quoted(key) + "]";
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string Element(const std::string& path, size_t index) { return path + "[" + std::to_string(index) + "]"; }

void RequireExactKeys(const Json& json, const std::string& path, const std::vector<std::string_view>& known,
                      const std::string& unknown)
{
    if (!json.is_object())
        throw FormError(path, "must be an object");
    for (const auto& item : json.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            throw FormError(Member(path, item.key()), unknown);
    }
    for (std::string_view key : known) {
        if (!json.contains(std::string(key)))
            throw FormError(Member(path, key), "is missing");
    }
}

Json Text::Dump(const Value& value)
{
    const std::string utf8 = cp932::ToUTF8(value);
    bool lossless = true;
    if (cp932::FromUTF8(utf8, &lossless) == value && lossless)
        return utf8;
    Json bytes = Json::object();
    bytes["bytes"] = ToHexDigits(value);
    return bytes;
}

void Text::Build(const Json& json, const std::string& path, Value& value)
{
    if (json.is_string()) {
        bool lossless = true;
        value = cp932::FromUTF8(json.get_ref<const std::string&>(), &lossless);
        if (!lossless)
            throw FormError(path, "holds a character that CP932 cannot hold");
        return;
    }
    if (!json.is_object())
        throw FormError(path, "must be a string or an object {\"bytes\": hexadecimal digits}");
    RequireExactKeys(json, path, {"bytes"}, "is not a part of a text");
    value = FromHexDigits(json.at("bytes"), Member(path, "bytes"));
}

void Int32::Build(const Json& json, const std::string& path, Value& value)
{
    value = static_cast<Value>(WholeNumber(json, path, INT32_MIN, INT32_MAX));
}

void Dword::Build(const Json& json, const std::string& path, Value& value)
{
    value = static_cast<Value>(WholeNumber(json, path, 0, UINT32_MAX));
}

void Bit::Build(const Json& json, const std::string& path, Value& value)
{
    value = static_cast<Value>(WholeNumber(json, path, 0, 1));
}

Json Operand::Dump(const Value& node)
{
    const bool known = node.m_kind >= 0 && static_cast<size_t>(node.m_kind) < kKindNames.size();
    Json json = Json::object();
    json["name"] = Text::Dump(node.m_name);
    // An unknown kind stores no suffix, which is what a plain memory stores.
    json["kind"] = std::string(kKindNames[known ? static_cast<size_t>(node.m_kind) : 0]);
    json["subName"] = Text::Dump(node.m_subName);
    json["value"] = node.m_value;
    json["aux"] = node.m_aux;
    json["isText"] = node.m_isText != 0 ? 1 : 0;
    json["flag2"] = node.m_flag2 != 0 ? 1 : 0;
    return json;
}

void Operand::Build(const Json& json, const std::string& path, Value& node)
{
    RequireExactKeys(json, path, kOperandParts, "is not a part of an operand");
    Text::Build(json.at("name"), Member(path, "name"), node.m_name);
    const Json& kind = json.at("kind");
    const auto* found = kind.is_string() ? std::find(kKindNames.begin(), kKindNames.end(), kind.get<std::string>())
                                         : kKindNames.end();
    if (found == kKindNames.end())
        throw FormError(Member(path, "kind"), "must be one of \"memory\", \"graph\", \"text\", \"literal_text\"");
    node.m_kind = static_cast<int32_t>(found - kKindNames.begin());
    Text::Build(json.at("subName"), Member(path, "subName"), node.m_subName);
    Int32::Build(json.at("value"), Member(path, "value"), node.m_value);
    Int32::Build(json.at("aux"), Member(path, "aux"), node.m_aux);
    DWORD bit = 0;
    Bit::Build(json.at("isText"), Member(path, "isText"), bit);
    node.m_isText = static_cast<int32_t>(bit);
    Bit::Build(json.at("flag2"), Member(path, "flag2"), bit);
    node.m_flag2 = static_cast<int32_t>(bit);
}

}
