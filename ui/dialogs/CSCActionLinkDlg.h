#pragma once

#include "ui/CSCDialog.h"

class QLineEdit;
class QPushButton;

// The action link's settings: the target, chosen in the host's chooser.
class CSCActionLinkDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCActionLinkDlg(IStepchain* action, QWidget* parent, DWORD limit);

    QLineEdit* TargetEdit() const { return m_shown; }
    QPushButton* ChooseButton() const { return m_choose; }

protected:
    void LoadFields() override;

private:
    void Choose();

    QLineEdit* m_shown;
    QPushButton* m_choose;
};
