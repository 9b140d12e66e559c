#pragma once

#include "ui/CSCDialog.h"

class QComboBox;
class QLabel;

// The graph memory access settings: the graph memory, the position in it,
// reading or writing, and the value written or the memory read into.
class CSCSetGraphMemDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCSetGraphMemDlg(IStepchain* action, QWidget* parent, DWORD limit);

    OperandEdit* const m_graphMem;
    OperandEdit* const m_position;
    QComboBox* const m_access;
    OperandEdit* const m_value;
    QLabel* m_valueLabel = nullptr;

protected:
    void LoadFields() override;
    void StoreFields() override;

private:
    void OnAccessChanged(int access);
};
