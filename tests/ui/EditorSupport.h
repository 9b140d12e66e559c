#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "actions/CSCSetValue.h"
#include "core/CStepchainData.h"
#include "core/EditHook.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/CStepchainDlg.h"
#include "ui/Clipboard.h"
#include "ui/StepchainModel.h"
#include "ui/UiStart.h"
#include "ui/UiText.h"

// Gives a set value its destination (and the value 1), a label its name, a branch its label.
inline void Name(IStepchain* action, const std::string& name)
{
    if (auto* value = dynamic_cast<CSCSetValue*>(action))
        std::tie(value->Dest.m_name, value->Source.m_name) = std::pair(name, "1");
    else if (auto* label = dynamic_cast<CSCLabel*>(action))
        label->m_name = name;
    else if (auto* branch = dynamic_cast<CSCBranch*>(action))
        branch->Label = name;
}

// Lists for the editor tests, one short word per row, separated by blanks:
//   "V:W1"  set value of 1 into W1      "L:A"  label A      "B:A"  branch to label A
//   "X"     end of actions              "R"    redraw       "P"    page move
inline void Fill(CStepchainData& list, const std::string& rows)
{
    static const std::map<char, int> types{{'P', SC_PAGEJUMP}, {'V', SC_SETVALUE}, {'X', SC_ACTIONEXIT},
                                           {'L', SC_LABEL},    {'B', SC_BRANCH},   {'R', SC_REFSH}};
    std::istringstream words(rows);
    for (std::string row; words >> row;) {
        IStepchain* action = list.CreateSC(types.at(row[0]));
        Name(action, row.size() > 2 ? row.substr(2) : std::string());
        list.AddSC(action);
    }
}

// The stored bytes of a list, and of a list of `rows`, in hex.
inline std::string ListHex(CStepchainData& list) { return ToHex(StoredBytes(list)); }
inline std::string RowsHex(const std::string& rows)
{
    CStepchainData list;
    Fill(list, rows);
    return ListHex(list);
}

// The settings dialogs of the editor tests: no window, an answer set by the
// test: a confirmed action gets `nextName` as its name. Install registers
// them for set value and label; StartStepchainUi brings the real dialogs back.
struct TestDialogs {
    static inline int answer = IDOK;
    static inline int opened = 0;
    static inline std::string nextName = "W9";
    static int Open(IStepchain* action, QWidget*, DWORD)
    {
        ++opened;
        if (answer == IDOK)
            Name(action, nextName);
        return answer;
    }
    static void Install()
    {
        answer = IDOK;
        opened = 0;
        nextName = "W9";
        SetActionEditHook(SC_SETVALUE, &Open);
        SetActionEditHook(SC_LABEL, &Open);
    }
};

// A clipboard that holds bytes of its own, or fails to take any.
class TestClipboard : public IClipboard {
public:
    TestClipboard() { SetClipboard(this); }
    ~TestClipboard() override { SetClipboard(nullptr); }
    bool SetListBytes(const std::string& data) override
    {
        bytes = failing ? bytes : data;
        return !failing;
    }
    bool GetListBytes(std::string* data) override
    {
        *data = bytes.value_or("");
        return bytes.has_value();
    }
    bool failing = false;
    std::optional<std::string> bytes;
};

// An editor on `source`, shown, as the tests drive it.
inline std::unique_ptr<CStepchainDlg> OpenEditor(CStepchainData& source, DWORD limit = 0)
{
    auto editor = std::make_unique<CStepchainDlg>(&source, nullptr, limit, std::string());
    editor->show();
    editor->activateWindow();
    return QTest::qWaitForWindowActive(editor.get()) ? std::move(editor) : nullptr;
}

// What a user does in the grid.
inline void SelectRows(CStepchainDlg& editor, int first, int last)
{
    QTableView* grid = editor.Grid();
    for (int row : {first, last}) {
        const QModelIndex cell = editor.Model()->index(row, StepchainModel::DetailColumn);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, row == first ? Qt::NoModifier : Qt::ShiftModifier,
                          grid->visualRect(cell).center());
    }
}

inline QString KindText(int type) { return ui::FromCp932(KindName(type)); }

// Chooses a kind in the kind list of row `row`.
inline void ChooseKind(CStepchainDlg& editor, int row, int type)
{
    SelectRows(editor, row, row);
    QComboBox* list = editor.KindList();
    const int index = list->findData(type);
    QVERIFY2(index >= 0 && list->isVisible(), qPrintable(KindText(type)));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

inline QString Cell(CStepchainDlg& editor, int row, int column, int role = Qt::DisplayRole)
{
    return editor.Model()->data(editor.Model()->index(row, column), role).toString();
}

// An editor on a list of `rows`, with a test host and a test clipboard.
struct Editing {
    explicit Editing(const std::string& rows, DWORD limit = 0, bool layers = false)
    {
        host.layers = layers;
        source.SetLimit(limit);
        Fill(source, rows);
        editor = OpenEditor(source, limit);
    }
    std::string Hex() { return ListHex(*editor->WorkingCopy()); }
    void Select(int first, int last) { SelectRows(*editor, first, last); }
    void Key(Qt::Key key) { QTest::keyClick(editor->Grid(), key, Qt::ControlModifier); }
    void Click(CStepchainDlg::Command command) { editor->CommandButton(command)->click(); }

    UiTestHost host;
    TestClipboard board;
    CStepchainData source;
    std::unique_ptr<CStepchainDlg> editor;
};
