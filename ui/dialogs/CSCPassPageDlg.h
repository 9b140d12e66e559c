#pragma once

#include "ui/CSCDialog.h"

class QLineEdit;

// The password page jump's settings: the password and the two page numbers.
class CSCPassPageDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCPassPageDlg(IStepchain* action, QWidget* parent, DWORD limit);

    QLineEdit* PasswordEdit() const { return m_password; }
    QLineEdit* JumpPageEdit() const { return m_jumpPage; }
    QLineEdit* KeypadPageEdit() const { return m_keypadPage; }

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;

private:
    QLineEdit* m_password;
    QLineEdit* m_jumpPage;
    QLineEdit* m_keypadPage;
};
