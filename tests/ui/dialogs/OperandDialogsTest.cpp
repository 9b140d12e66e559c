#include "DialogDrive.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCLabel.h"
#include "actions/CSCOpe.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCSetValue.h"
#include "ui/ListWindow.h"
#include "ui/dialogs/CSCBranchDlg.h"
#include "ui/dialogs/CSCCalcDlg.h"
#include "ui/dialogs/CSCCalcTimeDlg.h"
#include "ui/dialogs/CSCOpeDlg.h"
#include "ui/dialogs/CSCSetGraphMemDlg.h"
#include "ui/dialogs/CSCSetValueDlg.h"

namespace {
using ValueDlg = CSCSetValueDlg;

// The editor as a dialog's parent sees it: a window that knows the list's owner.
class ListParent : public QWidget, public IListWindow {
public:
    IPWObject* GetListOwner() const override { return owner.get(); }
    std::unique_ptr<FakeObject> owner = std::make_unique<FakeObject>("Btn1");
};

// A branch on W0 followed by the label L1 that it jumps to.
struct Branch : Listed<CSCBranch> {
    explicit Branch(int32_t condition) : Listed(SC_BRANCH)
    {
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        label->m_name = "L1";
        list.AddSC(label);
        std::tie(action->Condition, action->Subject.m_name, action->Label) = std::tuple(condition, "W0", "L1");
    }
};
}

// The memory fields and the picks that every settings dialog shares are
// driven on the set-value dialog: a destination that refuses numbers and a value.
class OperandDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void numbers()
    {
        for (const char* yes : {"", "-", ".", "-.5", "12.", "#12", "#", "0"})
            QVERIFY2(CVXMemEditSC::IsNumber(yes), yes);
        for (const char* no : {"1.2.3", "--1", "1-2", "W0", "##1"})
            QVERIFY2(!CVXMemEditSC::IsNumber(no), no);
    }

    // Leaving a field that held "W0" for OK: what stays in it, what the user
    // was told (and answered), what the host got. The host knows W0, GR1 and
    // TXT1 of types 0, 1, 2; without a host nothing is checked.
    void leavingAField()
    {
        const QString unknown = U("'NEW1'は利用可能なメモリー名として登録されていません。\nユーザ定義メモリーとして追加しますか?");
        const QString number = U("代入先のメモリーに数値は指定できません");
        for (const auto& [withHost, destination, kindMask, typed, ctrl, answer, stays, message, registeredType] :
             Rows<bool, bool, uint, QString, bool, bool, QString, QString, int>{  // registeredType -1: none
                 {true, true, 1, "5", false, true, "W0", number, -1}, {false, true, 1, "5", false, true, "5", "", -1},
                 {true, false, 1, "-", false, true, "-", "", -1}, {true, true, 1, "W0", false, true, "W0", "", -1},
                 {true, true, 1, "NEW1", false, true, "NEW1", unknown, 0},
                 {true, true, 1, "NEW1", false, false, "W0", unknown, -1},
                 {true, true, 2, "NEW1", false, true, "NEW1", unknown, 2},
                 {true, true, 4, "NEW1", false, true, "NEW1", unknown, 1},
                 {true, true, 1, "TXT1", false, true, "W0", U("指定できない型のメモリーが選択されています"), -1},
                 {true, false, 5, "GR1", false, true, "GR1", "", -1}, {true, true, 1, "NEW1", true, true, "NEW1", "", -1},
                 {true, true, 1, U("Wé"), false, true, "W0", U("次の文字は使用できません: é"), -1}}) {
            UiTestHost host({{"W0", 0}, {"GR1", 1}, {"TXT1", 2}});
            if (!withHost)
                SetMainWindow(nullptr);
            Listed<CSCSetValue> a(SC_SETVALUE);
            std::tie(a->Dest.m_name, a->Source.m_name) = std::tuple("W0", "W0");
            Run<ValueDlg>(a.action, [&](ValueDlg& d) {
                CVXMemEditSC* edit = destination ? d.m_dest->Edit() : d.m_value->Edit();
                edit->m_kindMask = kindMask;
                MessageLog log({answer});
                QTest::keyPress(edit, Qt::Key_Control, ctrl ? Qt::ControlModifier : Qt::NoModifier);
                TypeInto(edit, typed, d.OkButton());
                QTest::keyRelease(d.OkButton(), Qt::Key_Control);
                QCOMPARE(edit->text(), stays);
                QCOMPARE(log.texts, message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{message});
            }, false);
            QCOMPARE(host.registered, (decltype(host.registered)(registeredType >= 0, {"NEW1", registeredType})));
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
            std::tie(host.pickerAnswer, host.pickerChoice) = std::tuple(answer, choice);
            ListParent parent;
            Listed<CSCSetValue> a(SC_SETVALUE);
            std::tie(a->Dest.m_name, a->Dest.m_kind) = std::tuple("W0", kind);
            ValueDlg dialog(a.action, &parent, 0);
            dialog.m_dest->PickButton()->click();
            const CVXMemNode& node = dialog.CopyAs<CSCSetValue>()->Dest;
            QCOMPARE(host.pickerStart + ' ' + host.pickerOwner + ' ' + std::to_string(host.pickerFilter),
                     start + std::string(" Btn1 6"));
            QCOMPARE(node.m_name + std::to_string(node.m_kind), name + std::to_string(newKind));
            std::string link;
            dialog.PickActionLink(link);
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
            Listed<CSCSetValue> a(SC_SETVALUE);
            std::tie(a->Dest.m_name, a->Source.m_name) = std::tuple("W0", stored);
            const DialogRun run = Run<ValueDlg>(a.action, [&](ValueDlg& d) {
                if (!typed.isNull())
                    d.m_value->Edit()->setText(typed);
            });
            QCOMPARE(ToHex(a->Source.m_name), ToHex(after));
            QCOMPARE(run.refused, refused);
        }
    }

    // Enabled: auto-repeat, acceleration, beep, upper and its ▼, lower and its
    // ▼, wrap; at opening ("+": a repeat box shows checked) and after a click on
    // each of the two boxes (a disabled box ignores it). Limit bit 0x01 shows both boxes clear.
    void calcEnabling()
    {
        for (const auto& [autoRepeat, rangeCheck, limit, shown] : Rows<DWORD, DWORD, DWORD, const char*>{
                 {0, 0, 0, "10000000 11111111"}, {1, 1, 0, "11111111+ 10000000"}, {1, 1, 1, "00011111 00000000"},
                 {1, 0, 0xFFFE, "11100000+ 10011111"}}) {
            Listed<CSCCalc> a(SC_CALC);
            std::tie(a->AutoRepeat, a->Accelerate, a->RangeCheck) = std::tuple(autoRepeat, autoRepeat, rangeCheck);
            QString seen;
            const auto Enabled = [](CSCCalcDlg& d) {
                return Flags({d.m_repeat.m_autoRepeat, d.m_repeat.m_accelerate, d.m_repeat.m_beep, d.m_upper->Edit(),
                              d.m_upper->PickButton(), d.m_lower->Edit(), d.m_lower->PickButton(), d.m_wrap});
            };
            Run<CSCCalcDlg>(a.action, [&](CSCCalcDlg& d) {
                const bool checked = d.m_repeat.m_autoRepeat->isChecked() || d.m_repeat.m_accelerate->isChecked();
                seen = Enabled(d) + (checked ? "+ " : " ");
                QTest::mouseClick(d.m_repeat.m_autoRepeat, Qt::LeftButton, {}, QPoint(4, 4));
                QTest::mouseClick(d.m_rangeCheck, Qt::LeftButton, {}, QPoint(4, 4));
                seen += Enabled(d);
            }, false, limit);
            QCOMPARE(seen, QString(shown));
        }
    }

    // Every box is cleared and every field typed before OK; after the caption,
    // acceleration, beep, upper, lower and wrap, which were 1 1 U L 1.
    // Switches stored outside 0 and 1 are written as 0 or 1.
    void calcOk()
    {
        for (const auto& [repeat, range, stored] : Rows<bool, bool, const char*>{
                 {false, false, "W1に#-2を加算 1 1 U L 1"}, {true, false, "W1に#-2を加算:オートリピート 0 0 U L 1"},
                 {false, true, "W1に#-2を加算上下限チェックあり -9～9  1 1 9 -9 0"}}) {
            Listed<CSCCalc> a(SC_CALC);
            std::tie(a->Upper.m_name, a->Lower.m_name, a->Accelerate, a->Beep, a->Wrap) = std::tuple("U", "L", 1, 1, 1);
            const DialogRun run = Run<CSCCalcDlg>(a.action, [&](CSCCalcDlg& d) {
                Type(d.m_dest, "#W1");
                Type(d.m_delta, "##-2");
                Type(d.m_upper, "#9");
                Type(d.m_lower, "-9");
                d.m_repeat.m_autoRepeat->setChecked(repeat);
                d.m_rangeCheck->setChecked(range);
                for (QCheckBox* box : {d.m_repeat.m_accelerate, d.m_repeat.m_beep, d.m_wrap})
                    box->setChecked(false);
            });
            QCOMPARE(run.outcome + QString::asprintf(" %u %u %s %s %u", a->Accelerate, a->Beep, a->Upper.m_name.c_str(),
                                                     a->Lower.m_name.c_str(), a->Wrap),
                     U(stored));
        }
        Listed<CSCCalc> a(SC_CALC);
        std::tie(a->AutoRepeat, a->Accelerate, a->RangeCheck, a->Wrap) = std::make_tuple(1, 3, 2, 5);
        QCOMPARE(Run<CSCCalcDlg>(a.action, [](CSCCalcDlg&) {}).result, IDOK);
        QCOMPARE(QString::asprintf("%u %u %u", a->Accelerate, a->RangeCheck, a->Wrap), QString("0 1 1"));
    }

    // The limit time follows its box (its fields are disabled and keep their
    // names while it is clear); the auto-repeat boxes are those of add/subtract.
    void calcTimeOk()
    {
        for (const bool limitTime : {false, true}) {
            Listed<CSCCalcTime> a(SC_CALCTIME);
            std::tie(a->LimitHour.m_name, a->LimitMinute.m_name) = std::tuple("LH", "LM");
            const DialogRun run = Run<CSCCalcTimeDlg>(a.action, [&](CSCCalcTimeDlg& d) {
                Type(d.m_hour, "H");
                Type(d.m_minute, "#M");
                Type(d.m_delta, "#-15");
                d.m_timeLimit->setChecked(limitTime);
                Type(d.m_limitHour, "#23");
                Type(d.m_limitMinute, "59");
                d.m_repeat.m_autoRepeat->setChecked(true);
                d.m_repeat.m_accelerate->setChecked(true);
            });
            QCOMPARE(run.outcome, U("時 (H):分(M)を-15(分)加算オートリピートあり[加速あり]") + (limitTime ? U(":制限 23時59分") : ""));
            QCOMPARE(a->LimitHour.m_name + a->LimitMinute.m_name, std::string(limitTime ? "2359" : "LHLM"));
        }
    }

    // The stored operator selects its entry; OK writes the entry chosen, or
    // -1 (none chosen) for a stored value outside the table.
    void opeOperators()
    {
        // chosen -2: left as opened
        for (const auto& [stored, chosen, shown] : Rows<int32_t, int32_t, const char*>{
                 {4, -2, "余り W0 = W1 % 3\n 4"}, {7, -2, " !入力にエラーがあります -1"}, {0, 3, "＋ W0 = W1 / 3\n 3"}}) {
            Listed<CSCOpe> a(SC_OPE);
            a->Operator = stored;
            QString seen;
            const DialogRun run = Run<CSCOpeDlg>(a.action, [&](CSCOpeDlg& d) {
                for (int i = 0; stored == 0 && i < d.m_operator->count(); ++i)
                    QCOMPARE(d.m_operator->itemText(i), U("＋ － × ÷ 余り").split(' ')[i]);
                seen = d.m_operator->currentText();
                Type(d.m_result, "#W0");
                Type(d.m_left, "W1");
                Type(d.m_right, "#3");
                if (chosen != -2)
                    d.m_operator->setCurrentIndex(chosen);
            });
            QCOMPARE(seen + ' ' + run.outcome + ' ' + QString::number(a->Operator), U(shown));
        }
    }

    // Every field starts enabled; the operand fields follow the condition
    // (typed, then chosen) only once it changes; the "▼" buttons never do.
    void branchEnabling()
    {
        // chosen -1: none; enabled: the two fields, the two ▼.
        for (const auto& [stored, typed, chosen, enabled] : Rows<int32_t, const char*, int, const char*>{
                 {0, "", -1, "1111"}, {1, "", 0, "0011"}, {1, "abc", -1, "0011"}, {0, "不一致", -1, "1111"}}) {
            Branch b(stored);
            QString seen = QString::number(stored);
            Run<CSCBranchDlg>(b.action, [&](CSCBranchDlg& d) {
                if (*typed)
                    d.m_condition->setEditText(U(typed));
                if (chosen >= 0)
                    d.m_condition->setCurrentIndex(chosen);
                seen += Flags({d.m_subject->Edit(), d.m_reference->Edit(), d.m_subject->PickButton(),
                               d.m_reference->PickButton()});
            }, false);
            QCOMPARE(seen, QString::number(stored) + enabled);
        }
    }

    // The caption and operands OK stores (operands cleared when unconditional),
    // or the message that keeps the dialog open and the action unchanged.
    // A label left untouched keeps its bytes, even those the field cannot show.
    void branchOk()
    {
        const char* const choose = "条件を一覧から選択してください";
        const char* const control = "ラベル名に改行、復帰、タブは使用できません";
        // condition "": as opened
        for (const auto& [stored, condition, label, outcome] : Rows<int32_t, const char*, const char*, const char*>{
            {1, "以上", "L1", "条件\tW0 >= #5　を満たすときラベル L1に分岐\nW0#5"},
            {2, "無条件", "L1", "ラベル\tL1 に分岐\n"},
            {4, "", "L2", "条件\tW0 != #5　を満たすときラベル L2に分岐\n !分岐先ラベル未定義W0#5"},
            {1, "一", "L1", choose}, {5, "", "L1", choose},
            {1, "", "L\t1", control}, {1, "", "L\n1", control}, {1, "", "L\r1", control},
            {1, "", "L\u00e91", "次の文字は使用できません: \u00e9"}}) {
            Branch b(stored);
            const DialogRun run = Run<CSCBranchDlg>(b.action, [&](CSCBranchDlg& d) {
                if (*condition)
                    d.m_condition->setEditText(U(condition));
                Type(d.m_reference, "#5");
                d.m_label->setText(U(label));
            });
            const std::string operands = run.result == IDOK ? b->Subject.m_name + b->Reference.m_name : "";
            QCOMPARE(run.outcome + QString::fromStdString(operands), U(outcome));
        }
        Branch b(1);
        b->Label = std::string("L\t\x81", 3);
        QCOMPARE(Run<CSCBranchDlg>(b.action, [](CSCBranchDlg&) {}).result, IDOK);
        QCOMPARE(ToHex(b->Label), ToHex(std::string("L\t\x81", 3)));
    }

    // The access names the last field and makes it a destination when
    // reading (a number is refused then); a stored access other than read
    // opens and is written as a write.
    void graphMemAccess()
    {
        // chosen -1: left as opened
        for (const auto& [stored, chosen, value, shown] : Rows<int32_t, int32_t, const char*, const char*>{
                 {1, -1, "W0", "読み出し先1 GR1[位置指定:#3]W0 に読み出し\n1"}, {0, 1, "W0", "読み出し先1 GR1[位置指定:#3]W0 に読み出し\n1"},
                 {5, -1, "W0", "セット値0 GR1[位置指定:#3]W0 を書き込み\n0"}, {0, 1, "5", "読み出し先1 代入先のメモリーに数値は指定できません0"}}) {
            UiTestHost host({{"GR1", 1}, {"W0", 0}});
            Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
            std::tie(a->Access, a->Value.m_name) = std::tuple(stored, value);
            QString seen;
            const DialogRun run = Run<CSCSetGraphMemDlg>(a.action, [&](CSCSetGraphMemDlg& d) {
                if (chosen >= 0)
                    d.m_access->setCurrentIndex(chosen);
                seen = d.m_valueLabel->text() + QString::number(d.m_value->Edit()->m_refuseNumber) + ' ';
                Type(d.m_graphMem, "GR1");
                Type(d.m_position, "#3");
            });
            QCOMPARE(seen + run.outcome + QString::number(a->Access), U(shown));
        }
    }
};

UI_TEST_CLASS(OperandDialogsTest);

#include "OperandDialogsTest.moc"
