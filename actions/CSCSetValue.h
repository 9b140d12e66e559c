#pragma once

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Copies a constant or the contents of another memory into a memory.
class CSCSetValue : public CSCAction {
public:
    explicit CSCSetValue(CStepchainData* list) : CSCAction(list, SC_SETVALUE) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    std::vector<ScriptText> GetScriptTexts() override;

    CVXMemNode Dest;
    CVXMemNode Source;

protected:
    // 1: the destination or the value is empty.
    void Check(InvalidCheck& check) override;
};
