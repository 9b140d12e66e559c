#pragma once

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Copies a constant or the contents of another memory into a memory.
class CSCSetValue : public IStepchain {
public:
    explicit CSCSetValue(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_SETVALUE; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: the destination or the value is empty.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    CVXMemNode Dest;
    CVXMemNode Source;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
