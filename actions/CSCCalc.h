#pragma once

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Adds an amount to a memory, optionally within limits and repeating while
// the button is held.
class CSCCalc : public IStepchain {
public:
    // The repeat switches start at the project's defaults.
    explicit CSCCalc(CStepchainData* list);

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_CALC; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: the destination or the amount is empty, or a checked limit is.
    int IsInvalid() override;
    // Bit 0x01 (the event cannot repeat) switches auto-repeat and acceleration off.
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    CVXMemNode Dest;
    CVXMemNode Delta;
    CVXMemNode Upper;
    CVXMemNode Lower;
    DWORD AutoRepeat;
    DWORD Beep;
    DWORD Accelerate;
    DWORD RangeCheck = 0;
    DWORD Wrap = 0;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
