#include "tools/JsonHost.h"

#include <nlohmann/json.hpp>

#include <stdexcept>

#include "core/Cp932.h"
#include "host/HostMessages.h"

namespace {

using nlohmann::json;

std::string Text(const json& value, const std::string& where)
{
    if (!value.is_string())
        throw std::runtime_error(where + " must be a string");
    bool lossless = true;
    std::string text = cp932::FromUTF8(value.get<std::string>(), &lossless);
    if (!lossless)
        throw std::runtime_error(where + " holds a character that CP932 cannot hold");
    return text;
}

uint32_t Number(const json& value, const std::string& where)
{
    if (value.is_boolean())
        return value.get<bool>() ? 1 : 0;
    if (!value.is_number_integer() || value.get<long long>() < 0 || value.get<long long>() > 0xFFFFFFFFLL)
        throw std::runtime_error(where + " must be a whole number from 0 to 4294967295");
    return static_cast<uint32_t>(value.get<long long>());
}

std::vector<std::string> Texts(const json& value, const std::string& where)
{
    if (!value.is_array())
        throw std::runtime_error(where + " must be an array of strings");
    std::vector<std::string> out;
    for (size_t i = 0; i < value.size(); ++i)
        out.push_back(Text(value[i], where + "[" + std::to_string(i) + "]"));
    return out;
}

ProjectSettings Settings(const json& value)
{
    if (!value.is_object())
        throw std::runtime_error("settings must be an object or null");
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

std::unique_ptr<JsonHost> JsonHost::FromJson(const std::string& text)
{
    const json doc = json::parse(text, nullptr, false);
    if (doc.is_discarded())
        throw std::runtime_error("not valid JSON");
    if (!doc.is_object())
        throw std::runtime_error("the host description must be a JSON object");
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
            throw std::runtime_error("memories must be an object of name: type");
        for (const auto& [name, type] : doc["memories"].items()) {
            const uint32_t kind = Number(type, "memories." + name);
            if (kind > 2)
                throw std::runtime_error("memories." + name + " must be 0, 1 or 2");
            host->m_memories[Text(json(name), "memories key")] = static_cast<int>(kind);
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
