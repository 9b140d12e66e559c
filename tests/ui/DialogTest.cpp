#include <QVBoxLayout>

#include "actions/CSCSetValue.h"
#include "dialogs/DialogDrive.h"
#include "host/ModuleWindows.h"
#include "ui/ListWindow.h"

namespace {
// A settings dialog as the action dialogs build theirs: a destination field
// that refuses numbers and a value field, both with "▼".
class ValueDlg : public CSCDialog {
public:
    ValueDlg(IStepchain* action, QWidget* parent, DWORD limit) : CSCDialog(action, parent, limit)
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(dest = new OperandEdit(this, &CopyAs<CSCSetValue>()->Dest, 6, this));
        layout->addWidget(value = new OperandEdit(this, &CopyAs<CSCSetValue>()->Source, 6, this));
        layout->addLayout(AddOkCancel(Txt::ButtonCancel));
        dest->Edit()->m_refuseNumber = 1;
    }
    OperandEdit* dest;
    OperandEdit* value;
    std::vector<int> chosen;  // the kinds of the memories chosen

protected:
    void OnMemoryChosen(CVXMemEditSC*, const CVXMemNode& node) override { chosen.push_back(node.m_kind); }
};

// The editor as a dialog's parent sees it: a window that knows the list's owner.
class ListParent : public QWidget, public IListWindow {
public:
    IPWObject* GetListOwner() const override { return owner; }
    IPWObject* owner = nullptr;
};

struct Value : Listed<CSCSetValue> {
    Value(const std::string& dest, const std::string& source) : Listed(SC_SETVALUE)
    {
        action->Dest.m_name = dest;
        action->Source.m_name = source;
    }
};
}

class DialogTest : public QObject {
    Q_OBJECT
private slots:
    void numbers()
    {
        for (const char* yes : {"", "-", ".", "-.5", "12.", "#12", "#", "0"})
            QVERIFY2(CVXMemEditSC::IsNumber(yes), yes);
        for (const char* no : {"1.2.3", "--1", "1-2", "W0", "##1"})
            QVERIFY2(!CVXMemEditSC::IsNumber(no), no);
    }

    // Leaving a field that held "OLD" for OK: what stays in it, what the user
    // was told, what the host got (the host knows W0, GR1 and TXT1 of types 0, 1, 2).
    void leavingAField()
    {
        const QString unknown = U("'NEW1'は利用可能なメモリー名として登録されていません。\nユーザ定義メモリーとして追加しますか?");
        const struct {
            bool destination;
            uint kindMask;
            QString typed;
            bool ctrl, answer;
            QString stays, message;
            int registeredType, chosenKind;  // -1: none
        } rows[] = {
            {true, 1, "5", false, true, "OLD", U("代入先のメモリーに数値は指定できません"), -1, -1},
            {true, 1, "#5", false, true, "OLD", U("代入先のメモリーに数値は指定できません"), -1, -1},
            {false, 1, "-", false, true, "-", "", -1, -1},
            {true, 1, "W0", false, true, "W0", "", -1, 0},
            {true, 1, "NEW1", false, true, "NEW1", unknown, 0, -1},
            {true, 1, "NEW1", false, false, "OLD", unknown, -1, -1},
            {true, 2, "NEW1", false, true, "NEW1", unknown, 2, -1},
            {true, 4, "NEW1", false, true, "NEW1", unknown, 1, -1},
            {true, 1, "TXT1", false, true, "OLD", U("指定できない型のメモリーが選択されています"), -1, -1},
            {false, 5, "GR1", false, true, "GR1", "", -1, 1},
            {true, 1, "NEW1", true, true, "NEW1", "", -1, -1},
            {true, 1, U("Wé"), false, true, "OLD", U("次の文字は使用できません: é"), -1, -1},
        };
        for (const auto& row : rows) {
            UiTestHost host;
            host.memories = {{"W0", 0}, {"GR1", 1}, {"TXT1", 2}};
            Value a("OLD", "OLD");
            ValueDlg dialog(a.action, nullptr, 0);
            dialog.dest->Load();
            dialog.value->Load();
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.dest->Edit()->m_noCheck = 1;
            dialog.OkButton()->setFocus(Qt::TabFocusReason);
            dialog.dest->Edit()->m_noCheck = 0;
            CVXMemEditSC* edit = row.destination ? dialog.dest->Edit() : dialog.value->Edit();
            edit->m_kindMask = row.kindMask;
            MessageLog log({row.answer});
            edit->setFocus(Qt::TabFocusReason);
            edit->selectAll();
            edit->insert(row.typed);
            if (row.ctrl)
                QTest::keyPress(edit, Qt::Key_Control, Qt::ControlModifier);
            dialog.OkButton()->setFocus(Qt::TabFocusReason);
            if (row.ctrl)
                QTest::keyRelease(dialog.OkButton(), Qt::Key_Control);
            QCOMPARE(edit->text(), row.stays);
            QCOMPARE(log.texts, row.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{row.message});
            decltype(host.registered) registered;
            if (row.registeredType >= 0)
                registered.emplace_back("NEW1", row.registeredType);
            QCOMPARE(host.registered, registered);
            QCOMPARE(dialog.chosen, row.chosenKind < 0 ? std::vector<int>{} : std::vector<int>{row.chosenKind});
            QCOMPARE(a.action->Dest.m_name, std::string("OLD"));
        }
    }

    // With no host window nothing is checked, and the focus moves on.
    void withoutAHostNothingIsChecked()
    {
        Value a("OLD", "OLD");
        ValueDlg dialog(a.action, nullptr, 0);
        dialog.dest->Load();
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        MessageLog log;
        TypeInto(dialog.dest->Edit(), "5", dialog.OkButton());
        QCOMPARE(dialog.dest->Edit()->text(), QString("5"));
        QVERIFY(log.texts.empty() && dialog.OkButton()->hasFocus());
    }

    // Enter reaches OK without the field losing the focus; OK checks it again.
    void fiveThenEnterInADestination()
    {
        UiTestHost host;
        host.memories = {{"W0", 0}};
        Value a("W0", "1");
        const DialogRun run = Run<ValueDlg>(a.action, [](ValueDlg& d) {
            d.dest->Edit()->setFocus(Qt::TabFocusReason);
            d.dest->Edit()->selectAll();
            QTest::keyClicks(d.dest->Edit(), "5");
            QTest::keyClick(d.dest->Edit(), Qt::Key_Return);
            QVERIFY(d.isVisible());
            QCOMPARE(d.dest->Edit()->text(), QString("W0"));
        }, false);
        QCOMPARE(run.messages, std::vector<QString>{U("代入先のメモリーに数値は指定できません")});
        QCOMPARE(run.outcome, QString("kept"));
    }

    // The picker starts from the operand with its kind suffix and the owner's
    // name; a choice sets the kind from the suffix it comes back with.
    void pickMemory()
    {
        const struct {
            int kind;
            const char* start;
            int answer;
            const char *choice, *name;
            int newKind;
        } rows[] = {{0, "W0", 1, "GR1[GRAPH]", "GR1", 1}, {1, "W0[GRAPH]", 1, "TXT1[TEXT]", "TXT1", 2},
                    {2, "W0[TEXT]", 1, "W5", "W5", 0},    {2, "W0[TEXT]", 0, "W5", "W0", 2},
                    {0, "W0", 2, "W5", "W0", 0}};
        for (const auto& row : rows) {
            UiTestHost host;
            host.pickerAnswer = row.answer;
            host.pickerChoice = row.choice;
            FakeObject owner("Btn1");
            ListParent parent;
            parent.owner = &owner;
            Value a("W0", "1");
            a.action->Dest.m_kind = row.kind;
            ValueDlg dialog(a.action, &parent, 0);
            dialog.dest->Load();
            dialog.dest->PickButton()->click();
            const CVXMemNode& node = dialog.CopyAs<CSCSetValue>()->Dest;
            QCOMPARE(host.pickerStart + ' ' + host.pickerOwner + ' ' + std::to_string(host.pickerFilter),
                     row.start + std::string(" Btn1 6"));
            QCOMPARE(node.m_name + std::to_string(node.m_kind), row.name + std::to_string(row.newKind));
            QCOMPARE(dialog.dest->Edit()->text(), QString(row.name));
            QCOMPARE(dialog.chosen.size(), size_t(row.answer == 1));
        }
    }

    // The action-link chooser starts from the link, or from the owner's name.
    void pickActionLink()
    {
        const struct {
            bool withOwner;
            const char* text;
            int answer;
            const char *start, *after;
        } rows[] = {{true, "", 1, "Btn1!", "PLC1!Btn2!Push"}, {false, "", 1, "", "PLC1!Btn2!Push"},
                    {true, "A!B", 1, "A!B", "PLC1!Btn2!Push"}, {true, "", 0, "Btn1!", ""}};
        for (const auto& row : rows) {
            UiTestHost host;
            host.linkAnswer = row.answer;
            host.linkChoice = "PLC1!Btn2!Push";
            FakeObject owner("Btn1");
            ListParent parent;
            parent.owner = row.withOwner ? &owner : nullptr;
            Value a("W0", "1");
            ValueDlg dialog(a.action, &parent, 0);
            std::string link = row.text;
            QCOMPARE(dialog.PickActionLink(link), row.answer == 1);
            QCOMPARE(host.linkStart + '|' + link, row.start + std::string("|") + row.after);
        }
    }

    // What OK stores from a value field: "#" dropped, an untouched name kept
    // byte for byte, a character without a CP932 form refused.
    void valueOnOk()
    {
        const struct {
            std::string stored;
            QString typed;  // null: left as loaded
            std::string after;
        } rows[] = {{"W0", "#12", "12"}, {"A\x81", {}, "A\x81"}, {"W0", U("温度"), Sj("温度")}, {"W0", U("Wé"), "W0"}};
        for (const auto& row : rows) {
            UiTestHost host;
            host.memories = {{"W0", 0}, {Sj("温度"), 0}};
            Value a("W0", row.stored);
            const DialogRun run = Run<ValueDlg>(a.action, [&](ValueDlg& d) {
                if (!row.typed.isNull())
                    d.value->Edit()->setText(row.typed);
            });
            QCOMPARE(ToHex(a.action->Source.m_name), ToHex(row.after));
            QCOMPARE(run.messages.size(), size_t(run.result != IDOK));
        }
    }

    // A rename while the dialog is open reaches its copy and its fields, so
    // that OK does not write the old name back.
    void renameWhileOpen()
    {
        UiTestHost host;
        host.memories = {{"W7", 0}, {"W9", 0}};
        Value a("W0", "W1");
        Run<ValueDlg>(a.action, [](ValueDlg& d) {
            d.value->Edit()->setText("W7");
            host::SendRename("W0", "W9");
            QCOMPARE(d.dest->Edit()->text() + d.value->Edit()->text(), QString("W9W7"));
        });
        QCOMPARE(a.action->Dest.m_name + a.action->Source.m_name, std::string("W9W7"));
        QCOMPARE(CountModuleWindows(), size_t(0));
    }
};

UI_TEST_CLASS(DialogTest);

#include "DialogTest.moc"
