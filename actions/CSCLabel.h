#pragma once

#include "core/IStepchain.h"

// A place in the event's code that conditional branches jump to.
class CSCLabel : public IStepchain {
public:
    explicit CSCLabel(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_LABEL; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: the name is empty; -1: another label of the list has the same name.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    std::string m_name;

private:
    CStepchainData* m_list;
};
