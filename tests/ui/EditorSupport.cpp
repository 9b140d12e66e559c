#include "EditorSupport.h"

#include <sstream>

#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "actions/CSCSetValue.h"
#include "core/EditHook.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/UiStart.h"
#include "ui/UiText.h"

void Fill(CStepchainData& list, const std::string& rows)
{
    std::istringstream words(rows);
    for (std::string row; words >> row;) {
        const std::string arg = row.size() > 2 ? row.substr(2) : std::string();
        const char kind = row[0];
        IStepchain* action = list.CreateSC(kind == 'P'   ? SC_PAGEJUMP
                                           : kind == 'V' ? SC_SETVALUE
                                           : kind == 'X' ? SC_ACTIONEXIT
                                           : kind == 'L' ? SC_LABEL
                                           : kind == 'B' ? SC_BRANCH
                                                         : SC_REFSH);
        if (kind == 'V') {
            static_cast<CSCSetValue*>(action)->Dest.m_name = arg;
            static_cast<CSCSetValue*>(action)->Source.m_name = "1";
        } else if (kind == 'L') {
            static_cast<CSCLabel*>(action)->m_name = arg;
        } else if (kind == 'B') {
            static_cast<CSCBranch*>(action)->Label = arg;
        }
        list.AddSC(action);
    }
}

std::string ListHex(CStepchainData& list) { return ToHex(StoredBytes(list)); }

std::string RowsHex(const std::string& rows)
{
    CStepchainData list;
    Fill(list, rows);
    return ListHex(list);
}

int TestDialogs::Open(IStepchain* action, QWidget*, DWORD)
{
    ++opened;
    if (answer == IDOK && action->GetActionType() == SC_SETVALUE) {
        static_cast<CSCSetValue*>(action)->Dest.m_name = nextName;
        static_cast<CSCSetValue*>(action)->Source.m_name = "1";
    } else if (answer == IDOK && action->GetActionType() == SC_LABEL) {
        static_cast<CSCLabel*>(action)->m_name = nextName;
    }
    return answer;
}

void TestDialogs::Install()
{
    answer = IDOK;
    opened = 0;
    nextName = "W9";
    SetActionEditHook(SC_SETVALUE, &Open);
    SetActionEditHook(SC_LABEL, &Open);
}

void TestDialogs::Restore() { StartStepchainUi(); }

std::unique_ptr<CStepchainDlg> OpenEditor(CStepchainData& source, DWORD limit, const std::string& key)
{
    auto editor = std::make_unique<CStepchainDlg>(&source, nullptr, limit, key);
    editor->show();
    editor->activateWindow();
    return QTest::qWaitForWindowActive(editor.get()) ? std::move(editor) : nullptr;
}

void SelectRows(CStepchainDlg& editor, int first, int last)
{
    QTableView* grid = editor.Grid();
    for (int row : {first, last}) {
        const QModelIndex cell = editor.Model()->index(row, StepchainModel::DetailColumn);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, row == first ? Qt::NoModifier : Qt::ShiftModifier,
                          grid->visualRect(cell).center());
    }
}

void ChooseKind(CStepchainDlg& editor, int row, int type)
{
    SelectRows(editor, row, row);
    QComboBox* list = editor.KindList();
    const int index = list->findData(type);
    QVERIFY2(index >= 0 && list->isVisible(), qPrintable(KindText(type)));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QString Cell(CStepchainDlg& editor, int row, int column, int role)
{
    return editor.Model()->data(editor.Model()->index(row, column), role).toString();
}

QString KindText(int type) { return ui::FromCp932(KindName(type)); }

Editing::Editing(const std::string& rows, DWORD limit)
{
    source.SetLimit(limit);
    Fill(source, rows);
    editor = OpenEditor(source, limit);
}
