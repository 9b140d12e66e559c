#pragma once

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Moves a time of day held in an hour and a minute memory by a number of
// minutes, optionally up to a limit time and repeating while the button is held.
class CSCCalcTime : public CSCAction {
public:
    // The repeat switches start at the project's defaults.
    explicit CSCCalcTime(CStepchainData* list);

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

    CVXMemNode Hour;
    CVXMemNode Minute;
    CVXMemNode Delta;
    CVXMemNode LimitHour;
    CVXMemNode LimitMinute;
    DWORD AutoRepeat;
    DWORD Accelerate;
    DWORD TimeLimit = 0;
    DWORD Beep;

protected:
    // 1: the hour, the minute or the amount is empty, or a checked limit is.
    void Check(InvalidCheck& check) override;
};
