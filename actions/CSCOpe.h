#pragma once

#include <cstdint>

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Computes one arithmetic operation on two values into a memory.
class CSCOpe : public IStepchain {
public:
    explicit CSCOpe(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_OPE; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: a name is missing or no operator is chosen.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    // The script operator of an operator position; empty outside the table.
    static const char* ScriptOperator(int32_t op);

    CVXMemNode Result;
    CVXMemNode Left;
    CVXMemNode Right;
    // Position in the operator table: + - * / %; -1 while none is chosen.
    int32_t Operator = -1;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
