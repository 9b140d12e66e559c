#pragma once

#include "ui/AutoRepeatBoxes.h"
#include "ui/CSCDialog.h"

class QCheckBox;

// The clock add/subtract settings: hour and minute memories, the minutes to
// add, the auto-repeat switches, and the optional limit time.
class CSCCalcTimeDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCCalcTimeDlg(IStepchain* action, QWidget* parent, DWORD limit);

    OperandEdit* const m_hour;
    OperandEdit* const m_minute;
    OperandEdit* const m_delta;
    OperandEdit* const m_limitHour;
    OperandEdit* const m_limitMinute;
    AutoRepeatBoxes m_repeat;
    QCheckBox* const m_timeLimit;

protected:
    void LoadFields() override;
    void StoreFields() override;
};
