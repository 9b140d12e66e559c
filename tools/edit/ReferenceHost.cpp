#include "tools/edit/ReferenceHost.h"

#include "core/CStepchainData.h"
#include "host/HostApi.h"
#include "host/HostMessages.h"
#include "host/IPWProperty.h"
#include "tools/edit/HostFile.h"
#include "tools/edit/LinkChooser.h"

ReferenceHost::ReferenceHost(HostFile& file, MemoryPicker::Rename rename) : m_file(file), m_rename(std::move(rename))
{
    SetMainWindow(this);
}

ReferenceHost::~ReferenceHost() { SetMainWindow(nullptr); }

intptr_t ReferenceHost::OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    switch (msg) {
    case hostmsg::CAPTION_WANTED:
        return 1;
    case hostmsg::APPLY_EDITED_LIST:
        return ApplyEditedList(reinterpret_cast<CStepchainData*>(wParam), reinterpret_cast<const std::string*>(lParam));
    case hostmsg::PICKER_REQUEST: {
        const auto* request = reinterpret_cast<const PickerRequest*>(wParam);
        if (request == nullptr || request->text == nullptr)
            return 0;
        MemoryPicker picker(m_file, request->filter, *request->text,
                            request->ownerName != nullptr ? *request->ownerName : std::string(), m_rename,
                            request->dialog);
        if (picker.exec() != QDialog::Accepted || picker.Choice().empty())
            return 0;
        *request->text = picker.Choice();
        return 1;
    }
    case hostmsg::MEMORY_LOOKUP: {
        const auto* name = reinterpret_cast<const std::string*>(wParam);
        const auto found = name != nullptr ? m_file.Memories().find(*name) : m_file.Memories().end();
        const bool known = found != m_file.Memories().end();
        if (lParam != 0)
            *reinterpret_cast<int32_t*>(lParam) = known ? 1 : 0;
        return known ? found->second : 0;
    }
    case hostmsg::REGISTER_MEMORY: {
        const auto* name = reinterpret_cast<const std::string*>(wParam);
        if (name != nullptr && !name->empty() && lParam >= 0 && lParam <= 2)
            m_file.Register(*name, static_cast<int>(lParam));
        return 0;
    }
    case hostmsg::ACTION_LINK_REQUEST: {
        auto* text = reinterpret_cast<std::string*>(lParam);
        if (text == nullptr)
            return 0;
        LinkChooser chooser(m_file.Objects(), *text, reinterpret_cast<QWidget*>(wParam));
        if (chooser.exec() != QDialog::Accepted || chooser.Choice().empty())
            return 0;
        *text = chooser.Choice();
        return 1;
    }
    // Loaded operands, cleared operands and loaded links are the project's
    // business; this host keeps no project beyond the one list, and leaves
    // them as they are.
    case hostmsg::NODE_LOADED:
    case hostmsg::NODE_CLEARED:
    case hostmsg::TRANSLATE_LINK:
        return 0;
    default:
        // Project settings, layer support and the feature query.
        return m_file.Answers().OnMessage(msg, wParam, lParam);
    }
}

intptr_t ReferenceHost::ApplyEditedList(CStepchainData* list, const std::string* key)
{
    // The key names the property whose list this is.
    if (list == nullptr || key == nullptr || m_property == nullptr || *key != m_property->GetName())
        return 0;
    if (auto* value = static_cast<CStepchainData*>(m_property->GetValue()))
        value->CopyPropertiesFrom(list);
    return 0;
}
