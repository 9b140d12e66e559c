// The two functions the host looks up after loading the module.
#include <new>
#include <type_traits>

#include "core/Export.h"
#include "host/PluginEntry.h"
#include "plugin/CPWPropStepchain.h"

extern "C" {

STEPCHAIN_EXPORT const char* GetType() { return STEPCHAIN_TYPE_KEY; }

STEPCHAIN_EXPORT IPWProperty* Create(int internalId, IPWObject* owner, const char* name, WORD internalTag, int lock,
                                     void* value, const char* tips, int context, long backColor, DWORD subtype,
                                     int unVisible, const char* defaultLangName)
{
    try {
        return new CPWPropStepchain(internalId, owner, name, internalTag, lock, value, tips, context, backColor,
                                    subtype, unVisible, defaultLangName);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}

static_assert(std::is_same_v<decltype(&GetType), GetTypeProc>);
static_assert(std::is_same_v<decltype(&Create), CreateProc>);
