#include "host/HostApi.h"

#include "host/HostMessages.h"
#include "host/HostWindow.h"

namespace {
uintptr_t W(const void* p) { return reinterpret_cast<uintptr_t>(p); }
intptr_t L(const void* p) { return reinterpret_cast<intptr_t>(p); }
}

namespace host {

const ProjectSettings* GetProjectSettings()
{
    return reinterpret_cast<const ProjectSettings*>(SendToHost(hostmsg::PROJECT_SETTINGS, 0, 0));
}

ProjectSettings ReadProjectSettings()
{
    const ProjectSettings* settings = GetProjectSettings();
    return settings != nullptr ? *settings : ProjectSettings{};
}

void ApplyEditedList(CStepchainData* list, const std::string& key)
{
    SendToHost(hostmsg::APPLY_EDITED_LIST, W(list), L(&key));
}

bool CaptionWanted(const std::string& name, const std::string& typeKey)
{
    return SendToHost(hostmsg::CAPTION_WANTED, W(&name), L(&typeKey)) != 0;
}

intptr_t QueryFeature(const std::string& keyword, std::vector<std::string>* entries)
{
    return SendToHost(hostmsg::FEATURE_QUERY, W(&keyword), L(entries));
}

bool HasFeature(const std::string& keyword)
{
    return (QueryFeature(keyword) & hostmsg::FEATURE_PRESENT_MASK) != 0;
}

bool RequestPicker(const PickerRequest& request, QWidget* editor)
{
    return SendToHost(hostmsg::PICKER_REQUEST, W(&request), L(editor)) == 1;
}

int LookupMemory(const std::string& name, bool* found)
{
    int32_t flag = 0;
    const intptr_t type = SendToHost(hostmsg::MEMORY_LOOKUP, W(&name), L(&flag));
    if (found != nullptr)
        *found = flag != 0;
    return static_cast<int>(type);
}

void RegisterMemory(const std::string& name, int type)
{
    SendToHost(hostmsg::REGISTER_MEMORY, W(&name), type);
}

bool RequestActionLink(QWidget* dialog, std::string* text)
{
    return SendToHost(hostmsg::ACTION_LINK_REQUEST, W(dialog), L(text)) == 1;
}

void NodeLoaded(CVXMemNode* node) { SendToHost(hostmsg::NODE_LOADED, W(node), 0); }

bool HasLayers() { return SendToHost(hostmsg::LAYER_SUPPORT, 0, 0) != 0; }

void NodeCleared(IPWObject* owner) { SendToHost(hostmsg::NODE_CLEARED, W(owner), 0); }

void TranslateLink(std::string* text) { SendToHost(hostmsg::TRANSLATE_LINK, W(text), 0); }

}
