#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/ProjectSettings.h"

class CStepchainData;
class CVXMemNode;
class IPWObject;
class QWidget;

// The picker request record: text in/out, the owner's name, the filter code
// (the host's), and the dialog that asks.
struct PickerRequest {
    std::string* text;
    const std::string* ownerName;
    uint32_t filter;
    QWidget* dialog;
};

// The record of the rename message that the host sends to the editor.
struct RenameRecord {
    std::string oldName;
    std::string newName;
};

// Typed wrappers of the host messages. With no host window every message
// answers 0, and each wrapper turns that into a safe result.
namespace host {

// The record the host answers with, or null when it has none.
const ProjectSettings* GetProjectSettings();
// A copy of the record; zeros and an empty model name without one.
ProjectSettings ReadProjectSettings();

void ApplyEditedList(CStepchainData* list, const std::string& key);
bool CaptionWanted(const std::string& name, const std::string& typeKey);
// The raw answer of the feature query; the host may fill `entries`.
intptr_t QueryFeature(const std::string& keyword, std::vector<std::string>* entries = nullptr);
bool HasFeature(const std::string& keyword);
// True when the host wrote a choice into request.text.
bool RequestPicker(const PickerRequest& request, QWidget* editor);
// The memory's type (0, 1, 2); `found` tells whether the host knows it.
int LookupMemory(const std::string& name, bool* found);
void RegisterMemory(const std::string& name, int type);
// True when the host wrote a target into `text`.
bool RequestActionLink(QWidget* dialog, std::string* text);
void NodeLoaded(CVXMemNode* node);
bool HasLayers();
void NodeCleared(IPWObject* owner);
// The host may rewrite the link text in place.
void TranslateLink(std::string* text);

}
