#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/HostWindow.h"
#include "host/ProjectSettings.h"

// A host that answers from a host description (JSON). Texts in the
// description are UTF-8 and are answered in CP932.
class JsonHost : public HostWindow {
public:
    // Throw std::runtime_error with a one-line reason on a bad description:
    // the JSON path of what is wrong, or the line and column of a syntax
    // error. A key the description has no use for is refused, since it is
    // most often a misspelt one. FromFile's reason begins with the file.
    static std::unique_ptr<JsonHost> FromJson(const std::string& text);
    static std::unique_ptr<JsonHost> FromFile(const std::string& path);

    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;

    // The memories (CP932 name -> type) and the action-link targets (CP932).
    const std::map<std::string, int>& Memories() const { return m_memories; }
    const std::vector<std::string>& Objects() const { return m_objects; }

private:
    bool m_layers = false;
    bool m_fontBuilder = false;
    std::optional<ProjectSettings> m_settings = ProjectSettings{};
    std::map<std::string, int> m_memories;
    std::vector<std::string> m_subroutines;
    std::vector<std::string> m_objects;
};
