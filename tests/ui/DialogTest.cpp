#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCSetValue.h"
#include "core/CStepchainData.h"
#include "host/ModuleWindows.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/CSCDialog.h"
#include "ui/CVXMemEditSC.h"
#include "ui/ListWindow.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"

namespace {

// A settings dialog as the action dialogs build theirs: a destination field
// that refuses numbers and a value field, both with "▼".
class ValueDlg : public CSCDialog {
public:
    ValueDlg(IStepchain* action, QWidget* parent, DWORD limit) : CSCDialog(action, parent, limit)
    {
        auto* layout = new QVBoxLayout(this);
        dest = new OperandEdit(this, &CopyAs<CSCSetValue>()->Dest, 6, this);
        dest->Edit()->m_refuseNumber = 1;
        value = new OperandEdit(this, &CopyAs<CSCSetValue>()->Source, 6, this);
        layout->addWidget(dest);
        layout->addWidget(value);
        layout->addLayout(AddOkCancel(Txt::ButtonCancel));
    }
    OperandEdit* dest;
    OperandEdit* value;
    std::vector<std::pair<std::string, int>> chosen;

protected:
    void OnMemoryChosen(CVXMemEditSC*, const CVXMemNode& node) override { chosen.emplace_back(node.m_name, node.m_kind); }
};

// The editor as a dialog's parent sees it: a window that knows the list's owner.
class ListParent : public QWidget, public IListWindow {
public:
    IPWObject* GetListOwner() const override { return owner; }
    IPWObject* owner = nullptr;
};

struct Action {
    CStepchainData list;
    CSCSetValue* action;
    Action(const char* dest, const char* source)
    {
        action = static_cast<CSCSetValue*>(list.CreateSC(SC_SETVALUE));
        list.AddSC(action);
        action->Dest.m_name = dest;
        action->Source.m_name = source;
    }
};

// Types `typed` into the field and moves the focus on, as a user leaving it.
void TypeAndLeave(ValueDlg& dialog, CVXMemEditSC* edit, const QString& typed, bool ctrl = false)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    edit->insert(typed);
    if (ctrl)
        QTest::keyPress(edit, Qt::Key_Control, Qt::ControlModifier);
    dialog.OkButton()->setFocus(Qt::TabFocusReason);
    if (ctrl)
        QTest::keyRelease(dialog.OkButton(), Qt::Key_Control);
}

// Shows the dialog with the focus on OK, where no field is checked.
bool ShowIdle(ValueDlg& dialog)
{
    dialog.dest->Load();
    dialog.value->Load();
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog))
        return false;
    dialog.dest->Edit()->m_noCheck = 1;
    dialog.OkButton()->setFocus(Qt::TabFocusReason);
    dialog.dest->Edit()->m_noCheck = 0;
    return true;
}
}

class DialogTest : public QObject {
    Q_OBJECT
private slots:
    // The texts of the editor and the dialogs survive the trip to CP932 whole.
    void texts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        const std::pair<Txt, const char*> texts[] = {
            {Txt::EditorTitle, "ステップチェーン設定"},
            {Txt::ButtonCancelNarrow, "ｷｬﾝｾﾙ"},
            {Txt::ButtonPick, "▼"},
            {Txt::MemNumberRefused, "代入先のメモリーに数値は指定できません"},
            {Txt::MemNotRegistered, "'%s'は利用可能なメモリー名として登録されていません。\nユーザ定義メモリーとして追加しますか?"},
            {Txt::MemTypeRefused, "指定できない型のメモリーが選択されています"},
            {Txt::LabelDialogTitle, "分岐ラベル"},
        };
        for (const auto& [id, text] : texts)
            QTest::newRow(text) << static_cast<int>(id) << QString::fromUtf8(text);
    }
    void texts()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        std::string bytes;
        QVERIFY(ui::ToCp932(text, &bytes));
        QCOMPARE(ToHex(T(static_cast<Txt>(id))), ToHex(bytes));
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        for (const char* yes : {"", "-", ".", "-.5", "12.", "#12", "#", "0"})
            QTest::newRow(yes) << QString(yes) << true;
        for (const char* no : {"1.2.3", "--1", "1-2", "W0", "##1"})
            QTest::newRow(no) << QString(no) << false;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(CVXMemEditSC::IsNumber(text), number);
    }

    // Leaving a field: what stays in it, what the user was told, what the host got.
    void leavingAField_data()
    {
        QTest::addColumn<bool>("destination");
        QTest::addColumn<uint>("kindMask");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("stays");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("registeredType");  // -1: nothing registered
        QTest::addColumn<int>("chosenKind");      // -1: no memory-chosen notification

        const QString number = ui::Text(Txt::MemNumberRefused);
        const QString type = ui::Text(Txt::MemTypeRefused);
        const QString unknown = ui::FromCp932(Format(T(Txt::MemNotRegistered), {"NEW1"}));
        // The field held "OLD" when it got the focus; the host knows W0 (0), GR1 (1), TXT1 (2).
        // Leaving OK for the field and the field for OK checks the field alone.
        QTest::newRow("number into a destination") << true << 1u << "5" << false << true << "OLD" << number << -1 << -1;
        QTest::newRow("#5 into a destination") << true << 1u << "#5" << false << true << "OLD" << number << -1 << -1;
        QTest::newRow("lone minus into a value") << false << 1u << "-" << false << true << "-" << "" << -1 << -1;
        QTest::newRow("known memory") << true << 1u << "W0" << false << true << "W0" << "" << -1 << 0;
        QTest::newRow("unknown, yes") << true << 1u << "NEW1" << false << true << "NEW1" << unknown << 0 << -1;
        QTest::newRow("unknown, no") << true << 1u << "NEW1" << false << false << "OLD" << unknown << -1 << -1;
        QTest::newRow("unknown, yes, text field") << true << 2u << "NEW1" << false << true << "NEW1" << unknown << 2 << -1;
        QTest::newRow("unknown, yes, graph field") << true << 4u << "NEW1" << false << true << "NEW1" << unknown << 1 << -1;
        QTest::newRow("text memory, ordinary field") << true << 1u << "TXT1" << false << true << "OLD" << type << -1 << -1;
        QTest::newRow("graph memory, graph field") << false << 5u << "GR1" << false << true << "GR1" << "" << -1 << 1;
        QTest::newRow("ctrl held skips the check") << true << 1u << "NEW1" << true << true << "NEW1" << "" << -1 << -1;
        QTest::newRow("not CP932") << true << 1u << "W\u00e9" << false << true << "OLD"
                                   << ui::Text(Txt::TextNotCp932).replace("%s", "\u00e9") << -1 << -1;
    }
    void leavingAField()
    {
        QFETCH(bool, destination);
        QFETCH(uint, kindMask);
        QFETCH(QString, typed);
        QFETCH(bool, ctrl);
        QFETCH(bool, answer);
        QFETCH(QString, stays);
        QFETCH(QString, message);
        QFETCH(int, registeredType);
        QFETCH(int, chosenKind);

        UiTestHost host;
        host.memories = {{"W0", 0}, {"GR1", 1}, {"TXT1", 2}};
        Action a("OLD", "OLD");
        ValueDlg dialog(a.action, nullptr, 0);
        QVERIFY(ShowIdle(dialog));
        CVXMemEditSC* edit = destination ? dialog.dest->Edit() : dialog.value->Edit();
        edit->m_kindMask = kindMask;

        MessageLog log({answer});
        TypeAndLeave(dialog, edit, typed, ctrl);

        QCOMPARE(edit->text(), stays);
        QCOMPARE(log.texts.size(), message.isEmpty() ? 0u : 1u);
        if (!message.isEmpty())
            QCOMPARE(log.texts[0], message);
        QCOMPARE(host.registered.size(), registeredType < 0 ? 0u : 1u);
        if (registeredType >= 0)
            QCOMPARE(host.registered[0], (std::pair<std::string, int>("NEW1", registeredType)));
        QCOMPARE(dialog.chosen.size(), chosenKind < 0 ? 0u : 1u);
        if (chosenKind >= 0)
            QCOMPARE(dialog.chosen[0].second, chosenKind);
        // Leaving a field never touches the action itself.
        QCOMPARE(a.action->Dest.m_name, std::string("OLD"));
    }

    void withoutAHostNothingIsChecked()
    {
        Action a("OLD", "OLD");
        ValueDlg dialog(a.action, nullptr, 0);
        QVERIFY(ShowIdle(dialog));
        MessageLog log;
        TypeAndLeave(dialog, dialog.dest->Edit(), "5");
        QCOMPARE(dialog.dest->Edit()->text(), QString("5"));
        QVERIFY(log.texts.empty());
        QVERIFY(dialog.OkButton()->hasFocus());
    }

    // Enter reaches OK without the field losing the focus; OK checks it again.
    void fiveThenEnterInADestination()
    {
        UiTestHost host;
        host.memories = {{"W0", 0}};
        Action a("W0", "1");
        const std::string before = StoredBytes(*a.action);
        MessageLog log;
        bool stayedOpen = false;
        QString restored;
        WhenModal([&](QDialog* dialog) {
            auto* dest = static_cast<ValueDlg*>(dialog)->dest->Edit();
            dest->setFocus(Qt::TabFocusReason);
            dest->selectAll();
            QTest::keyClicks(dest, "5");
            QTest::keyClick(dest, Qt::Key_Return);
            stayedOpen = dialog->isVisible();
            restored = dest->text();
            dialog->reject();
        });
        QCOMPARE(CSCDialog::Open<ValueDlg>(a.action, nullptr, 0), IDCANCEL);
        QVERIFY(stayedOpen);
        QCOMPARE(restored, QString("W0"));
        QCOMPARE(log.texts, std::vector<QString>{ui::Text(Txt::MemNumberRefused)});
        QCOMPARE(ToHex(StoredBytes(*a.action)), ToHex(before));
    }

    // The picker starts from the operand with its kind suffix and the owner's
    // name; a choice sets the kind from the suffix it comes back with.
    void pickMemory_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("newKind");
        QTest::newRow("plain to graph") << 0 << "W0" << 1 << "GR1[GRAPH]" << "GR1" << 1;
        QTest::newRow("graph to text") << 1 << "W0[GRAPH]" << 1 << "TXT1[TEXT]" << "TXT1" << 2;
        QTest::newRow("text to plain") << 2 << "W0[TEXT]" << 1 << "W5" << "W5" << 0;
        QTest::newRow("cancelled") << 2 << "W0[TEXT]" << 0 << "W5" << "W0" << 2;
        QTest::newRow("answer other than 1") << 0 << "W0" << 2 << "W5" << "W0" << 0;
    }
    void pickMemory()
    {
        QFETCH(int, kind);
        QFETCH(QString, start);
        QFETCH(int, answer);
        QFETCH(QString, choice);
        QFETCH(QString, name);
        QFETCH(int, newKind);

        UiTestHost host;
        host.pickerAnswer = answer;
        host.pickerChoice = choice.toStdString();
        FakeObject owner("Btn1");
        ListParent parent;
        parent.owner = &owner;
        Action a("W0", "1");
        a.action->Dest.m_kind = kind;
        ValueDlg dialog(a.action, &parent, 0);
        dialog.dest->Load();
        dialog.dest->PickButton()->click();

        QCOMPARE(QString::fromStdString(host.pickerStart), start);
        QCOMPARE(host.pickerOwner, std::string("Btn1"));
        QCOMPARE(host.pickerFilter, 6u);
        CVXMemNode& node = dialog.CopyAs<CSCSetValue>()->Dest;
        QCOMPARE(QString::fromStdString(node.m_name), name);
        QCOMPARE(node.m_kind, newKind);
        QCOMPARE(dialog.dest->Edit()->text(), name);
        QCOMPARE(dialog.chosen.size(), answer == 1 ? 1u : 0u);
    }

    // A pick works on the copy: cancel keeps the action's bytes, OK takes the pick.
    void pickThenCancelOrOk()
    {
        UiTestHost host;
        host.pickerAnswer = 1;
        host.pickerChoice = "GR1[GRAPH]";
        host.memories = {{"GR1", 1}};
        for (bool ok : {false, true}) {
            Action a("W0", "1");
            const std::string before = StoredBytes(*a.action);
            WhenModal([ok](QDialog* dialog) {
                static_cast<ValueDlg*>(dialog)->dest->Edit()->m_kindMask = 5;
                static_cast<ValueDlg*>(dialog)->dest->PickButton()->click();
                ok ? static_cast<ValueDlg*>(dialog)->OkButton()->click() : dialog->reject();
            });
            QCOMPARE(CSCDialog::Open<ValueDlg>(a.action, nullptr, 0), ok ? IDOK : IDCANCEL);
            if (ok) {
                QCOMPARE(a.action->Dest.m_name, std::string("GR1"));
                QCOMPARE(a.action->Dest.m_kind, 1);
            } else {
                QCOMPARE(ToHex(StoredBytes(*a.action)), ToHex(before));
            }
        }
    }

    void pickActionLink_data()
    {
        QTest::addColumn<bool>("withOwner");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty, owner") << true << "" << 1 << "Btn1!" << "PLC1!Btn2!Push";
        QTest::newRow("empty, no owner") << false << "" << 1 << "" << "PLC1!Btn2!Push";
        QTest::newRow("given") << true << "A!B" << 1 << "A!B" << "PLC1!Btn2!Push";
        QTest::newRow("cancelled") << true << "" << 0 << "Btn1!" << "";
    }
    void pickActionLink()
    {
        QFETCH(bool, withOwner);
        QFETCH(QString, text);
        QFETCH(int, answer);
        QFETCH(QString, start);
        QFETCH(QString, after);
        UiTestHost host;
        host.linkAnswer = answer;
        host.linkChoice = "PLC1!Btn2!Push";
        FakeObject owner("Btn1");
        ListParent parent;
        parent.owner = withOwner ? &owner : nullptr;
        Action a("W0", "1");
        ValueDlg dialog(a.action, &parent, 0);
        std::string link = text.toStdString();
        QCOMPARE(dialog.PickActionLink(link), answer == 1);
        QCOMPARE(QString::fromStdString(host.linkStart), start);
        QCOMPARE(QString::fromStdString(link), after);
    }

    // What OK stores from a value field: "#" dropped, an untouched name kept
    // byte for byte, a character without a CP932 form refused.
    void valueOnOk_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("typed");  // null: left as loaded
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("constant with #") << QByteArray("W0") << "#12" << QByteArray("12") << true;
        QTest::newRow("untouched, shown with ?") << QByteArray("A\x81", 2) << QString() << QByteArray("A\x81", 2) << true;
        QTest::newRow("Japanese") << QByteArray("W0") << QString::fromUtf8("温度") << QByteArray::fromStdString(Sj("温度")) << true;
        QTest::newRow("no CP932 form") << QByteArray("W0") << QString::fromUtf8("W\u00e9") << QByteArray("W0") << false;
    }
    void valueOnOk()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        QFETCH(QByteArray, after);
        QFETCH(bool, accepted);
        UiTestHost host;
        host.memories = {{"W0", 0}, {Sj("温度"), 0}};
        Action a("W0", stored.toStdString().c_str());
        a.action->Source.m_name = stored.toStdString();
        MessageLog log;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<ValueDlg*>(dialog);
            if (!typed.isNull())
                d->value->Edit()->setText(typed);
            d->OkButton()->click();
        });
        QCOMPARE(CSCDialog::Open<ValueDlg>(a.action, nullptr, 0), accepted ? IDOK : IDCANCEL);
        QCOMPARE(ToHex(a.action->Source.m_name), ToHex(after.toStdString()));
        QCOMPARE(log.texts.size(), accepted ? size_t(0) : size_t(1));
    }

    // A rename while the dialog is open reaches its copy and its fields, so
    // that OK does not write the old name back.
    void renameWhileOpen()
    {
        UiTestHost host;
        host.memories = {{"W7", 0}, {"W9", 0}};
        Action a("W0", "W1");
        WhenModal([](QDialog* dialog) {
            auto* d = static_cast<ValueDlg*>(dialog);
            d->value->Edit()->setText("W7");
            host::SendRename("W0", "W9");
            QCOMPARE(d->dest->Edit()->text(), QString("W9"));
            QCOMPARE(d->value->Edit()->text(), QString("W7"));
            d->OkButton()->click();
        });
        QCOMPARE(CSCDialog::Open<ValueDlg>(a.action, nullptr, 0), IDOK);
        QCOMPARE(a.action->Dest.m_name, std::string("W9"));
        QCOMPARE(a.action->Source.m_name, std::string("W7"));
        QCOMPARE(CountModuleWindows(), size_t(0));
    }
};

UI_TEST_CLASS(DialogTest);

#include "DialogTest.moc"
