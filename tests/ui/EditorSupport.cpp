#include "EditorSupport.h"

#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "actions/CSCSetValue.h"
#include "core/EditHook.h"
#include "core/Texts.h"
#include "support/Stored.h"
#include "ui/UiStart.h"
#include "ui/UiText.h"

void Fill(CStepchainData& list, std::initializer_list<const char*> rows)
{
    for (const std::string row : rows) {
        const std::string arg = row.size() > 2 ? row.substr(2) : std::string();
        switch (row[0]) {
        case 'V': {
            auto* action = static_cast<CSCSetValue*>(list.CreateSC(SC_SETVALUE));
            action->Dest.m_name = arg;
            action->Source.m_name = "1";
            list.AddSC(action);
            break;
        }
        case 'L': {
            auto* action = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
            action->m_name = arg;
            list.AddSC(action);
            break;
        }
        case 'B': {
            auto* action = static_cast<CSCBranch*>(list.CreateSC(SC_BRANCH));
            action->Label = arg;
            list.AddSC(action);
            break;
        }
        case 'X': list.AddSC(list.CreateSC(SC_ACTIONEXIT)); break;
        case 'R': list.AddSC(list.CreateSC(SC_REFSH)); break;
        case 'P': list.AddSC(list.CreateSC(SC_PAGEJUMP)); break;
        }
    }
}

std::string ListBytes(CStepchainData& list) { return StoredBytes(list); }

int TestDialogs::Open(IStepchain* action, QWidget*, DWORD)
{
    ++opened;
    if (answer != IDOK)
        return answer;
    if (action->GetActionType() == SC_SETVALUE) {
        static_cast<CSCSetValue*>(action)->Dest.m_name = nextName;
        static_cast<CSCSetValue*>(action)->Source.m_name = "1";
    } else if (action->GetActionType() == SC_LABEL) {
        static_cast<CSCLabel*>(action)->m_name = nextName;
    }
    return IDOK;
}

void TestDialogs::Install()
{
    answer = IDOK;
    opened = 0;
    nextName = "W9";
    SetActionEditHook(SC_SETVALUE, &Open);
    SetActionEditHook(SC_LABEL, &Open);
}

void TestDialogs::Restore()
{
    for (int type = 0; type < SC_TYPE_COUNT; ++type)
        SetActionEditHook(type, nullptr);
    StartStepchainUi();
}

std::unique_ptr<CStepchainDlg> OpenEditor(CStepchainData& source, DWORD limit, const std::string& key)
{
    auto editor = std::make_unique<CStepchainDlg>(&source, nullptr, limit, key);
    editor->show();
    editor->activateWindow();
    if (!QTest::qWaitForWindowActive(editor.get()))
        return nullptr;
    return editor;
}

void SelectRows(CStepchainDlg& editor, int first, int last)
{
    QTableView* grid = editor.Grid();
    const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
        const QModelIndex cell = editor.Model()->index(row, StepchainModel::DetailColumn);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, grid->visualRect(cell).center());
    };
    click(first, Qt::NoModifier);
    if (last != first)
        click(last, Qt::ShiftModifier);
}

void ChooseKind(CStepchainDlg& editor, int row, const QString& kind)
{
    SelectRows(editor, row, row);
    QComboBox* list = editor.KindList();
    const int index = list->findText(kind);
    QVERIFY2(index >= 0, qPrintable(kind));
    QVERIFY(list->isVisible());
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QString KindText(int type) { return ui::FromCp932(KindName(type)); }
