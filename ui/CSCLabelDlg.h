#pragma once

#include "ui/CSCDialog.h"

class QLineEdit;

// The label's settings: its name, which goes into a script line as typed.
class CSCLabelDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCLabelDlg(IStepchain* action, QWidget* parent, DWORD limit);

    QLineEdit* NameEdit() const { return m_name; }

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;

private:
    QLineEdit* m_name;
    // The name as shown; a name the user did not touch keeps its bytes.
    QString m_shown;
};
