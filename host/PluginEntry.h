#pragma once

#include "host/WinTypes.h"

class IPWObject;
class IPWProperty;

// The entry points that the host looks up in a property module, by these
// names, with C linkage.
inline constexpr const char* PLUGIN_GET_TYPE = "GetType";
inline constexpr const char* PLUGIN_CREATE = "Create";

// The module's property type key.
using GetTypeProc = const char* (*)();
// Creates a property on the twelve arguments of CPWProperty's constructor;
// null when it cannot.
using CreateProc = IPWProperty* (*)(int internalId, IPWObject* owner, const char* name, WORD internalTag, int lock,
                                    void* value, const char* tips, int context, long backColor, DWORD subtype,
                                    int unVisible, const char* defaultLangName);
