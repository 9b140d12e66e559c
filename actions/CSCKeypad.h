#pragma once

#include <cstdint>

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Shows the panel's keypad for typing a value into a memory: the numeric
// keypad for an ordinary memory, the character keypad for a text memory.
class CSCKeypad : public IStepchain {
public:
    explicit CSCKeypad(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_KEYPAD; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: no destination, no keypad page, or a range check without both bounds.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    // Follows a device rename or removal in the action link reference.
    void MemSync(std::string oldName, std::string newName) override;

    // The part of a link reference before its last "!": what the user sees.
    static std::string LinkShownText(const std::string& link);

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

private:
    void LoadOlderLayout(CArchive& ar, int32_t intDigits);
    void AppendConfirmLines(std::string& text) const;
    std::string NumericScript() const;
    std::string CharacterScript() const;

    [[maybe_unused]] CStepchainData* m_list;
};
