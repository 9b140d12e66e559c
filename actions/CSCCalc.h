#pragma once

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Adds an amount to a memory, optionally within limits and repeating while
// the button is held.
class CSCCalc : public CSCAction {
public:
    // The repeat switches start at the project's defaults.
    explicit CSCCalc(CStepchainData* list);

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    // The order in which a rename reaches the operands.
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL MergeLimit(DWORD limit) override;
    std::vector<ScriptText> GetScriptTexts() override;
    // On only when the switch is 1.
    bool RepeatsAutomatically() const override { return AutoRepeat == 1; }

    CVXMemNode Dest;
    CVXMemNode Delta;
    CVXMemNode Upper;
    CVXMemNode Lower;
    DWORD AutoRepeat;
    DWORD Beep;
    DWORD Accelerate;
    DWORD RangeCheck = 0;
    DWORD Wrap = 0;

protected:
    // 1: the destination or the amount is empty, or a checked limit is.
    void Check(InvalidCheck& check) override;
};
