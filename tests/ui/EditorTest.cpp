#include <QClipboard>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>

#include "EditorSupport.h"
#include "dialogs/DialogDrive.h"
#include "host/ModuleWindows.h"
#include "ui/WindowPlacement.h"

namespace {
using Dlg = CStepchainDlg;
bool IsRed(Dlg& editor, int row)
{
    return editor.Model()->data(editor.Model()->index(row, 1), Qt::BackgroundRole).value<QBrush>().color() == Qt::red;
}
QByteArray Record(int32_t showCmd, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return WindowPlacement{WindowPlacement::SIZE, 0, showCmd, -1, -1, -1, -1, left, top, right, bottom}.Encode();
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
            for (int i = 0; i < e.editor->KindList()->count(); ++i)
                offered.push_back(e.editor->KindList()->itemData(i).toInt());
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
        QVERIFY(e.editor->Model()->rowCount() == 1 && !e.editor->KindList()->isVisible() &&
                e.host.Count(hostmsg::LAYER_SUPPORT) == 1);
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

    // Two editors, one after the other, through the system's clipboard, which
    // holds the stored rows in the module's own format.
    void pasteBetweenTwoEditors()
    {
        UiTestHost host;
        CStepchainData first, second;
        Fill(first, "V:W1 B:A L:A X");
        Fill(second, "R R");
        auto editor = OpenEditor(first);
        SelectRows(*editor, 1, 2);
        editor->CommandButton(Dlg::CopyCommand)->click();
        const QByteArray held = QApplication::clipboard()->mimeData()->data("PANELWRIGHT_STEPCHAIN");
        QCOMPARE(ToHex(held.toStdString()), RowsHex("B:A L:A"));
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
        Editing e(QString("X ").repeated(MAX_STEPCHAIN_ACTIONS - 1).toStdString());
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
        // On the rows selected: the command clicked (-1: none), then the kind
        // chosen on the first (-1: the settings button instead, when no command).
        for (const auto& [first, last, command, kind, limit] : Rows<int, int, int, int, DWORD>{
                 {5, 5, -1, SC_LABEL, 0}, {2, 2, Dlg::InsertCommand, SC_SETVALUE, 0}, {1, 1, -1, SC_SETVALUE, 0},
                 {1, 1, -1, -1, 0}, {2, 3, Dlg::MoveUpCommand, -1, 0}, {0, 2, Dlg::MoveDownCommand, -1, 0},
                 {1, 5, Dlg::CutCommand, -1, 0}, {2, 2, Dlg::PasteCommand, -1, 0}, {2, 2, Dlg::PasteCommand, -1, 0x04}}) {
            Editing e("V:W1 L:A B:A X V:W2", limit);
            e.board.SetListBytes(Hex(RowsHex("L:C R")));
            const std::string before = e.Hex();
            TestDialogs::nextName = "B";
            e.Select(first, last);
            if (command >= 0)
                e.Click(Dlg::Command(command));
            if (kind >= 0)
                ChooseKind(*e.editor, first, kind);
            else if (command < 0)
                e.editor->SettingsButton()->click();
            const std::string after = e.Hex();
            QVERIFY2(after != before && e.editor->UndoStack()->count() == 1, qPrintable(QString::number(first)));
            if (limit != 0) {
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
    // tells why, in the actions' own words, a reason a line.
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
        static_cast<CSCBranch*>(e.editor->WorkingCopy()->GetAt(0))->Condition = 1;
        QCOMPARE(Cell(*e.editor, 0, 1, Qt::ToolTipRole), QString::fromUtf8("評価メモリが未入力です\n比較値が未入力です"));
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
            UiTestHost host;
            if (!withHost)
                SetMainWindow(nullptr);
            FakeObject object("Btn1");
            CStepchainData source;
            source.SetOwnerObj(owner ? &object : nullptr);
            Fill(source, "V:W1 L:A B:B");
            const std::string before = ListHex(source), edited = RowsHex("V:W1 L:A B:B V:W9");
            WhenModal([&](QDialog* dialog) {
                auto* editor = static_cast<Dlg*>(dialog);
                ChooseKind(*editor, 3, SC_SETVALUE);
                QTest::keyClick(editor->Grid(), Qt::Key_Return);
                QTest::keyClick(editor->Grid(), Qt::Key_Escape);
                QVERIFY(editor->isVisible());
                (ok ? editor->OkButton() : editor->CancelButton())->click();
            });
            QCOMPARE(source.Edit(nullptr, 0, key), ok ? IDOK : IDCANCEL);
            QCOMPARE(ListHex(source), result == 's' ? edited : before);
            QCOMPARE(ToHex(host.appliedList) + host.appliedKey, result == 'h' ? edited + key : "");
        }
    }

    // Each kind from the editor: chosen in the kind list of an empty list, its
    // settings dialog shows its title, OK as the default button, and each memory field as
    // "filter/m_refuseNumber/m_kindMask"; every field shown and enabled takes
    // "M<n>" in turn before OK. After the editor's OK the list holds the action,
    // whose caption tells where each name went; a refused OK shows its message.
    void everyKindFromTheEditor()
    {
        StartStepchainUi();
        for (const auto& [type, shown] : Rows<int, const char*>{
            {SC_PAGEJUMP, "ﾍﾟｰｼﾞ移動 6/0/1 = 動作を選択してください"},
            {SC_SETVALUE, "値ｾｯﾄ 6/1/1 6/0/1 = M0へM1を書込み\n"},
            {SC_CALC, "加減算 6/1/1 6/0/1 6/0/1 6/0/1 = M0にM1を加算"},
            {SC_CALCTIME, "時刻加減算 6/1/1 6/1/1 6/0/1 6/0/1 6/0/1 = 時 (M0):分(M1)をM2(分)加算"},
            {SC_COMM, "通信出力 1073741828/0/1 = メッセージを出力:'M0'"},
            {SC_PASSPAGE, "認証つきページジャンプ = !入力にエラーがあります"},
            {SC_KEYPAD, "キーパッド呼出 1073741828/1/3 6/0/1 6/0/1 6/0/1 = !入力にエラーがあります"},
            {SC_OPE, "算術演算 6/1/1 6/0/1 6/0/1 = !入力にエラーがあります"},
            {SC_CALL, "サブルーチン呼び出し = !入力にエラーがあります"},
            {SC_ACTIONLINK, "アクションリンクの設定 = !入力にエラーがあります"},
            {SC_STRING, "文字操作 5/1/2 5/0/1 = !入力にエラーがあります"},
            {SC_SETGRAPHMEM, "グラフメモリーアクセス 3/1/4 6/0/1 6/0/1 = M0[位置指定:M1]M2 を書き込み\n"},
            {SC_LABEL, "分岐ラベル = !入力にエラーがあります"},
            {SC_BRANCH, "条件分岐 6/1/1 6/0/1 = !入力にエラーがあります"}}) {
            UiTestHost host;
            host.layers = true;
            CStepchainData source;
            MessageLog log;
            QString seen;
            WhenModal([&](QDialog* editor) {
                WhenModal([&](QDialog* settings) {
                    seen = settings->windowTitle();
                    int typed = 0;
                    for (OperandEdit* field : settings->findChildren<OperandEdit*>()) {
                        CVXMemEditSC* edit = field->Edit();
                        seen += QString(" %1/%2/%3").arg(field->Filter()).arg(edit->m_refuseNumber).arg(edit->m_kindMask);
                        if (edit->isEnabled() && edit->isVisibleTo(settings))
                            edit->setText(QString("M%1").arg(typed++));
                    }
                    QVERIFY(static_cast<CSCDialog*>(settings)->OkButton()->isDefault());
                    static_cast<CSCDialog*>(settings)->OkButton()->click();
                });
                ChooseKind(*static_cast<CStepchainDlg*>(editor), 0, type);
                editor->accept();
            });
            QCOMPARE(source.Edit(nullptr, 0, ""), IDOK);
            const QString refusal = QStringList(log.texts.begin(), log.texts.end()).join('|');
            seen += " = " + (source.GetCount() == 1 ? Caption(source.GetAt(0)) : refusal);
            QCOMPARE(seen, U(shown));
        }
    }

    // The editor's placement as the settings keep it.
    void recordLayout()
    {
        const QByteArray bytes = Record(WindowPlacement::SHOW_MAXIMIZED, 10, 20, 650, 500);
        QCOMPARE(bytes.toHex(' '), QByteArray("2c 00 00 00 00 00 00 00 03 00 00 00 ff ff ff ff ff ff ff ff ff ff ff ff "
                                              "ff ff ff ff 0a 00 00 00 14 00 00 00 8a 02 00 00 f4 01 00 00"));
        QCOMPARE(WindowPlacement::Decode(bytes).value().NormalRect(), QRect(10, 20, 640, 480));
    }

    // A stored placement the editor takes, or ignores (minimised, off every
    // screen, no size, the wrong length or length word).
    void storedPlacement()
    {
        const QByteArray normal = Record(1, 40, 30, 840, 630);
        for (const auto& [stored, taken] : {std::pair{normal, true}, {Record(2, 40, 30, 840, 630), false},
                 {Record(1, 9000, 9000, 9800, 9600), false}, {Record(1, 40, 30, 40, 630), false}, {normal.left(43), false},
                 {normal + QByteArray(4, '\0'), false}, {QByteArray(normal).replace(0, 1, "\x28"), false}}) {
            QSettings("VESKAROLIN", "Panelwright").setValue("Settings/StepchainDlg", stored);
            CStepchainData source;
            QCOMPARE(CStepchainDlg(&source, nullptr, 0, {}).geometry() == QRect(40, 30, 800, 600), taken);
        }
    }

    // Cancel (as OK) keeps where the editor was; the next one opens there.
    void keptAcrossEditors()
    {
        Editing e("");
        e.editor->setGeometry(60, 50, 700, 520);
        e.editor->reject();
        const QByteArray stored = QSettings("VESKAROLIN", "Panelwright").value("Settings/StepchainDlg").toByteArray();
        QCOMPARE(WindowPlacement::Decode(stored).value().NormalRect(), e.editor->geometry());
        QCOMPARE(OpenEditor(e.source)->geometry(), e.editor->geometry());
    }
};

UI_TEST_CLASS(EditorTest);

// The editor as the user sees it: nothing cut off, the buttons in one line.
// With STEPCHAIN_SCREENSHOT set to a file name, the editor is saved there as
// a picture (run under a real display with the Japanese font to look at it).
class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void editorShowsEverything()
    {
        // A branch to a label above it is invalid: its row is red.
        Editing e("V:W1 P L:LOOP V:TEMP_SETPOINT_HIGH B:LOOP R B:END L:END X");
        e.editor->resize(e.editor->minimumSize());
        e.Select(3, 3);
        QPushButton* previous = nullptr;
        QString texts;
        for (int i = 0; i < CStepchainDlg::CommandCount; ++i) {
            QPushButton* button = e.editor->CommandButton(CStepchainDlg::Command(i));
            QVERIFY(!previous || (button->y() == previous->y() && button->x() > previous->geometry().right()));
            previous = button;
            texts += button->text();
        }
        QCOMPARE(texts, QString::fromUtf8("上へ下へコピー切取り貼付け挿入"));
        for (QPushButton* button : e.editor->findChildren<QPushButton*>()) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(), qPrintable(button->text()));
            QVERIFY(e.editor->rect().contains(button->geometry()));
        }
        const QComboBox* kinds = e.editor->KindList();
        for (int i = 0; i < kinds->count(); ++i)
            QVERIFY(kinds->fontMetrics().horizontalAdvance(kinds->itemText(i)) < e.editor->Grid()->columnWidth(0));
        QVERIFY(kinds->height() <= e.editor->Grid()->rowHeight(3));
        QVERIFY(e.editor->Grid()->viewport()->rect().contains(e.editor->SettingsButton()->geometry()));

        const QString file = qEnvironmentVariable("STEPCHAIN_SCREENSHOT");
        if (!file.isEmpty()) {
            e.editor->resize(760, 420);
            e.Select(4, 4);
            QVERIFY(e.editor->grab().save(file));
        }
    }
};

UI_TEST_CLASS(LayoutTest);

#include "EditorTest.moc"
