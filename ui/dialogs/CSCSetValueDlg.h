#pragma once

#include "ui/CSCDialog.h"

// The set-value settings: the destination memory and the value it takes.
class CSCSetValueDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCSetValueDlg(IStepchain* action, QWidget* parent, DWORD limit);

    OperandEdit* const m_dest;
    OperandEdit* const m_value;
};
