#pragma once

#include "actions/CSCAction.h"

// Calls a subroutine of the panel program by name.
class CSCCall : public CSCAction {
public:
    explicit CSCCall(CStepchainData* list) : CSCAction(list, SC_CALL) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    std::vector<ScriptText> GetScriptTexts() override;

    // The entry as chosen or typed: the routine's name, then perhaps ":" and
    // a comment. Only the name is called.
    std::string m_routine;

protected:
    // 1: no routine given.
    void Check(InvalidCheck& check) override;
};
