#pragma once

#include <cstdint>

#include "actions/CSCAction.h"

// Moves to a page after the operator has entered a password on a keypad
// page; the panel's runtime routine _PasskeyCall does the asking.
class CSCPassPage : public CSCAction {
public:
    explicit CSCPassPage(CStepchainData* list) : CSCAction(list, SC_PASSPAGE) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    BOOL MergeLimit(DWORD limit) override;
    std::vector<ScriptText> GetScriptTexts() override;

    // Decimal digits; the dialog allows at most eight.
    std::string m_password;
    int32_t m_jumpPage = 0;
    int32_t m_keypadPage = 0;

protected:
    // 1: the jump page or the keypad page is 0. An empty password is allowed.
    void Check(InvalidCheck& check) override;
};
