#pragma once

#include <QWidget>
#include <cstdint>

class CSCDialog;
class CVXMemEditSC;
class CVXMemNode;
class QPushButton;

// A memory-name field with its "▼" button, bound to the operand of the
// dialog's copy that it edits. The button opens the host's memory picker
// (CSCDialog::PickMemory with the field's filter code). The dialog loads and
// stores every operand edit it holds by itself, and checks each on OK.
class OperandEdit : public QWidget {
    Q_OBJECT
public:
    OperandEdit(CSCDialog* dialog, CVXMemNode* node, uint32_t filter, QWidget* parent = nullptr);

    CVXMemEditSC* Edit() const { return m_edit; }
    QPushButton* PickButton() const { return m_pick; }
    CVXMemNode* Node() const { return m_node; }
    uint32_t Filter() const { return m_filter; }
    // For a field whose list of memories depends on another control.
    void SetFilter(uint32_t filter) { m_filter = filter; }

    // When set, the text is stored as typed, a leading "#" included.
    bool m_keepsHash = false;
    // When set, a disabled field (its setting does not apply) leaves the operand as it was.
    bool m_keepsWhileDisabled = false;

    // The operand's name into the field (as stored, without "#").
    void Load();
    // The field into the operand: a leading "#" is dropped (unless
    // m_keepsHash). A field the user left as loaded keeps the operand's
    // bytes. False (and nothing stored) when the text holds a character
    // CP932 cannot hold.
    bool Store();

private:
    CVXMemEditSC* m_edit;
    QPushButton* m_pick;
    CVXMemNode* m_node;
    uint32_t m_filter;
    QString m_loaded;
};
