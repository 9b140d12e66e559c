#pragma once

#include <cstdint>

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Shows the panel's keypad for typing a value into a memory: the numeric
// keypad for an ordinary memory, the character keypad for a text memory.
class CSCKeypad : public CSCAction {
public:
    explicit CSCKeypad(CStepchainData* list) : CSCAction(list, SC_KEYPAD) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    // Takes the link put aside as well.
    void CopyPropertiesFrom(IStepchain* source) override;
    BOOL MergeLimit(DWORD limit) override;
    // Follows a device rename or removal in the action link reference.
    void MemSync(std::string oldName, std::string newName) override;
    std::vector<ScriptText> GetScriptTexts() override;

    CVXMemNode Dest;
    int32_t FracDigits = 0;
    int32_t KeyPage = 0;
    int32_t RangeCheck = 0;
    CVXMemNode RangeMax;
    CVXMemNode RangeMin;
    CVXMemNode FracMem;
    int32_t TotalDigits = 5;
    int32_t FracFromMem = 0;
    int32_t UseMessage = 0;
    std::string Message;
    int32_t UseActLink = 0;
    std::string ActLink;
    // The link put aside while its device is removed; not archived.
    std::string ActLinkKept;

protected:
    // 1: no destination, no keypad page, or a range check without both bounds.
    void Check(InvalidCheck& check) override;

private:
    void LoadOlderLayout(CArchive& ar, int32_t intDigits);
    void AppendConfirmLines(std::string& text) const;
    std::string NumericScript() const;
    std::string CharacterScript() const;
};
