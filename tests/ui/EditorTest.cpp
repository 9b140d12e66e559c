#include <QHeaderView>
#include <QPushButton>
#include <QUndoStack>

#include "EditorSupport.h"
#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCLabel.h"
#include "core/Texts.h"
#include "host/ModuleWindows.h"
#include "support/Bytes.h"
#include "ui/ListEditCommand.h"
#include "ui/UiText.h"

namespace {

using Model = StepchainModel;

QString Cell(CStepchainDlg& editor, int row, int column)
{
    return editor.Model()->data(editor.Model()->index(row, column), Qt::DisplayRole).toString();
}

bool IsRed(CStepchainDlg& editor, int row)
{
    const QVariant brush = editor.Model()->data(editor.Model()->index(row, Model::DetailColumn), Qt::BackgroundRole);
    return brush.value<QBrush>().color() == QColor(255, 0, 0);
}

std::string Rows(CStepchainData& list, size_t first, size_t count)
{
    return ListEditCommand::StoreRows(list, first, count);
}

void Click(CStepchainDlg& editor, CStepchainDlg::Command command) { editor.CommandButton(command)->click(); }

}

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestDialogs::Install(); }
    void cleanup() { TestDialogs::Restore(); }

    void newListShowsTheHeaderAndTheNewRow()
    {
        UiTestHost host;
        CStepchainData source;
        auto editor = OpenEditor(source);
        QCOMPARE(editor->windowTitle(), QString::fromUtf8("ステップチェーン設定"));
        QCOMPARE(editor->Model()->rowCount(), 1);
        QCOMPARE(editor->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8("アクション"));
        QCOMPARE(editor->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8("詳細"));
        QCOMPARE(Cell(*editor, 0, 0), QString());
        QVERIFY(!editor->KindList()->isVisible());
        QCOMPARE(host.Count(hostmsg::LAYER_SUPPORT), 1);
        const QStringList buttons = {"上へ", "下へ", "コピー", "切取り", "貼付け", "挿入"};
        for (int i = 0; i < CStepchainDlg::CommandCount; ++i)
            QCOMPARE(editor->CommandButton(CStepchainDlg::Command(i))->text(), buttons[i]);
        // The buttons sit in one line, in order.
        for (int i = 1; i < CStepchainDlg::CommandCount; ++i) {
            QCOMPARE(editor->CommandButton(CStepchainDlg::Command(i))->y(), editor->CommandButton(CStepchainDlg::Command(0))->y());
            QVERIFY(editor->CommandButton(CStepchainDlg::Command(i))->x() > editor->CommandButton(CStepchainDlg::Command(i - 1))->geometry().right());
        }
    }

    // The kind list offers what the limit word and the host's layers allow;
    // a row of a kind not offered still shows its kind.
    void kindList_data()
    {
        QTest::addColumn<uint>("limit");
        QTest::addColumn<bool>("layers");
        QTest::addColumn<QList<int>>("kinds");
        const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7, 10, 8, 9, 11, 13, 14, 15};
        QTest::newRow("nothing forbidden") << 0u << false << all;
        QTest::newRow("layers") << 0u << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 10, 8, 9, 11, 12, 13, 14, 15};
        QTest::newRow("0x02") << 0x02u << false << QList<int>{1, 2, 3, 4, 7, 10, 8, 11, 13, 14, 15};
        QTest::newRow("0x02 with 0x08") << 0x0Au << false << QList<int>{1, 2, 3, 4, 7, 10, 8, 9, 11, 13, 14, 15};
        QTest::newRow("0x04 0x10 0x20") << 0x34u << false << QList<int>{0, 1, 5, 6, 7, 8, 9, 13, 14, 15};
        QTest::newRow("0x40 0x80 0x100") << 0x1C0u << false << QList<int>{0, 1, 2, 3, 4, 7, 10, 11, 13, 14, 15};
    }
    void kindList()
    {
        QFETCH(uint, limit);
        QFETCH(bool, layers);
        QFETCH(QList<int>, kinds);
        UiTestHost host;
        host.layers = layers;
        CStepchainData source;
        Fill(source, {"P"});
        auto editor = OpenEditor(source, limit);
        QList<int> offered;
        for (int i = 0; i < editor->KindList()->count(); ++i) {
            offered.push_back(editor->KindList()->itemData(i).toInt());
            QCOMPARE(editor->KindList()->itemText(i), KindText(offered.back()));
        }
        QCOMPARE(offered, kinds);
        QCOMPARE(Cell(*editor, 0, 0), KindText(SC_PAGEJUMP));
        SelectRows(*editor, 0, 0);
        QCOMPARE(editor->KindList()->isVisible(), kinds.contains(SC_PAGEJUMP));
        QCOMPARE(editor->SettingsButton()->isVisible(), kinds.contains(SC_PAGEJUMP));
    }

    void choosingAKind()
    {
        UiTestHost host;
        CStepchainData source;
        auto editor = OpenEditor(source);
        ChooseKind(*editor, 0, KindText(SC_SETVALUE));
        QCOMPARE(TestDialogs::opened, 1);
        QCOMPARE(editor->Model()->rowCount(), 2);
        QCOMPARE(Cell(*editor, 0, 0), KindText(SC_SETVALUE));
        QCOMPARE(Cell(*editor, 1, 0), QString());
        QVERIFY(editor->SettingsButton()->isVisible());

        // The same kind again opens nothing and changes nothing.
        const std::string bytes = ListBytes(*editor->WorkingCopy());
        ChooseKind(*editor, 0, KindText(SC_SETVALUE));
        QCOMPARE(TestDialogs::opened, 1);
        QCOMPARE(ListBytes(*editor->WorkingCopy()), bytes);

        // Cancelled in its dialog, a new kind leaves the row as it was.
        TestDialogs::answer = IDCANCEL;
        ChooseKind(*editor, 0, KindText(SC_LABEL));
        QCOMPARE(ListBytes(*editor->WorkingCopy()), bytes);
        QCOMPARE(editor->KindList()->currentText(), KindText(SC_SETVALUE));
        QCOMPARE(editor->UndoStack()->count(), 1);

        // Another kind replaces the action with a fresh one.
        TestDialogs::answer = IDOK;
        TestDialogs::nextName = "L1";
        ChooseKind(*editor, 0, KindText(SC_LABEL));
        QCOMPARE(Cell(*editor, 0, 0), KindText(SC_LABEL));
        QCOMPARE(editor->WorkingCopy()->GetCount(), size_t(1));
        QVERIFY(source.GetCount() == 0);
    }

    void insert()
    {
        UiTestHost host;
        CStepchainData source;
        Fill(source, {"V:W1", "V:W2"});
        auto editor = OpenEditor(source);
        const std::string bytes = ListBytes(*editor->WorkingCopy());

        SelectRows(*editor, 2, 2);  // the new row
        Click(*editor, CStepchainDlg::InsertCommand);
        QCOMPARE(editor->Model()->rowCount(), 3);

        SelectRows(*editor, 1, 1);
        Click(*editor, CStepchainDlg::InsertCommand);
        QCOMPARE(editor->Model()->BlankRow(), 1);
        QVERIFY(editor->KindList()->isVisible());
        QCOMPARE(editor->KindList()->currentIndex(), -1);
        Click(*editor, CStepchainDlg::InsertCommand);  // a blank row already exists
        QCOMPARE(editor->Model()->rowCount(), 4);
        QCOMPARE(ListBytes(*editor->WorkingCopy()), bytes);

        // Leaving the blank row takes it away again; choosing a kind on it fills it.
        SelectRows(*editor, 0, 0);
        QVERIFY(!editor->Model()->HasBlank());
        SelectRows(*editor, 1, 1);
        QTest::keyClick(editor->Grid(), Qt::Key_I, Qt::ControlModifier);
        QVERIFY(editor->Model()->HasBlank());
        TestDialogs::nextName = "W5";
        ChooseKind(*editor, 1, KindText(SC_SETVALUE));
        CStepchainData expected;
        Fill(expected, {"V:W1", "V:W5", "V:W2"});
        QCOMPARE(ToHex(ListBytes(*editor->WorkingCopy())), ToHex(ListBytes(expected)));
        QVERIFY(!editor->Model()->HasBlank());
    }

    // Moving a block: which rows, and what the list holds afterwards.
    void move_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("after");
        QTest::newRow("up with row 1 in it") << true << 0 << 1 << "123";
        QTest::newRow("up") << true << 1 << 2 << "231";
        QTest::newRow("up to the new row") << true << 1 << 3 << "231";
        QTest::newRow("up, only the new row") << true << 3 << 3 << "123";
        QTest::newRow("down with the last action in it") << false << 1 << 2 << "123";
        QTest::newRow("down to the new row") << false << 0 << 3 << "123";
        QTest::newRow("down") << false << 0 << 1 << "312";
    }
    void move()
    {
        QFETCH(bool, up);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, after);
        UiTestHost host;
        CStepchainData source;
        Fill(source, {"V:W1", "V:W2", "V:W3"});
        auto editor = OpenEditor(source);
        SelectRows(*editor, first, last);
        QTest::keyClick(editor->Grid(), up ? Qt::Key_U : Qt::Key_D, Qt::ControlModifier);
        CStepchainData expected;
        for (QChar c : after)
            Fill(expected, {c == u'1' ? "V:W1" : c == u'2' ? "V:W2" : "V:W3"});
        QCOMPARE(ToHex(ListBytes(*editor->WorkingCopy())), ToHex(ListBytes(expected)));
    }

    void copyUpToTheNewRowCopiesTheActions()
    {
        UiTestHost host;
        TestClipboard clipboard;
        CStepchainData source;
        Fill(source, {"V:W1", "L:A", "X"});
        auto editor = OpenEditor(source);
        SelectRows(*editor, 1, 3);
        QTest::keyClick(editor->Grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ToHex(clipboard.bytes), ToHex(Rows(source, 1, 2)));
        clipboard.held = false;
        SelectRows(*editor, 3, 3);
        Click(*editor, CStepchainDlg::CopyCommand);
        QVERIFY(!clipboard.held);
        QCOMPARE(ListBytes(*editor->WorkingCopy()), ListBytes(source));
    }

    // Cut: what leaves the list, and what the clipboard holds then.
    void cut_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("clipboard");  // rows of the list; "-" when untouched
        QTest::addColumn<bool>("message");
        QTest::newRow("rows 2-3") << 1 << 2 << false << "1" << "23" << false;
        QTest::newRow("rows 2 to the new row") << 1 << 3 << false << "1" << "23" << false;
        QTest::newRow("only the new row") << 3 << 3 << false << "123" << "-" << false;
        QTest::newRow("clipboard fails") << 0 << 1 << true << "123" << "-" << true;
    }
    void cut()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, failing);
        QFETCH(QString, left);
        QFETCH(QString, clipboard);
        QFETCH(bool, message);
        UiTestHost host;
        TestClipboard board;
        board.failing = failing;
        CStepchainData source;
        Fill(source, {"V:W1", "V:W2", "V:W3"});
        auto editor = OpenEditor(source);
        MessageLog log;
        SelectRows(*editor, first, last);
        QTest::keyClick(editor->Grid(), Qt::Key_X, Qt::ControlModifier);

        const auto rowsOf = [](const QString& digits) {
            CStepchainData list;
            for (QChar c : digits)
                Fill(list, {c == u'1' ? "V:W1" : c == u'2' ? "V:W2" : "V:W3"});
            return ListBytes(list);
        };
        QCOMPARE(ToHex(ListBytes(*editor->WorkingCopy())), ToHex(rowsOf(left)));
        QCOMPARE(board.held, clipboard != "-");
        if (clipboard != "-")
            QCOMPARE(ToHex(board.bytes), ToHex(rowsOf(clipboard)));
        QCOMPARE(log.texts, message ? std::vector<QString>{ui::Text(Txt::ClipboardNotWritten)} : std::vector<QString>{});
    }

    void cutOfABlankRowOnlyRemovesIt()
    {
        UiTestHost host;
        TestClipboard board;
        board.SetListBytes("kept");
        CStepchainData source;
        Fill(source, {"V:W1", "V:W2"});
        auto editor = OpenEditor(source);
        SelectRows(*editor, 1, 1);
        Click(*editor, CStepchainDlg::InsertCommand);
        Click(*editor, CStepchainDlg::CutCommand);
        QVERIFY(!editor->Model()->HasBlank());
        QCOMPARE(board.bytes, std::string("kept"));
        QCOMPARE(ListBytes(*editor->WorkingCopy()), ListBytes(source));
    }

    // Two editors, one after the other, through the system's clipboard.
    void pasteBetweenTwoEditors()
    {
        UiTestHost host;
        CStepchainData first;
        Fill(first, {"V:W1", "B:A", "L:A", "X"});
        CStepchainData second;
        Fill(second, {"R", "R"});
        {
            auto editor = OpenEditor(first);
            SelectRows(*editor, 1, 2);
            Click(*editor, CStepchainDlg::CopyCommand);
            editor->CancelButton()->click();
        }
        auto editor = OpenEditor(second);
        SelectRows(*editor, 1, 1);
        QTest::keyClick(editor->Grid(), Qt::Key_V, Qt::ControlModifier);
        CStepchainData expected;
        Fill(expected, {"R", "B:A", "L:A", "R"});
        QCOMPARE(ToHex(ListBytes(*editor->WorkingCopy())), ToHex(ListBytes(expected)));
        QCOMPARE(editor->Grid()->currentIndex().row(), 1);
        // At the new row the rows go to the end.
        SelectRows(*editor, 4, 4);
        Click(*editor, CStepchainDlg::PasteCommand);
        QCOMPARE(editor->WorkingCopy()->GetCount(), size_t(6));
        QVERIFY(!IsRed(*editor, 1));
        QVERIFY(IsRed(*editor, 2));
    }

    // Pasted rows under a limit word: what it forbids goes at once; the current row stays in the list.
    void pasteUnderALimitWord()
    {
        UiTestHost host;
        TestClipboard board;
        CStepchainData copied;
        Fill(copied, {"R", "V:W1", "X"});
        board.SetListBytes(ListBytes(copied));
        CStepchainData source;
        source.SetLimit(0x04);
        Fill(source, {"V:W2"});
        auto editor = OpenEditor(source, 0x04);
        SelectRows(*editor, 1, 1);
        Click(*editor, CStepchainDlg::PasteCommand);
        CStepchainData expected;
        Fill(expected, {"V:W2", "V:W1"});
        QCOMPARE(ToHex(ListBytes(*editor->WorkingCopy())), ToHex(ListBytes(expected)));
        QVERIFY(editor->Grid()->currentIndex().row() <= 2);
        editor->UndoStack()->undo();
        QCOMPARE(ToHex(ListBytes(*editor->WorkingCopy())), ToHex(ListBytes(source)));
    }

    void pasteOfWhatCannotBeRead_data()
    {
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<bool>("message");
        QTest::newRow("unknown kind") << QByteArray::fromHex("0200" "0f" "63") << true;
        QTest::newRow("cut short") << QByteArray::fromHex("0300" "0f" "0f") << true;
        QTest::newRow("one byte") << QByteArray::fromHex("01") << true;
        QTest::newRow("no rows") << QByteArray::fromHex("0000") << false;
    }
    void pasteOfWhatCannotBeRead()
    {
        QFETCH(QByteArray, held);
        QFETCH(bool, message);
        UiTestHost host;
        TestClipboard board;
        board.SetListBytes(held.toStdString());
        CStepchainData source;
        Fill(source, {"V:W1"});
        auto editor = OpenEditor(source);
        MessageLog log;
        Click(*editor, CStepchainDlg::PasteCommand);
        QCOMPARE(ListBytes(*editor->WorkingCopy()), ListBytes(source));
        QCOMPARE(log.texts, message ? std::vector<QString>{ui::Text(Txt::ClipboardUnreadable)} : std::vector<QString>{});
        QCOMPARE(editor->UndoStack()->count(), 0);
    }

    void pastePastTheMostTheFormatHolds()
    {
        UiTestHost host;
        TestClipboard board;
        CStepchainData two;
        Fill(two, {"X", "X"});
        board.SetListBytes(ListBytes(two));
        CStepchainData source;
        for (size_t i = 0; i + 1 < MAX_STEPCHAIN_ACTIONS; ++i)
            Fill(source, {"X"});
        auto editor = OpenEditor(source);
        MessageLog log;
        SelectRows(*editor, 0, 0);
        Click(*editor, CStepchainDlg::PasteCommand);
        QCOMPARE(editor->WorkingCopy()->GetCount(), MAX_STEPCHAIN_ACTIONS - 1);
        QCOMPARE(log.texts.size(), size_t(1));
        // One more still fits; then the new row takes no kind.
        ChooseKind(*editor, editor->Model()->NewRow(), KindText(SC_ACTIONEXIT));
        QCOMPARE(editor->WorkingCopy()->GetCount(), MAX_STEPCHAIN_ACTIONS);
        ChooseKind(*editor, editor->Model()->NewRow(), KindText(SC_ACTIONEXIT));
        QCOMPARE(editor->WorkingCopy()->GetCount(), MAX_STEPCHAIN_ACTIONS);
        QCOMPARE(log.texts.size(), size_t(2));
    }

    // Every command is one step: undo brings back the exact bytes before it, redo those after.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* c : {"kind on the new row", "kind on a blank row", "another kind", "settings", "move up",
                              "move down", "cut", "paste", "paste under a limit"})
            QTest::newRow(c) << QString(c);
    }
    void undoRedo()
    {
        QFETCH(QString, command);
        UiTestHost host;
        TestClipboard board;
        CStepchainData copied;
        Fill(copied, {"L:C", "R"});
        board.SetListBytes(ListBytes(copied));
        CStepchainData source;
        if (command == "paste under a limit")
            source.SetLimit(0x04);
        Fill(source, {"V:W1", "L:A", "B:A", "X", "V:W2"});
        auto editor = OpenEditor(source, source.GetLimit());
        CStepchainData& list = *editor->WorkingCopy();
        const std::string before = ListBytes(list);

        TestDialogs::nextName = "B";
        if (command == "kind on the new row") {
            ChooseKind(*editor, 5, KindText(SC_LABEL));
        } else if (command == "kind on a blank row") {
            SelectRows(*editor, 2, 2);
            Click(*editor, CStepchainDlg::InsertCommand);
            ChooseKind(*editor, 2, KindText(SC_SETVALUE));
        } else if (command == "another kind") {
            ChooseKind(*editor, 1, KindText(SC_SETVALUE));
        } else if (command == "settings") {
            SelectRows(*editor, 1, 1);
            editor->SettingsButton()->click();
        } else if (command == "move up") {
            SelectRows(*editor, 2, 3);
            Click(*editor, CStepchainDlg::MoveUpCommand);
        } else if (command == "move down") {
            SelectRows(*editor, 0, 2);
            Click(*editor, CStepchainDlg::MoveDownCommand);
        } else if (command == "cut") {
            SelectRows(*editor, 1, 5);
            Click(*editor, CStepchainDlg::CutCommand);
        } else {
            SelectRows(*editor, 2, 2);
            Click(*editor, CStepchainDlg::PasteCommand);
        }
        const std::string after = ListBytes(list);
        QVERIFY(after != before);
        QCOMPARE(editor->UndoStack()->count(), 1);

        QTest::keyClick(editor->Grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ToHex(ListBytes(list)), ToHex(before));
        QTest::keyClick(editor->Grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ToHex(ListBytes(list)), ToHex(after));
        editor->Undo();
        QCOMPARE(ToHex(ListBytes(list)), ToHex(before));
        QCOMPARE(editor->Model()->rowCount(), 6);
    }

    void undoOfAnInsertTakesTheBlankRowBack()
    {
        UiTestHost host;
        CStepchainData source;
        Fill(source, {"V:W1", "V:W2"});
        auto editor = OpenEditor(source);
        ChooseKind(*editor, 2, KindText(SC_SETVALUE));
        SelectRows(*editor, 1, 1);
        Click(*editor, CStepchainDlg::InsertCommand);
        editor->Undo();
        QVERIFY(!editor->Model()->HasBlank());
        QCOMPARE(editor->WorkingCopy()->GetCount(), size_t(3));
        editor->Undo();
        QCOMPARE(ListBytes(*editor->WorkingCopy()), ListBytes(source));
    }

    // Any change refreshes every row: renaming a label turns a branch to it red at once.
    void everyRowIsRefreshed()
    {
        UiTestHost host;
        CStepchainData source;
        Fill(source, {"B:A", "L:A", "L:X"});
        auto editor = OpenEditor(source);
        QVERIFY(!IsRed(*editor, 0));
        TestDialogs::nextName = "Z";
        SelectRows(*editor, 1, 1);
        editor->SettingsButton()->click();
        QVERIFY(IsRed(*editor, 0));
        // A duplicate label turns both red.
        TestDialogs::nextName = "X";
        editor->SettingsButton()->click();
        QVERIFY(IsRed(*editor, 1));
        QVERIFY(IsRed(*editor, 2));
        QCOMPARE(Cell(*editor, 2, 1), ui::FromCp932(Format(T(Txt::LabelCaption), {"X"}) + T(Txt::LabelDuplicate)));
    }

    // A red detail cell tells why, in the actions' own words; other cells say nothing.
    void tooltipGivesTheReasons()
    {
        UiTestHost host;
        CStepchainData source;
        Fill(source, {"L:", "L:A", "V:W1", "L:A"});
        auto editor = OpenEditor(source);
        const auto tip = [&](int row) {
            return editor->Model()->data(editor->Model()->index(row, Model::DetailColumn), Qt::ToolTipRole).toString();
        };
        QCOMPARE(tip(0), QString::fromUtf8("ラベル名が未入力です"));
        QCOMPARE(tip(1), QString::fromUtf8("ラベル名'A'は4行目でも使われています"));
        QCOMPARE(tip(2), QString());
        QCOMPARE(editor->Model()->data(editor->Model()->index(0, Model::KindColumn), Qt::ToolTipRole), QVariant());
    }

    void renameMessage()
    {
        UiTestHost host;
        CStepchainData source;
        Fill(source, {"V:W1", "L:A", "B:A", "V:W10"});
        auto editor = OpenEditor(source);
        ChooseKind(*editor, 4, KindText(SC_SETVALUE));
        QCOMPARE(editor->UndoStack()->count(), 1);
        // A blank row beside the label and the branch: the list itself has no hole to trip over.
        SelectRows(*editor, 2, 2);
        Click(*editor, CStepchainDlg::InsertCommand);
        QCOMPARE(CountModuleWindows(), size_t(1));
        host::SendRename("W1", "M1");
        CStepchainData expected;
        Fill(expected, {"V:M1", "L:A", "B:A", "V:W10", "V:W9"});
        QCOMPARE(ToHex(ListBytes(*editor->WorkingCopy())), ToHex(ListBytes(expected)));
        QVERIFY(editor->Model()->HasBlank());
        QVERIFY(Cell(*editor, 0, 1).contains("M1"));
        QCOMPARE(editor->UndoStack()->count(), 0);
        QCOMPARE(ListBytes(source).find("M1"), std::string::npos);
        editor->CancelButton()->click();
        editor.reset();
        QCOMPARE(CountModuleWindows(), size_t(0));
    }

    // OK and cancel: where the list goes.
    void okAndCancel_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("owner");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("withHost");
        QTest::addColumn<QString>("result");  // "source", "host", "none"
        QTest::newRow("cancel") << false << true << "" << true << "none";
        QTest::newRow("ok, owner") << true << true << "Push" << true << "source";
        QTest::newRow("ok, no owner, no key") << true << false << "" << true << "source";
        QTest::newRow("ok, no owner, key") << true << false << "Push" << true << "host";
        QTest::newRow("ok, no owner, key, no host") << true << false << "Push" << false << "source";
    }
    void okAndCancel()
    {
        QFETCH(bool, ok);
        QFETCH(bool, owner);
        QFETCH(QString, key);
        QFETCH(bool, withHost);
        QFETCH(QString, result);
        auto host = withHost ? std::make_unique<UiTestHost>() : nullptr;
        FakeObject object("Btn1");
        CStepchainData source;
        if (owner)
            source.SetOwnerObj(&object);
        Fill(source, {"V:W1", "L:A", "B:B"});  // the branch is red
        const std::string before = ListBytes(source);
        int answer = 0;
        std::string edited;
        WhenModal([&](QDialog* dialog) {
            auto* editor = static_cast<CStepchainDlg*>(dialog);
            ChooseKind(*editor, 3, KindText(SC_SETVALUE));
            edited = ListBytes(*editor->WorkingCopy());
            QTest::keyClick(editor->Grid(), Qt::Key_Return);
            QTest::keyClick(editor->Grid(), Qt::Key_Escape);
            QVERIFY(editor->isVisible());
            (ok ? editor->OkButton() : editor->CancelButton())->click();
        });
        answer = source.Edit(nullptr, 0, key.toStdString());
        QCOMPARE(answer, ok ? IDOK : IDCANCEL);
        QCOMPARE(ToHex(ListBytes(source)), ToHex(result == "source" ? edited : before));
        if (host) {
            QCOMPARE(host->Count(hostmsg::APPLY_EDITED_LIST), result == "host" ? 1 : 0);
            if (result == "host") {
                QCOMPARE(ToHex(host->appliedList), ToHex(edited));
                QCOMPARE(host->appliedKey, key.toStdString());
            }
        }
    }
};

UI_TEST_CLASS(EditorTest);

#include "EditorTest.moc"
