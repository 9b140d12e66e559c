#include "tools/JsonHost.h"

#include <algorithm>

#include "core/Cp932.h"
#include "host/HostMessages.h"
#include "tools/FileIo.h"
#include "tools/textform/FormError.h"
#include "tools/textform/StrictJson.h"

namespace {

using textform::FormError;
using textform::Json;
using json = Json;

// A project with a hundred thousand memories of long names takes a few
// megabytes; more is no host description.
constexpr uint64_t kMaxHostBytes = 64u << 20;

// Refuses a key that `known` lacks, naming it and the keys there are.
void RequireKnownKeys(const json& value, const std::string& where, std::initializer_list<std::string_view> known)
{
    for (const auto& item : value.items()) {
        if (std::find(known.begin(), known.end(), item.key()) != known.end())
            continue;
        std::string keys;
        for (std::string_view key : known)
            keys += (keys.empty() ? "" : ", ") + std::string(key);
        throw FormError(textform::Member(where, item.key()), "is not a key of " +
                                                                 (where.empty() ? std::string("a host description")
                                                                                : where) +
                                                                 " (the keys are " + keys + ")");
    }
}

std::string Text(const json& value, const std::string& where)
{
    if (!value.is_string())
        throw FormError(where, "must be a string");
    bool lossless = true;
    std::string text = cp932::FromUTF8(value.get<std::string>(), &lossless);
    if (!lossless)
        throw FormError(where, "holds a character that CP932 cannot hold");
    return text;
}

uint32_t Number(const json& value, const std::string& where)
{
    if (value.is_boolean())
        return value.get<bool>() ? 1 : 0;
    if (!value.is_number_integer() || value.get<long long>() < 0 || value.get<long long>() > 0xFFFFFFFFLL)
        throw FormError(where, "must be a whole number from 0 to 4294967295");
    return static_cast<uint32_t>(value.get<long long>());
}

std::vector<std::string> Texts(const json& value, const std::string& where)
{
    if (!value.is_array())
        throw FormError(where, "must be an array of strings");
    std::vector<std::string> out;
    for (size_t i = 0; i < value.size(); ++i)
        out.push_back(Text(value[i], textform::Element(where, i)));
    return out;
}

ProjectSettings Settings(const json& value)
{
    if (!value.is_object())
        throw FormError("settings", "must be an object or null");
    RequireKnownKeys(value, "settings",
                     {"model", "default_auto_repeat", "default_accelerate", "default_beep", "repeat_start_time",
                      "repeat_interval", "acceleration_time", "layer_check"});
    ProjectSettings settings;
    const std::pair<const char*, uint32_t*> numbers[] = {
        {"default_auto_repeat", &settings.DefaultAutoRepeat},
        {"default_accelerate", &settings.DefaultAccelerate},
        {"default_beep", &settings.DefaultBeep},
        {"repeat_start_time", &settings.RepeatStartTime},
        {"repeat_interval", &settings.RepeatInterval},
        {"acceleration_time", &settings.AccelerationTime},
    };
    for (const auto& [key, field] : numbers) {
        if (value.contains(key))
            *field = Number(value[key], std::string("settings.") + key);
    }
    if (value.contains("layer_check"))
        settings.LayerCheck = static_cast<int32_t>(Number(value["layer_check"], "settings.layer_check"));
    if (value.contains("model"))
        settings.ModelName = Text(value["model"], "settings.model");
    return settings;
}

}

std::unique_ptr<JsonHost> JsonHost::FromFile(const std::string& path)
{
    const SizeLimit limit{"a host description", [](std::string_view) { return kMaxHostBytes; }};
    try {
        return FromJson(ReadWholeFile(path, limit));
    } catch (const std::runtime_error& e) {
        throw std::runtime_error((path == "-" ? std::string("standard input") : path) + ": " + e.what());
    }
}

std::unique_ptr<JsonHost> JsonHost::FromJson(const std::string& text)
{
    const json doc = textform::ParseStrict(text, 8);
    if (!doc.is_object())
        throw FormError({}, "a host description must be a JSON object");
    RequireKnownKeys(doc, {}, {"layers", "font_builder", "settings", "memories", "objects", "subroutines"});
    auto host = std::make_unique<JsonHost>();
    if (doc.contains("layers"))
        host->m_layers = Number(doc["layers"], "layers") != 0;
    if (doc.contains("font_builder"))
        host->m_fontBuilder = Number(doc["font_builder"], "font_builder") != 0;
    if (doc.contains("settings")) {
        if (doc["settings"].is_null())
            host->m_settings.reset();
        else
            host->m_settings = Settings(doc["settings"]);
    }
    if (doc.contains("memories")) {
        if (!doc["memories"].is_object())
            throw FormError("memories", "must be an object of name: type");
        for (const auto& [name, type] : doc["memories"].items()) {
            const std::string where = textform::Member("memories", name);
            const uint32_t kind = Number(type, where);
            if (kind > 2)
                throw FormError(where, "must be 0, 1 or 2");
            host->m_memories[Text(json(name), where)] = static_cast<int>(kind);
        }
    }
    if (doc.contains("objects"))
        host->m_objects = Texts(doc["objects"], "objects");
    if (doc.contains("subroutines"))
        host->m_subroutines = Texts(doc["subroutines"], "subroutines");
    return host;
}

intptr_t JsonHost::OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    switch (msg) {
    case hostmsg::PROJECT_SETTINGS:
        return m_settings ? reinterpret_cast<intptr_t>(&*m_settings) : 0;
    case hostmsg::LAYER_SUPPORT:
        return m_layers ? 1 : 0;
    case hostmsg::FEATURE_QUERY: {
        const auto& keyword = *reinterpret_cast<const std::string*>(wParam);
        auto* entries = reinterpret_cast<std::vector<std::string>*>(lParam);
        if (keyword == "WIZ_FONTBUILDER")
            return m_fontBuilder ? hostmsg::FEATURE_PRESENT_MASK : 0;
        if (keyword == "WIZ_MODULEREGST") {
            if (entries != nullptr)
                *entries = m_subroutines;
            return hostmsg::FEATURE_PRESENT_MASK;
        }
        return 0;
    }
    case hostmsg::MEMORY_LOOKUP: {
        const auto& name = *reinterpret_cast<const std::string*>(wParam);
        const auto found = m_memories.find(name);
        *reinterpret_cast<int32_t*>(lParam) = found != m_memories.end() ? 1 : 0;
        return found != m_memories.end() ? found->second : 0;
    }
    default:
        return 0;
    }
}
