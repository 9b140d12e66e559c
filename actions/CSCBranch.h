#pragma once

#include <cstdint>

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Continues at a label further down the list, always or when a comparison holds.
class CSCBranch : public CSCAction {
public:
    enum ConditionCode {
        COND_ALWAYS = 0,
        COND_EQUAL = 1,
        COND_GREATER_EQUAL = 2,
        COND_LESS_EQUAL = 3,
        COND_NOT_EQUAL = 4
    };

    explicit CSCBranch(CStepchainData* list) : CSCAction(list, SC_BRANCH) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    std::vector<ScriptText> GetScriptTexts() override;

    // The comparison of a condition; null for COND_ALWAYS and outside the table.
    static const char* ScriptOperator(int32_t condition);

    CVXMemNode Subject;
    CVXMemNode Reference;
    int32_t Condition = COND_ALWAYS;
    std::string Label;

protected:
    // -1: incomplete settings; 1: no label of that name; 2: the label lies above.
    void Check(InvalidCheck& check) override;
};
