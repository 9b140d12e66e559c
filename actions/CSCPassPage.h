#pragma once

#include <cstdint>

#include "core/IStepchain.h"

// Moves to a page after the operator has entered a password on a keypad
// page; the panel's runtime routine _PasskeyCall does the asking.
class CSCPassPage : public IStepchain {
public:
    explicit CSCPassPage(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_PASSPAGE; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: the jump page or the keypad page is 0. An empty password is allowed.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    // Decimal digits; the dialog allows at most eight.
    std::string m_password;
    int32_t m_jumpPage = 0;
    int32_t m_keypadPage = 0;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
