#pragma once

#include <cstdint>

// A window of the host application as the module sees it: it has a parent
// (none for the top-level window) and answers synchronous messages.
class HostWindow {
public:
    explicit HostWindow(HostWindow* parent = nullptr) : m_parent(parent) {}
    virtual ~HostWindow() = default;
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HostWindow* GetParent() const { return m_parent; }

    // The default window knows no message and answers 0.
    virtual intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam);

private:
    HostWindow* m_parent;
};

// The application's main window; null until the host (or a test) sets one.
void SetMainWindow(HostWindow* window);
HostWindow* GetMainWindow();

// The outermost parent of the main window, or null without a main window.
HostWindow* GetHostTopWindow();

// Delivers a message to the host's top-level window; 0 when there is none.
intptr_t SendToHost(uint32_t msg, uintptr_t wParam, intptr_t lParam);
