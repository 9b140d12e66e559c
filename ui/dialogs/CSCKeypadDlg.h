#pragma once

#include <string>

#include "ui/CSCDialog.h"
#include "ui/FieldInput.h"
#include "ui/FieldKind.h"

class QCheckBox;
class QComboBox;

// The keypad call's settings: the destination memory (an ordinary memory
// gets the numeric keypad, a text memory the character keypad), the digit
// counts, the keypad's page, the range check, and what happens when the
// operator confirms the value.
class CSCKeypadDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCKeypadDlg(IStepchain* action, QWidget* parent, DWORD limit);

    // The controls, top to bottom.
    OperandEdit* const dest;
    QLineEdit* const totalDigits;
    QLineEdit* const fracDigits;
    OperandEdit* const fracMem;
    QCheckBox* const fracFromMem;
    QLineEdit* const keyPage;
    QComboBox* const rangeList;
    OperandEdit* const rangeMax;
    OperandEdit* const rangeMin;
    QCheckBox* const useMessage;
    QLineEdit* const message;
    QCheckBox* const useActLink;
    QLineEdit* const actLink;
    QPushButton* const chooseLink;

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;
    void OnMemoryChosen(CVXMemEditSC* edit, const CVXMemNode& node) override;

private:
    void ShowFracSource();
    void EnableRange();
    void EnableMessage();
    void ShowLink();
    void ChooseLink();
    // The numeric keypad's settings mean nothing for a text memory.
    void EnableNumeric(bool numeric);

    FieldKind m_destKind;
    ui::KeptText m_message;
    std::string m_link;
    std::string m_linkKept;
};
