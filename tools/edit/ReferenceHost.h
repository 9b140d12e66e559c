#pragma once

#include <string>

#include "host/HostWindow.h"
#include "tools/edit/MemoryPicker.h"

class CStepchainData;
class HostFile;
class IPWProperty;

// The host's top-level window as the module reaches it: it answers every
// message the module sends, from the host description and the session's own
// memories, and shows the host's pickers. It is the main window while it lives.
class ReferenceHost : public HostWindow {
public:
    // `rename` serves the picker's rename entry.
    ReferenceHost(HostFile& file, MemoryPicker::Rename rename);
    ~ReferenceHost() override;

    // The property whose edited list the apply-edited-list message brings.
    void SetProperty(IPWProperty* property) { m_property = property; }

    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;

private:
    intptr_t ApplyEditedList(CStepchainData* list, const std::string* key);

    HostFile& m_file;
    MemoryPicker::Rename m_rename;
    IPWProperty* m_property = nullptr;
};
