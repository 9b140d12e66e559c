#pragma once

#include "ui/CSCDialog.h"
#include "ui/FieldInput.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

// The string operation's settings: the text memory operated on, the
// operation, and the literal text, text memory or integer memory (with its
// number format) that the operation takes.
class CSCStringDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCStringDlg(IStepchain* action, QWidget* parent, DWORD limit);

    QRadioButton* Radio(int operation) const;

    OperandEdit* const target;
    QButtonGroup* const operations;  // button ids are the operation codes
    QLabel* const sourceLabel;
    QLineEdit* const text;
    OperandEdit* const source;
    QLabel* const integerLabel;
    QLineEdit* const integerDigits;
    QLabel* const fractionLabel;
    QLineEdit* const fractionDigits;

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;

private:
    void OperationClicked(int operation);
    // Shows what the chosen operation takes, and lets the source field take
    // the kind of memory that it needs.
    void ShowOperation();

    int m_operation = -1;
    ui::KeptText m_text;
};
