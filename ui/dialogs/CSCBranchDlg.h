#pragma once

#include "ui/CSCDialog.h"

class QComboBox;
class QLineEdit;

// The conditional branch settings: the condition, the memory evaluated, the
// value it is compared with, and the label to continue at.
class CSCBranchDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCBranchDlg(IStepchain* action, QWidget* parent, DWORD limit);

    QComboBox* const m_condition;
    OperandEdit* const m_subject;
    OperandEdit* const m_reference;
    QLineEdit* const m_label;

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;

private:
    // The entry the condition box names: the one whose text it shows; -1
    // when typing left a text that names none.
    int Position() const;
    void OnConditionEdited();

    int m_position = -1;
    // The label as shown; a label the user did not touch keeps its bytes.
    QString m_shownLabel;
};
