#pragma once

#include "actions/CSCAction.h"

// A place in the event's code that conditional branches jump to.
class CSCLabel : public CSCAction {
public:
    explicit CSCLabel(CStepchainData* list) : CSCAction(list, SC_LABEL) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    std::vector<ScriptText> GetScriptTexts() override;

    std::string m_name;

protected:
    // 1: the name is empty; -1: another label of the list has the same name.
    void Check(InvalidCheck& check) override;
};
