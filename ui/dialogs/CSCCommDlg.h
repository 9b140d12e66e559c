#pragma once

#include "ui/CSCDialog.h"
#include "ui/FieldInput.h"
#include "ui/FieldKind.h"

class QComboBox;

// The communication output's settings: what is sent (a message, a memory's
// value, or the object's and event's names) and the message or memory.
class CSCCommDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCCommDlg(IStepchain* action, QWidget* parent, DWORD limit);

    QComboBox* const contentKind;
    OperandEdit* const content;

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;
    void OnMemoryChosen(CVXMemEditSC* edit, const CVXMemNode& node) override;

private:
    // A message is free text; a memory value is a checked memory name.
    void ShowContentKind();

    FieldKind m_memoryKind;
    ui::KeptText m_message;
};
