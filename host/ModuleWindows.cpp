#include "host/ModuleWindows.h"

#include <algorithm>
#include <vector>

#include "host/HostApi.h"
#include "host/HostMessages.h"

namespace {
std::vector<ModuleWindow*>& Open()
{
    static std::vector<ModuleWindow*> windows;
    return windows;
}
}

void OpenModuleWindow(ModuleWindow* window)
{
    auto& open = Open();
    if (window != nullptr && std::find(open.begin(), open.end(), window) == open.end())
        open.push_back(window);
}

void CloseModuleWindow(ModuleWindow* window) { std::erase(Open(), window); }

size_t CountModuleWindows() { return Open().size(); }

intptr_t SendToModuleWindows(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    // A window may open or close others while it handles the message.
    const std::vector<ModuleWindow*> snapshot = Open();
    intptr_t answer = 0;
    for (ModuleWindow* window : snapshot) {
        const auto& open = Open();
        if (std::find(open.begin(), open.end(), window) != open.end())
            answer = window->OnHostMessage(msg, wParam, lParam);
    }
    return answer;
}

namespace host {
void SendRename(const std::string& oldName, const std::string& newName)
{
    RenameRecord record{oldName, newName};
    SendToModuleWindows(hostmsg::RENAME, reinterpret_cast<uintptr_t>(&record), 0);
}
}
