#pragma once

#include "core/CVXMemNode.h"
#include "ui/CSCDialog.h"

class OperandEdit;
class QComboBox;
class QRadioButton;

// The page jump's settings: next, previous or a given page, and on models
// with layers the layer whose page changes and the transition effect.
class CSCPageJumpDlg : public CSCDialog {
    Q_OBJECT
public:
    CSCPageJumpDlg(IStepchain* action, QWidget* parent, DWORD limit);

    // The action radio buttons in action order: next, previous, given page.
    QRadioButton* ActionButton(int action) const { return m_actions[action]; }
    OperandEdit* Page() const { return m_page; }
    QComboBox* LayerList() const { return m_layer; }
    QComboBox* EffectList() const { return m_effect; }

protected:
    void LoadFields() override;
    bool CheckFields() override;
    void StoreFields() override;

private:
    // The checked action, -1 when none is.
    int CheckedAction() const;
    void UpdateEnabling();

    // Asked once: the model cannot change while the dialog is open.
    const bool m_layers;
    QRadioButton* m_actions[3];
    OperandEdit* m_page;
    QComboBox* m_layer;
    QComboBox* m_effect;
    // The page as loaded: next and previous leave it as it was.
    CVXMemNode m_keptPage;
};
