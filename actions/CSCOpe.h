#pragma once

#include <cstdint>

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Computes one arithmetic operation on two values into a memory.
class CSCOpe : public CSCAction {
public:
    explicit CSCOpe(CStepchainData* list) : CSCAction(list, SC_OPE) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    std::vector<ScriptText> GetScriptTexts() override;

    // The script operator of an operator position; empty outside the table.
    static const char* ScriptOperator(int32_t op);

    CVXMemNode Result;
    CVXMemNode Left;
    CVXMemNode Right;
    // Position in the operator table: + - * / %; -1 while none is chosen.
    int32_t Operator = -1;

protected:
    // 1: a name is missing or no operator is chosen.
    void Check(InvalidCheck& check) override;
};
