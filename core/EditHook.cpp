#include "core/EditHook.h"

#include <array>

#include "core/IStepchain.h"

namespace {
std::array<ActionEditHook, SC_TYPE_COUNT> g_actionHooks{};
ListEditHook g_listHook = nullptr;
}

void SetActionEditHook(int typeId, ActionEditHook hook)
{
    if (typeId >= 0 && typeId < SC_TYPE_COUNT)
        g_actionHooks[static_cast<size_t>(typeId)] = hook;
}

void SetListEditHook(ListEditHook hook) { g_listHook = hook; }

int RunActionEditHook(IStepchain* action, QWidget* parent, DWORD limit)
{
    const int type = action->GetActionType();
    if (type < 0 || type >= SC_TYPE_COUNT || g_actionHooks[static_cast<size_t>(type)] == nullptr)
        return IDCANCEL;
    return g_actionHooks[static_cast<size_t>(type)](action, parent, limit);
}

int RunListEditHook(CStepchainData* list, QWidget* parent, DWORD limit, const std::string& key)
{
    return g_listHook != nullptr ? g_listHook(list, parent, limit, key) : IDCANCEL;
}
