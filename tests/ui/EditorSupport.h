#pragma once

#include <QComboBox>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/CStepchainData.h"
#include "ui/CStepchainDlg.h"
#include "ui/Clipboard.h"
#include "ui/StepchainModel.h"

// Lists for the editor tests, one short text per row:
//   "V:W1"  set value of 1 into W1      "L:A"  label A      "B:A"  branch to label A
//   "X"     end of actions              "R"    redraw       "P"    page move
void Fill(CStepchainData& list, std::initializer_list<const char*> rows);

// The stored bytes of the whole list.
std::string ListBytes(CStepchainData& list);

// The settings dialogs of the editor tests: no window, an answer set by the
// test. A confirmed set value gets `nextName` as its destination, a
// confirmed label `nextName` as its name.
struct TestDialogs {
    static inline int answer = IDOK;
    static inline int opened = 0;
    static inline std::string nextName = "W9";
    static int Open(IStepchain* action, QWidget* parent, DWORD limit);
    // Registers Open for set value and label (cleared again with Restore).
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
        if (failing)
            return false;
        bytes = data;
        held = true;
        return true;
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
// Chooses a kind by its caption in the kind list of row `row`.
void ChooseKind(CStepchainDlg& editor, int row, const QString& kind);
QString KindText(int type);
