#pragma once

#include "core/IStepchain.h"

// Leaves the event's code early by jumping to its exit label.
class CSCActionExit : public IStepchain {
public:
    explicit CSCActionExit(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_ACTIONEXIT; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
