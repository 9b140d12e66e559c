#include "actions/CSCSetValue.h"
#include "dialogs/DialogDrive.h"
#include "ui/ListWindow.h"
#include "ui/dialogs/CSCSetValueDlg.h"

namespace {
using ValueDlg = CSCSetValueDlg;

// The editor as a dialog's parent sees it: a window that knows the list's owner.
class ListParent : public QWidget, public IListWindow {
public:
    IPWObject* GetListOwner() const override { return owner; }
    IPWObject* owner = nullptr;
};

struct Value : Listed<CSCSetValue> {
    Value(const std::string& dest, const std::string& source) : Listed(SC_SETVALUE)
    {
        std::tie(action->Dest.m_name, action->Source.m_name) = std::tie(dest, source);
    }
};
}

// The memory fields and the picks that every settings dialog shares, on the
// set-value dialog: a destination that refuses numbers and a value.
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
    // was told (and answered), what the host got. The host knows W0, GR1 and
    // TXT1 of types 0, 1, 2; without a host nothing is checked.
    void leavingAField()
    {
        const QString unknown = U("'NEW1'は利用可能なメモリー名として登録されていません。\nユーザ定義メモリーとして追加しますか?");
        const QString number = U("代入先のメモリーに数値は指定できません");
        for (const auto& [withHost, destination, kindMask, typed, ctrl, answer, stays, message, registeredType] :
             Rows<bool, bool, uint, QString, bool, bool, QString, QString, int>{  // registeredType -1: none
                 {true, true, 1, "5", false, true, "OLD", number, -1},
                 {false, true, 1, "5", false, true, "5", "", -1},
                 {true, false, 1, "-", false, true, "-", "", -1},
                 {true, true, 1, "W0", false, true, "W0", "", -1},
                 {true, true, 1, "NEW1", false, true, "NEW1", unknown, 0},
                 {true, true, 1, "NEW1", false, false, "OLD", unknown, -1},
                 {true, true, 2, "NEW1", false, true, "NEW1", unknown, 2},
                 {true, true, 4, "NEW1", false, true, "NEW1", unknown, 1},
                 {true, true, 1, "TXT1", false, true, "OLD", U("指定できない型のメモリーが選択されています"), -1},
                 {true, false, 5, "GR1", false, true, "GR1", "", -1},
                 {true, true, 1, "NEW1", true, true, "NEW1", "", -1},
                 {true, true, 1, U("Wé"), false, true, "OLD", U("次の文字は使用できません: é"), -1}}) {
            std::optional<UiTestHost> host;
            if (withHost)
                host.emplace(std::map<std::string, int>{{"W0", 0}, {"GR1", 1}, {"TXT1", 2}});
            Value a("OLD", "OLD");
            Run<ValueDlg>(a.action, [&](ValueDlg& d) {
                d.m_dest->Edit()->m_noCheck = 1;
                d.OkButton()->setFocus(Qt::TabFocusReason);
                d.m_dest->Edit()->m_noCheck = 0;
                CVXMemEditSC* edit = destination ? d.m_dest->Edit() : d.m_value->Edit();
                edit->m_kindMask = kindMask;
                MessageLog log({answer});
                if (ctrl)
                    QTest::keyPress(edit, Qt::Key_Control, Qt::ControlModifier);
                TypeInto(edit, typed, d.OkButton());
                if (ctrl)
                    QTest::keyRelease(d.OkButton(), Qt::Key_Control);
                QCOMPARE(edit->text(), stays);
                QCOMPARE(log.texts, message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{message});
            }, false);
            if (host)
                QCOMPARE(host->registered, (decltype(host->registered)(registeredType >= 0, {"NEW1", registeredType})));
        }
    }

    // The picker starts from the operand with its kind suffix and the owner's
    // name; a choice (answer 1) sets the kind from the suffix it comes back
    // with. Without a link of its own, the action-link chooser starts from the owner's name.
    void pickMemory()
    {
        for (const auto& [kind, start, answer, choice, name, newKind] :
             Rows<int, const char*, int, const char*, const char*, int>{
                 {0, "W0", 1, "GR1[GRAPH]", "GR1", 1}, {1, "W0[GRAPH]", 1, "TXT1[TEXT]", "TXT1", 2},
                 {2, "W0[TEXT]", 1, "W5", "W5", 0}, {2, "W0[TEXT]", 0, "W5", "W0", 2}, {0, "W0", 2, "W5", "W0", 0}}) {
            UiTestHost host;
            host.pickerAnswer = answer;
            host.pickerChoice = choice;
            FakeObject owner("Btn1");
            ListParent parent;
            parent.owner = &owner;
            Value a("W0", "1");
            a.action->Dest.m_kind = kind;
            ValueDlg dialog(a.action, &parent, 0);
            dialog.m_dest->Load();
            dialog.m_dest->PickButton()->click();
            const CVXMemNode& node = dialog.CopyAs<CSCSetValue>()->Dest;
            QCOMPARE(host.pickerStart + ' ' + host.pickerOwner + ' ' + std::to_string(host.pickerFilter),
                     start + std::string(" Btn1 6"));
            QCOMPARE(node.m_name + std::to_string(node.m_kind), name + std::to_string(newKind));
            QCOMPARE(dialog.m_dest->Edit()->text(), QString(name));
            std::string link;
            QVERIFY(!dialog.PickActionLink(link));
            QCOMPARE(host.linkStart, std::string("Btn1!"));
        }
    }

    // What OK stores from a value field, with no host to look names up: "#"
    // dropped, an untouched name kept byte for byte, a character without a
    // CP932 form refused.
    void valueOnOk()
    {
        for (const auto& [stored, typed, after, refused] : Rows<std::string, QString, std::string, bool>{  // typed null: as loaded
                 {"W0", "#12", "12", false}, {"A\x81", {}, "A\x81", false}, {"W0", U("Wé"), "W0", true}}) {
            Value a("W0", stored);
            const DialogRun run = Run<ValueDlg>(a.action, [&](ValueDlg& d) {
                if (!typed.isNull())
                    d.m_value->Edit()->setText(typed);
            });
            QCOMPARE(ToHex(a.action->Source.m_name), ToHex(after));
            QCOMPARE(run.refused, refused);
        }
    }
};

UI_TEST_CLASS(DialogTest);

#include "DialogTest.moc"
