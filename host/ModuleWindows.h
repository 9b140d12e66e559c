#pragma once

#include <cstdint>
#include <string>

// A window of the module (the list editor, a settings dialog) that the host
// may send messages to while it is open. The editor and the dialogs register
// themselves for as long as they live; the host reaches them through
// SendToModuleWindows without knowing their classes.
class ModuleWindow {
public:
    virtual ~ModuleWindow() = default;
    virtual intptr_t OnHostMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;
};

void OpenModuleWindow(ModuleWindow* window);
void CloseModuleWindow(ModuleWindow* window);

// The open windows, oldest first, each once.
size_t CountModuleWindows();

// Delivers a message to every open window, oldest first (the editor before
// the settings dialog opened from it); a window that closes meanwhile is
// skipped. The answer is the last window's, 0 when none is open.
intptr_t SendToModuleWindows(uint32_t msg, uintptr_t wParam, intptr_t lParam);

namespace host {
// The rename message as the host sends it: every open module window renames
// `oldName` to `newName` in what it edits.
void SendRename(const std::string& oldName, const std::string& newName);
}
