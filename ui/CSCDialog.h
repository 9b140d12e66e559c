#pragma once

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "core/CStepchainData.h"
#include "core/Texts.h"
#include "host/ModuleWindows.h"

class CVXMemEditSC;
class CVXMemNode;
class IPWObject;
class OperandEdit;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

// The base of every settings dialog.
//
// A dialog edits a copy of its action, made when it is built; only OK writes
// the copy back into the action, so a "▼" pick followed by cancel changes
// nothing. A dialog class needs a constructor (IStepchain*, QWidget* parent,
// DWORD limit) and registers as `&CSCDialog::Open<TheDialog>` with the editing
// hooks (ui/UiStart.cpp). What a dialog writes:
//
//   - in the constructor: its controls. `CopyAs<CSCKind>()` is the copy to
//     read and write. Memory-name fields are `OperandEdit`s (field + "▼"
//     button bound to an operand of the copy and a picker filter code; set
//     m_refuseNumber / m_kindMask on `Edit()`); `AddOkCancel` adds the OK
//     and cancel buttons (OK the default button, every other button without
//     autoDefault through `SetNoAutoDefault`).
//   - `LoadFields`: the copy into the controls (the operand edits load themselves).
//   - `CheckFields`: the dialog's own refusals on OK, each with `Warn` and the
//     focus on the field; `ReadText` reads a field as CP932 and refuses a
//     character CP932 cannot hold. The memory-name fields (those enabled and
//     shown) are checked first.
//   - `StoreFields`: the controls into the copy (the operand edits store themselves).
//   - `OnMemoryChosen`: optional, the host or the field's check named a memory.
//
// While the dialog is open the host may rename a memory (message 0x203E): the
// dialog stores its controls into the copy, renames there as the list would,
// and loads the controls again, so that OK keeps the new name.
class CSCDialog : public QDialog, public ModuleWindow {
    Q_OBJECT
public:
    CSCDialog(IStepchain* action, QWidget* parent, DWORD limit);
    ~CSCDialog() override;

    // Builds a dialog of class D on the action, runs it and writes back on OK.
    template <class D>
    static int Open(IStepchain* action, QWidget* parent, DWORD limit)
    {
        return Exec(new D(action, parent, limit));
    }
    // Runs a dialog made with new and deletes it; IDOK when confirmed and
    // written back. A dialog deleted while it runs (its parent went) is IDCANCEL.
    static int Exec(CSCDialog* dialog);

    IStepchain* GetCopy() const { return m_copy; }
    template <class T>
    T* CopyAs() const
    {
        return static_cast<T*>(m_copy);
    }
    DWORD GetLimit() const { return m_limit; }

    // The "▼" handler: the host's memory picker starts from the operand's
    // name (with its kind suffix); a choice goes into the node and the field.
    // True when the host made a choice.
    bool PickMemory(CVXMemEditSC* edit, CVXMemNode& node, uint32_t filter);
    // The "選択" handler of action-link fields; true when `text` took a target.
    bool PickActionLink(std::string& text);

    // The owner of the list being edited (from the editor the dialog was
    // opened from), and its name; null and empty without one.
    IPWObject* OwnerObject() const;
    std::string OwnerName() const;

    // The memory-chosen notification (message 0x204B), from PickMemory and
    // from a field's check.
    void NotifyMemoryChosen(CVXMemEditSC* edit, const CVXMemNode& node);

    intptr_t OnHostMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;

    // Called by OperandEdit when it is made.
    void AddOperand(OperandEdit* operand);

    // Turns autoDefault off on every push button below `root` but `defaultButton`.
    static void SetNoAutoDefault(QWidget* root, QPushButton* defaultButton = nullptr);
    // A right-aligned line of OK and cancel buttons (cancel labelled `cancelText`).
    QHBoxLayout* AddOkCancel(Txt cancelText);
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // The field's text as CP932 (a leading "#" dropped when `dropHash`). A
    // character CP932 cannot hold is refused: message, focus, false.
    bool ReadText(QLineEdit* edit, std::string* out, bool dropHash = false);
    // A warning with one of the module's texts, or a ready text.
    void Warn(Txt message);
    void Warn(const QString& message);
    // Refuses OK: the warning, then the focus on the field to fix; false.
    bool Refuse(QWidget* field, Txt message);
    bool Refuse(QWidget* field, const QString& message);

protected:
    virtual void LoadFields() {}
    virtual bool CheckFields() { return true; }
    virtual void StoreFields() {}
    virtual void OnMemoryChosen(CVXMemEditSC* /*edit*/, const CVXMemNode& /*node*/) {}

    void accept() override;

private:
    void LoadControls();
    void StoreControls();

    IStepchain* m_action;
    DWORD m_limit;
    // The copy lives in a list of its own, where the host's rename reaches it.
    CStepchainData m_scratch;
    IStepchain* m_copy = nullptr;
    std::vector<OperandEdit*> m_operands;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
