#include <QSignalSpy>

#include "EditorSupport.h"
#include "core/Texts.h"
#include "host/ModuleWindows.h"
#include "support/Bytes.h"
#include "ui/UiText.h"

namespace {
using Dlg = CStepchainDlg;
bool IsRed(Dlg& editor, int row)
{
    const QModelIndex cell = editor.Model()->index(row, StepchainModel::DetailColumn);
    return editor.Model()->data(cell, Qt::BackgroundRole).value<QBrush>().color() == QColor(255, 0, 0);
}
}

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestDialogs::Install(); }
    void cleanup() { StartStepchainUi(); }

    // The kind list offers what the limit word and the host's layers allow;
    // a row of a kind not offered still shows its kind.
    void kindList()
    {
        for (const auto& [limit, layers, kinds] : Rows<DWORD, bool, QList<int>>{
                 {0, true, {0, 1, 2, 3, 4, 5, 6, 7, 10, 8, 9, 11, 12, 13, 14, 15}},
                 {0x02, false, {1, 2, 3, 4, 7, 10, 8, 11, 13, 14, 15}},
                 {0x0A, false, {1, 2, 3, 4, 7, 10, 8, 9, 11, 13, 14, 15}},
                 {0x34, false, {0, 1, 5, 6, 7, 8, 9, 13, 14, 15}},
                 {0x1C0, false, {0, 1, 2, 3, 4, 7, 10, 11, 13, 14, 15}}}) {
            Editing e("P", limit, layers);
            QList<int> offered;
            for (int i = 0; i < e.editor->KindList()->count(); ++i) {
                offered.push_back(e.editor->KindList()->itemData(i).toInt());
                QCOMPARE(e.editor->KindList()->itemText(i), KindText(offered.back()));
            }
            QCOMPARE(offered, kinds);
            QCOMPARE(Cell(*e.editor, 0, 0), KindText(SC_PAGEJUMP));
            e.Select(0, 0);
            QCOMPARE(e.editor->KindList()->isVisible() + e.editor->SettingsButton()->isVisible(),
                     kinds.contains(SC_PAGEJUMP) ? 2 : 0);
        }
    }

    // A new list shows the header and the new row alone. A kind opens its
    // dialog; OK appends a row and a new row; the same kind again opens
    // nothing; cancelled, a new kind leaves the row; another kind replaces it.
    void choosingAKind()
    {
        Editing e("");
        QCOMPARE(e.editor->windowTitle() + e.editor->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString() +
                     e.editor->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString() + Cell(*e.editor, 0, 0),
                 QString::fromUtf8("ステップチェーン設定アクション詳細"));
        QVERIFY(e.editor->Model()->rowCount() == 1 && !e.editor->KindList()->isVisible());
        QCOMPARE(e.host.Count(hostmsg::LAYER_SUPPORT), 1);
        ChooseKind(*e.editor, 0, SC_SETVALUE);
        QCOMPARE(TestDialogs::opened, 1);
        QCOMPARE(Cell(*e.editor, 0, 0) + '|' + Cell(*e.editor, 1, 0), KindText(SC_SETVALUE) + '|');
        const std::string bytes = e.Hex();
        ChooseKind(*e.editor, 0, SC_SETVALUE);
        QCOMPARE(TestDialogs::opened, 1);
        TestDialogs::answer = IDCANCEL;
        ChooseKind(*e.editor, 0, SC_LABEL);
        QCOMPARE(e.Hex(), bytes);
        QCOMPARE(e.editor->KindList()->currentText(), KindText(SC_SETVALUE));
        QCOMPARE(e.editor->UndoStack()->count(), 1);
        TestDialogs::answer = IDOK;
        TestDialogs::nextName = "L1";
        ChooseKind(*e.editor, 0, SC_LABEL);
        QCOMPARE(e.Hex(), RowsHex("L:L1"));
    }

    // Insert at the new row does nothing; a second blank row is not made; the
    // blank row goes when left, and a cut of it only removes it.
    void insert()
    {
        Editing e("V:W1 V:W2");
        e.Select(2, 2);
        e.Click(Dlg::InsertCommand);
        QCOMPARE(e.editor->Model()->rowCount(), 3);
        e.Select(1, 1);
        e.Click(Dlg::InsertCommand);
        QCOMPARE(e.editor->Model()->BlankRow(), 1);
        QVERIFY(e.editor->KindList()->isVisible() && e.editor->KindList()->currentIndex() == -1);
        e.Click(Dlg::InsertCommand);
        QCOMPARE(e.editor->Model()->rowCount(), 4);
        e.Select(0, 0);
        QVERIFY(!e.editor->Model()->HasBlank());
        e.Select(1, 1);
        e.Key(Qt::Key_I);
        QCOMPARE(e.editor->Model()->BlankRow(), 1);
        e.board.SetListBytes("kept");
        e.Click(Dlg::CutCommand);
        QVERIFY(!e.editor->Model()->HasBlank());
        QCOMPARE(*e.board.bytes + e.Hex(), "kept" + ListHex(e.source));
    }

    // Move up and down at the edges, and copy and cut: what the list and the
    // clipboard ("-": untouched) hold afterwards, and the message shown.
    void commands()
    {
        for (const auto& [key, first, last, failing, left, clipboard] :
             Rows<Qt::Key, int, int, bool, const char*, const char*>{
                 {Qt::Key_U, 0, 1, false, "V:1 V:2 V:3", "-"}, {Qt::Key_U, 1, 3, false, "V:2 V:3 V:1", "-"},
                 {Qt::Key_U, 3, 3, false, "V:1 V:2 V:3", "-"}, {Qt::Key_D, 1, 2, false, "V:1 V:2 V:3", "-"},
                 {Qt::Key_D, 0, 3, false, "V:1 V:2 V:3", "-"}, {Qt::Key_D, 0, 1, false, "V:3 V:1 V:2", "-"},
                 {Qt::Key_C, 1, 3, false, "V:1 V:2 V:3", "V:2 V:3"}, {Qt::Key_C, 3, 3, false, "V:1 V:2 V:3", "-"},
                 {Qt::Key_X, 1, 3, false, "V:1", "V:2 V:3"}, {Qt::Key_X, 3, 3, false, "V:1 V:2 V:3", "-"},
                 {Qt::Key_X, 0, 1, true, "V:1 V:2 V:3", "-"}}) {
            Editing e("V:1 V:2 V:3");
            e.board.failing = failing;
            MessageLog log;
            e.Select(first, last);
            e.Key(key);
            QCOMPARE(e.Hex(), RowsHex(left));
            QCOMPARE(e.board.bytes ? ToHex(*e.board.bytes) : "-", std::string(*clipboard == '-' ? "-" : RowsHex(clipboard)));
            QCOMPARE(log.texts, failing ? std::vector<QString>{ui::Text(Txt::ClipboardNotWritten)} : std::vector<QString>{});
        }
    }

    // Two editors, one after the other, through the system's clipboard.
    void pasteBetweenTwoEditors()
    {
        UiTestHost host;
        CStepchainData first, second;
        Fill(first, "V:W1 B:A L:A X");
        Fill(second, "R R");
        auto editor = OpenEditor(first);
        SelectRows(*editor, 1, 2);
        editor->CommandButton(Dlg::CopyCommand)->click();
        editor->CancelButton()->click();
        editor = OpenEditor(second);
        SelectRows(*editor, 1, 1);
        QTest::keyClick(editor->Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ListHex(*editor->WorkingCopy()), RowsHex("R B:A L:A R"));
        QCOMPARE(editor->Grid()->currentIndex().row(), 1);
        SelectRows(*editor, 4, 4);  // at the new row the rows go to the end
        editor->CommandButton(Dlg::PasteCommand)->click();
        QCOMPARE(ListHex(*editor->WorkingCopy()), RowsHex("R B:A L:A R B:A L:A"));
        QVERIFY(!IsRed(*editor, 1) && IsRed(*editor, 2));
    }

    // A paste of what cannot be read, or past the most the format holds, is
    // refused with a message; one more row still fits, then the new row takes no kind.
    void pasteRefused()
    {
        std::string rows;
        for (size_t i = 0; i + 1 < MAX_STEPCHAIN_ACTIONS; ++i)
            rows += "X ";
        Editing e(rows);
        MessageLog log;
        e.board.SetListBytes("\x01");
        e.Click(Dlg::PasteCommand);
        QCOMPARE(log.texts, std::vector<QString>{ui::Text(Txt::ClipboardUnreadable)});
        e.board.SetListBytes(Hex(RowsHex("X X")));
        e.Select(0, 0);
        e.Click(Dlg::PasteCommand);
        QCOMPARE(e.editor->WorkingCopy()->GetCount(), MAX_STEPCHAIN_ACTIONS - 1);
        QCOMPARE(e.editor->UndoStack()->count(), 0);
        ChooseKind(*e.editor, e.editor->Model()->NewRow(), SC_ACTIONEXIT);
        QCOMPARE(e.editor->WorkingCopy()->GetCount(), MAX_STEPCHAIN_ACTIONS);
        ChooseKind(*e.editor, e.editor->Model()->NewRow(), SC_ACTIONEXIT);
        QCOMPARE(e.editor->WorkingCopy()->GetCount(), MAX_STEPCHAIN_ACTIONS);
        QCOMPARE(log.texts.size(), size_t(3));
    }

    // Every command is one step: undo brings back the exact bytes before it,
    // redo those after. After a paste, the rows that the limit word forbids
    // (here redraw and end) go at once, in the same step; the current row stays in the list.
    void undoRedo()
    {
        for (const QString command : {"kind on the new row", "kind on a blank row", "another kind", "settings",
                                      "move up", "move down", "cut", "paste", "paste under a limit"}) {
            Editing e("V:W1 L:A B:A X V:W2", command == "paste under a limit" ? 0x04 : 0);
            e.board.SetListBytes(Hex(RowsHex("L:C R")));
            const std::string before = e.Hex();
            TestDialogs::nextName = "B";
            if (command == "kind on the new row") {
                ChooseKind(*e.editor, 5, SC_LABEL);
            } else if (command == "kind on a blank row") {
                e.Select(2, 2);
                e.Click(Dlg::InsertCommand);
                ChooseKind(*e.editor, 2, SC_SETVALUE);
            } else if (command == "another kind") {
                ChooseKind(*e.editor, 1, SC_SETVALUE);
            } else if (command == "settings") {
                e.Select(1, 1);
                e.editor->SettingsButton()->click();
            } else {
                const bool up = command == "move up", down = command == "move down", cut = command == "cut";
                e.Select(up ? 2 : down ? 0 : cut ? 1 : 2, up ? 3 : down ? 2 : cut ? 5 : 2);
                e.Click(up ? Dlg::MoveUpCommand : down ? Dlg::MoveDownCommand : cut ? Dlg::CutCommand : Dlg::PasteCommand);
            }
            const std::string after = e.Hex();
            QVERIFY2(after != before && e.editor->UndoStack()->count() == 1, qPrintable(command));
            if (command == "paste under a limit") {
                QCOMPARE(after, RowsHex("V:W1 L:A L:C B:A V:W2"));
                QVERIFY(e.editor->Grid()->currentIndex().row() <= 3);
            }
            e.Key(Qt::Key_Z);
            QCOMPARE(e.Hex(), before);
            e.Key(Qt::Key_Y);
            QCOMPARE(e.Hex(), after);
            e.editor->Undo();
            QCOMPARE(e.Hex(), before);
            QCOMPARE(e.editor->Model()->rowCount(), 6);
        }
    }

    // Any change refreshes every row: renaming a label turns a branch to it
    // red at once; a duplicate label turns both red. A red cell's tooltip
    // tells why, in the actions' own words.
    void everyRowIsRefreshed()
    {
        Editing e("B:A L:A L:X L: R");
        QSignalSpy changed(e.editor->Model(), &QAbstractItemModel::dataChanged);
        const auto allRowsChanged = [&] {
            const QList<QVariant> last = changed.takeLast();
            return last[0].toModelIndex().row() == 0 && last[1].toModelIndex().row() == e.editor->Model()->rowCount() - 1;
        };
        QVERIFY(!IsRed(*e.editor, 0));
        TestDialogs::nextName = "Z";
        e.Select(1, 1);
        e.editor->SettingsButton()->click();
        QVERIFY(IsRed(*e.editor, 0) && allRowsChanged());
        e.editor->Undo();
        QVERIFY(!IsRed(*e.editor, 0) && allRowsChanged());
        TestDialogs::nextName = "X";
        e.editor->SettingsButton()->click();
        QVERIFY(IsRed(*e.editor, 1) && IsRed(*e.editor, 2));
        QCOMPARE(Cell(*e.editor, 2, 1), ui::FromCp932(Format(T(Txt::LabelCaption), {"X"}) + T(Txt::LabelDuplicate)));
        QCOMPARE(Cell(*e.editor, 1, 1, Qt::ToolTipRole), QString::fromUtf8("ラベル名'X'は3行目でも使われています"));
        QCOMPARE(Cell(*e.editor, 3, 1, Qt::ToolTipRole), QString::fromUtf8("ラベル名が未入力です"));
        QCOMPARE(Cell(*e.editor, 3, 0, Qt::ToolTipRole) + Cell(*e.editor, 4, 1, Qt::ToolTipRole), QString());
    }

    // The host's rename, with a blank row beside a label and a branch: the
    // working copy only, and the history cleared.
    void renameMessage()
    {
        Editing e("V:W1 L:A B:A V:W10");
        ChooseKind(*e.editor, 4, SC_SETVALUE);
        e.Select(2, 2);
        e.Click(Dlg::InsertCommand);
        host::SendRename("W1", "M1");
        QCOMPARE(e.Hex(), RowsHex("V:M1 L:A B:A V:W10 V:W9"));
        QVERIFY(e.editor->Model()->HasBlank() && Cell(*e.editor, 0, 1).contains("M1"));
        QCOMPARE(e.editor->UndoStack()->count(), 0);
        QCOMPARE(ListHex(e.source), RowsHex("V:W1 L:A B:A V:W10"));
        e.editor.reset();
        QCOMPARE(CountModuleWindows(), size_t(0));
    }

    // OK (with a red row) and cancel: where the list goes. Enter and Escape do not close the editor.
    void okAndCancel()
    {
        // result s: the source takes the edits, h: the host, n: nobody.
        for (const auto& [ok, owner, key, withHost, result] : Rows<bool, bool, const char*, bool, char>{
                 {false, true, "", true, 'n'}, {true, true, "Push", true, 's'}, {true, false, "", true, 's'},
                 {true, false, "Push", true, 'h'}, {true, false, "Push", false, 's'}}) {
            auto host = withHost ? std::make_unique<UiTestHost>() : nullptr;
            FakeObject object("Btn1");
            CStepchainData source;
            if (owner)
                source.SetOwnerObj(&object);
            Fill(source, "V:W1 L:A B:B");
            const std::string before = ListHex(source);
            std::string edited;
            WhenModal([&](QDialog* dialog) {
                auto* editor = static_cast<Dlg*>(dialog);
                ChooseKind(*editor, 3, SC_SETVALUE);
                edited = ListHex(*editor->WorkingCopy());
                QTest::keyClick(editor->Grid(), Qt::Key_Return);
                QTest::keyClick(editor->Grid(), Qt::Key_Escape);
                QVERIFY(editor->isVisible());
                (ok ? editor->OkButton() : editor->CancelButton())->click();
            });
            QCOMPARE(source.Edit(nullptr, 0, key), ok ? IDOK : IDCANCEL);
            QCOMPARE(ListHex(source), result == 's' ? edited : before);
            if (host)
                QCOMPARE(ToHex(host->appliedList) + host->appliedKey, result == 'h' ? edited + key : "");
        }
    }
};

UI_TEST_CLASS(EditorTest);

#include "EditorTest.moc"
