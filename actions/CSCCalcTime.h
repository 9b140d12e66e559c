#pragma once

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Moves a time of day held in an hour and a minute memory by a number of
// minutes, optionally up to a limit time and repeating while the button is held.
class CSCCalcTime : public IStepchain {
public:
    // The repeat switches start at the project's defaults.
    explicit CSCCalcTime(CStepchainData* list);

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_CALCTIME; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: the hour, the minute or the amount is empty, or a checked limit is.
    int IsInvalid() override;
    // Bit 0x20 forbids the kind; bit 0x01 switches auto-repeat and acceleration off.
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    CVXMemNode Hour;
    CVXMemNode Minute;
    CVXMemNode Delta;
    CVXMemNode LimitHour;
    CVXMemNode LimitMinute;
    DWORD AutoRepeat;
    DWORD Accelerate;
    DWORD TimeLimit = 0;
    DWORD Beep;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
