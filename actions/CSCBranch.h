#pragma once

#include <cstdint>

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Continues at a label further down the list, always or when a comparison holds.
class CSCBranch : public IStepchain {
public:
    enum ConditionCode {
        COND_ALWAYS = 0,
        COND_EQUAL = 1,
        COND_GREATER_EQUAL = 2,
        COND_LESS_EQUAL = 3,
        COND_NOT_EQUAL = 4
    };

    explicit CSCBranch(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_BRANCH; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // -1: incomplete settings; 1: no label of that name; 2: the label lies above.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    // The comparison of a condition; null for COND_ALWAYS and outside the table.
    static const char* ScriptOperator(int32_t condition);

    CVXMemNode Subject;
    CVXMemNode Reference;
    int32_t Condition = COND_ALWAYS;
    std::string Label;

private:
    CStepchainData* m_list;
};
