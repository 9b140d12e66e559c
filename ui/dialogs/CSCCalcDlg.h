#pragma once

#include "ui/AutoRepeatBoxes.h"
#include "ui/CSCDialog.h"

class QCheckBox;

// The add/subtract settings: destination and amount, the auto-repeat
// switches, and the optional range with its limits and wrap-around.
class CSCCalcDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCCalcDlg(IStepchain* action, QWidget* parent, DWORD limit);

    OperandEdit* const m_dest;
    OperandEdit* const m_delta;
    OperandEdit* const m_upper;
    OperandEdit* const m_lower;
    AutoRepeatBoxes m_repeat;
    QCheckBox* const m_rangeCheck;
    QCheckBox* const m_wrap;

protected:
    void LoadFields() override;
    void StoreFields() override;
};
