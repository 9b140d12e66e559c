#include "support/FakeHost.h"

#include <algorithm>

intptr_t FakeHost::OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    received.push_back(msg);
    switch (msg) {
    case hostmsg::PROJECT_SETTINGS:
        return hasSettings ? reinterpret_cast<intptr_t>(&settings) : 0;
    case hostmsg::LAYER_SUPPORT:
        return layers ? 1 : 0;
    case hostmsg::FEATURE_QUERY: {
        const auto& keyword = *reinterpret_cast<const std::string*>(wParam);
        const auto found = features.find(keyword);
        if (found == features.end())
            return 0;
        if (lParam != 0)
            *reinterpret_cast<std::vector<std::string>*>(lParam) = found->second;
        return hostmsg::FEATURE_PRESENT_MASK;
    }
    case hostmsg::MEMORY_LOOKUP: {
        const auto& name = *reinterpret_cast<const std::string*>(wParam);
        const auto found = memories.find(name);
        *reinterpret_cast<int32_t*>(lParam) = found != memories.end() ? 1 : 0;
        return found != memories.end() ? found->second : 0;
    }
    case hostmsg::NODE_LOADED:
        nodesLoaded.push_back(wParam);
        return 0;
    case hostmsg::NODE_CLEARED:
        nodesCleared.push_back(reinterpret_cast<IPWObject*>(wParam));
        return 0;
    case hostmsg::TRANSLATE_LINK:
        if (translateLink)
            translateLink(*reinterpret_cast<std::string*>(wParam));
        return 0;
    default:
        return 0;
    }
}

int FakeHost::Count(uint32_t msg) const
{
    return static_cast<int>(std::count(received.begin(), received.end(), msg));
}
