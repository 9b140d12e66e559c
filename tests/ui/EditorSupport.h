#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <memory>
#include <string>

#include "UiTest.h"
#include "UiTestHost.h"
#include "core/CStepchainData.h"
#include "ui/CStepchainDlg.h"
#include "ui/Clipboard.h"
#include "ui/StepchainModel.h"

// Lists for the editor tests, one short word per row, separated by blanks:
//   "V:W1"  set value of 1 into W1      "L:A"  label A      "B:A"  branch to label A
//   "X"     end of actions              "R"    redraw       "P"    page move
void Fill(CStepchainData& list, const std::string& rows);
// The stored bytes of a list, and of a list of `rows`, in hex.
std::string ListHex(CStepchainData& list);
std::string RowsHex(const std::string& rows);

// The settings dialogs of the editor tests: no window, an answer set by the
// test. A confirmed set value gets `nextName` as its destination, a
// confirmed label `nextName` as its name.
struct TestDialogs {
    static inline int answer = IDOK;
    static inline int opened = 0;
    static inline std::string nextName = "W9";
    static int Open(IStepchain* action, QWidget* parent, DWORD limit);
    // Registers Open for set value and label (the real dialogs come back with Restore).
    static void Install();
    static void Restore();
};

// A clipboard that holds bytes of its own, or fails to take any.
class TestClipboard : public IClipboard {
public:
    TestClipboard() { SetClipboard(this); }
    ~TestClipboard() override { SetClipboard(nullptr); }
    bool SetListBytes(const std::string& data) override
    {
        if (!failing) {
            bytes = data;
            held = true;
        }
        return !failing;
    }
    bool GetListBytes(std::string* data) override
    {
        *data = bytes;
        return held;
    }
    bool failing = false;
    bool held = false;
    std::string bytes;
};

// An editor on `source`, shown, as the tests drive it.
std::unique_ptr<CStepchainDlg> OpenEditor(CStepchainData& source, DWORD limit = 0, const std::string& key = {});

// What a user does in the grid.
void SelectRows(CStepchainDlg& editor, int first, int last);
// Chooses a kind in the kind list of row `row`.
void ChooseKind(CStepchainDlg& editor, int row, int type);
QString Cell(CStepchainDlg& editor, int row, int column, int role = Qt::DisplayRole);
QString KindText(int type);

// An editor on a list of `rows`, with a test host and a test clipboard.
struct Editing {
    explicit Editing(const std::string& rows, DWORD limit = 0);
    std::string Hex() { return ListHex(*editor->WorkingCopy()); }
    void Select(int first, int last) { SelectRows(*editor, first, last); }
    void Key(Qt::Key key) { QTest::keyClick(editor->Grid(), key, Qt::ControlModifier); }
    void Click(CStepchainDlg::Command command) { editor->CommandButton(command)->click(); }

    UiTestHost host;
    TestClipboard board;
    CStepchainData source;
    std::unique_ptr<CStepchainDlg> editor;
};
