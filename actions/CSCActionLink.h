#pragma once

#include <string_view>

#include "core/IStepchain.h"

// Runs an action of another screen object: the script calls the target's
// subroutine while the panel memory _MODE_ACTION_LINK is 1.
class CSCActionLink : public IStepchain {
public:
    explicit CSCActionLink(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    // Loading lets the host translate the stored target.
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_ACTIONLINK; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: no target.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    // Follows device renames: the device is the target's first "!"-separated
    // part. Removing the device puts the target aside; restoring brings it back.
    void MemSync(std::string oldName, std::string newName) override;

    // What the caption and the dialog show of a target: the part before its
    // last "!"; empty when it has none.
    static std::string ShownTarget(std::string_view target);

    // The host chooser's text: parts separated by "!", the device first.
    std::string m_target;
    // The target put aside while its device is removed; not archived.
    std::string m_savedTarget;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
