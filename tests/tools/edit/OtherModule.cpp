// A property module of another type, which stepchain-edit must refuse.
#include "core/Export.h"
#include "host/PluginEntry.h"

extern "C" {
STEPCHAIN_EXPORT const char* GetType() { return "OTHER"; }
STEPCHAIN_EXPORT IPWProperty* Create(int, IPWObject*, const char*, WORD, int, void*, const char*, int, long, DWORD, int,
                                     const char*)
{
    return nullptr;
}
}
