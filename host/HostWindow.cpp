#include "host/HostWindow.h"

namespace {
HostWindow* g_mainWindow = nullptr;
}

intptr_t HostWindow::OnMessage(uint32_t, uintptr_t, intptr_t) { return 0; }

void SetMainWindow(HostWindow* window) { g_mainWindow = window; }

HostWindow* GetMainWindow() { return g_mainWindow; }

HostWindow* GetHostTopWindow()
{
    HostWindow* window = g_mainWindow;
    while (window != nullptr && window->GetParent() != nullptr)
        window = window->GetParent();
    return window;
}

intptr_t SendToHost(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    HostWindow* top = GetHostTopWindow();
    return top != nullptr ? top->OnMessage(msg, wParam, lParam) : 0;
}
