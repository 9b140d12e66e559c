#pragma once

#include "ui/CSCDialog.h"

class QComboBox;

// The arithmetic settings, laid out as the formula reads:
// result ← value 1, operator, value 2.
class CSCOpeDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCOpeDlg(IStepchain* action, QWidget* parent, DWORD limit);

    OperandEdit* const m_result;
    OperandEdit* const m_left;
    QComboBox* const m_operator;
    OperandEdit* const m_right;

protected:
    void LoadFields() override;
    void StoreFields() override;
};
