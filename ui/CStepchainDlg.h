#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "core/CStepchainData.h"
#include "host/ModuleWindows.h"
#include "ui/ListWindow.h"

class ListEditCommand;
class QComboBox;
class QPushButton;
class QTableView;
class QUndoStack;
class StepchainModel;

// The editor of one action list. It works on a working copy of the list; OK
// hands the result back (to the list, or to the host when the list has no
// owner and a key was given), cancel throws it away. Every change of the
// working copy is one step of an undo stack that lives as long as the editor.
class CStepchainDlg : public QDialog, public ModuleWindow, public IListWindow {
    Q_OBJECT
public:
    enum Command { MoveUpCommand, MoveDownCommand, CopyCommand, CutCommand, PasteCommand, InsertCommand, CommandCount };

    CStepchainDlg(CStepchainData* source, QWidget* parent, DWORD limit, const std::string& key);
    ~CStepchainDlg() override;

    // The list editing hook: opens the editor modally; IDOK when confirmed.
    static int Edit(CStepchainData* list, QWidget* parent, DWORD limit, const std::string& key);

    IPWObject* GetListOwner() const override;
    // The host's rename (0x203E) renames in the working copy; the answer is 0.
    intptr_t OnHostMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;

    CStepchainData* WorkingCopy() { return &m_working; }
    StepchainModel* Model() const { return m_model; }
    QTableView* Grid() const { return m_grid; }
    QComboBox* KindList() const { return m_kindList; }
    QPushButton* SettingsButton() const { return m_settings; }
    QPushButton* CommandButton(Command command) const { return m_buttons[command]; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QUndoStack* UndoStack() const { return m_undo; }

public slots:
    void MoveUp();
    void MoveDown();
    void Copy();
    void Cut();
    void Paste();
    void Insert();
    void EditSettings();
    void Undo();
    void Redo();
    void accept() override;
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void LayoutControls();
    void ChooseKind(int kindIndex);
    void ShowEditors();
    void HideEditors();
    void OnSelectionChanged();
    // The selected rows, smallest and largest, with the current row among them.
    std::pair<int, int> SelectedRows() const;
    // The selected actions as list indices; false when only the new row is selected.
    bool SelectedIndices(size_t* first, size_t* last) const;
    void SelectRows(int first, int last);
    void SelectIndices(size_t first, size_t last);
    int CurrentRow() const;
    ListEditCommand* NewCommand();
    void Push(ListEditCommand* command);
    // Runs the limit word over the whole list, as after a paste, recording each change.
    void MergeLimit(ListEditCommand* command);
    bool RefuseTooLong(size_t adding);

    CStepchainData* m_source;
    CStepchainData m_working;
    DWORD m_limit;
    std::string m_key;

    StepchainModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QComboBox* m_kindList = nullptr;
    QPushButton* m_settings = nullptr;
    std::array<QPushButton*, CommandCount> m_buttons{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QUndoStack* m_undo = nullptr;

    // Set while the editor changes the selection or scrolls by itself.
    bool m_busy = false;
    // Counts the host's renames, so that a settings dialog during which one
    // came does not record a step from before it.
    int m_renames = 0;
};
