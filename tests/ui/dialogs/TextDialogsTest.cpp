#include "DialogDrive.h"
#include "actions/CSCActionLink.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCLabel.h"
#include "actions/CSCPassPage.h"
#include "ui/CSCLabelDlg.h"
#include "ui/PageNumber.h"
#include "ui/dialogs/CSCActionLinkDlg.h"
#include "ui/dialogs/CSCCallDlg.h"
#include "ui/dialogs/CSCCommDlg.h"
#include "ui/dialogs/CSCPassPageDlg.h"

class TextDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // What OK makes of a typed name (null: left as loaded): the bytes stored,
    // or a refusal that keeps the dialog open and the name as it was.
    void labelNames()
    {
        const QString control = U("ラベル名に改行、復帰、タブは使用できません");
        const std::string stored("A\tB\x81", 4);
        for (const auto& [typed, after, message] : Rows<QString, std::string, QString>{
                 {U(" 終了 2"), Sj(" 終了 2"), ""}, {"", "", ""}, {{}, stored, ""}, {"A\tB", stored, control},
                 {"A\nB", stored, control}, {"A\rB", stored, control}, {U("A😀é"), stored, U("次の文字は使用できません: 😀é")}}) {
            Listed<CSCLabel> a(SC_LABEL);
            a->m_name = stored;
            const DialogRun run = Run<CSCLabelDlg>(a.action, [&](CSCLabelDlg& d) {
                if (!typed.isNull())
                    d.NameEdit()->setText(typed);
            });
            QCOMPARE(ToHex(a->m_name), ToHex(after));
            QCOMPARE(run.refused ? run.outcome : QString(), message);
        }
    }

    // OK with an entry picked or a text typed (null: left as loaded): the
    // stored bytes, and the refusal that keeps the routine as it was. A
    // silent host fills in the routines but does not answer the query: it offers none.
    void callOk()
    {
        const QString control = U("サブルーチン名に改行、復帰、タブは使用できません");
        const std::string stored = "OLD\t\x81";
        // pick: the entry chosen, -1 to type.
        for (const auto& [silent, pick, typed, after, message] : Rows<bool, int, QString, std::string, QString>{
                 {false, 2, {}, "BAD\x81", ""}, {true, -1, {}, stored, ""}, {false, -1, U("計算 1"), Sj("計算 1"), ""},
                 {false, -1, {}, stored, ""}, {false, -1, "A\tB", stored, control}, {false, -1, "A\nB", stored, control},
                 {false, -1, "A\rB", stored, control}, {false, -1, U("A😀"), stored, U("次の文字は使用できません: 😀")}}) {
            UiTestHost host;
            host.features["WIZ_MODULEREGST"] = {"INIT", Sj("MAIN:主処理"), "BAD\x81"};
            host.answersQueries = !silent;
            Listed<CSCCall> call(SC_CALL);
            call->m_routine = stored;
            const DialogRun run = Run<CSCCallDlg>(call.action, [&](CSCCallDlg& d) {
                QCOMPARE(d.RoutineBox()->count(), silent ? 0 : 3);
                if (pick >= 0)
                    d.RoutineBox()->setCurrentIndex(pick);
                else if (!typed.isNull())
                    d.RoutineBox()->setEditText(typed);
            });
            QCOMPARE(ToHex(call->m_routine), ToHex(after));
            QCOMPARE(run.refused ? run.outcome : QString(), message);
        }
    }

    // "選択" with the chooser cancelled or answering, then OK or cancel: what
    // the read-only edit shows (never the part after the last "!"), and what
    // the action keeps.
    void actionLinkChoose()
    {
        for (const auto& [target, answer, ok, shown, stored, outcome] :
             Rows<const char*, int, bool, const char*, const char*, const char*>{
                 {"", 1, true, " PLC1!Btn2", "PLC1!Btn2!Push", "アクションリンクの設定:'PLC1!Btn2'"},
                 {"A!B!C", 1, false, "A!B PLC1!Btn2", "A!B!C", "kept"},
                 {"A!B!C", 0, true, "A!B A!B", "A!B!C", "アクションリンクの設定:'A!B'"}}) {
            UiTestHost host;
            std::tie(host.linkAnswer, host.linkChoice) = std::pair(answer, "PLC1!Btn2!Push");
            Listed<CSCActionLink> a(SC_ACTIONLINK);
            std::tie(a->m_target, a->m_savedTarget) = std::tuple(target, "PLC9!Btn!Kept");
            QString seen;
            const DialogRun run = Run<CSCActionLinkDlg>(a.action, [&](CSCActionLinkDlg& d) {
                QVERIFY(d.TargetEdit()->isReadOnly());
                seen = d.TargetEdit()->text() + ' ';
                d.ChooseButton()->click();
                seen += d.TargetEdit()->text();
            }, ok);
            QCOMPARE(seen + ' ' + QString::fromStdString(host.linkStart + ' ' + a->m_target + ' ' + a->m_savedTarget) +
                         ' ' + run.outcome,
                     U(shown) + ' ' + target + ' ' + stored + " PLC9!Btn!Kept " + U(outcome));
        }
    }

    // OK with texts typed into the jump, password and keypad edits (null keeps
    // the loaded text; they take digits only, the password eight at most):
    // the caption, or a refusal that leaves the action as it was.
    void passPageOk()
    {
        const QString range = ui::PageNumberRefused();
        const QString keep;
        for (const auto& [storedJump, storedPassword, typed, outcome] : Rows<int, const char*, QStringList, QString>{
                 {0, "9", {"-0x07", "1a-2345678 9", "0003"}, U("ページ7へ移動:パスワードﾞ '12345678'[キーパッド ページ3に配置]")},
                 {5, "1", {"", keep, ""}, U("!入力にエラーがあります")}, {0, "", {"2147483648", "", "1"}, range},
                 {0, "", {"1", "", "99999999999"}, range}, {-5, "", {keep, "", "1"}, range},
                 {1, "123456789", {keep, keep, "1"}, U("パスワードは8文字以内の数字で指定してください")}}) {
            Listed<CSCPassPage> pass(SC_PASSPAGE);
            std::tie(pass->m_jumpPage, pass->m_password) = std::tuple(storedJump, storedPassword);
            const DialogRun run = Run<CSCPassPageDlg>(pass.action, [&](CSCPassPageDlg& d) {
                QLineEdit* edits[] = {d.JumpPageEdit(), d.PasswordEdit(), d.KeypadPageEdit()};
                for (int i = 0; i < 3; ++i) {
                    if (!typed[i].isNull()) {
                        edits[i]->clear();
                        QTest::keyClicks(edits[i], typed[i]);
                    }
                }
            });
            QCOMPARE(run.outcome, outcome);
        }
    }

    // The content kind at opening (a kind outside the list opens as the
    // message) and after a switch, with what the field then allows: enabled,
    // ▼ enabled, looked up, the kinds it takes. Then what OK makes of a name
    // picked or typed: the caption and the kind stored. A message goes into
    // the script as typed; a memory value's kind follows the name the field finally holds.
    void comm()
    {
        const QString kanji16 = U("漢").repeated(16);
        // switchTo -1: left as opened; shown: the kind then shown.
        for (const auto& [stored, content, switchTo, pick, typed, shown, outcome] :
             Rows<int, const char*, int, bool, QString, int, QString>{
                 {0, "HELLO", -1, false, "", 0, "メッセージを出力:'HELLO' 3"}, {1, "W0", -1, false, "", 1, "メモリー値を出力:W0 0"},
                 {2, "", -1, false, "", 2, "ボタン&イベント名を出力 0"}, {-1, "HI", -1, false, "", 0, "メッセージを出力:'HI' 3"},
                 {0, "HELLO", 1, false, "", 1, "!入力にエラーがあります 0"}, {1, "W0", 0, false, "", 0, "メッセージを出力:'W0' 3"},
                 {1, "W0", 2, false, "", 2, "ボタン&イベント名を出力 0"},
                 {0, "OLD", -1, false, kanji16, 0, U("メッセージを出力:'%1' 3").arg(kanji16)},
                 {0, "OLD", -1, false, kanji16 + U("漢"), 0, "メッセージ長さは32バイト以下に設定してください 3"},
                 {0, "OLD", -1, false, "#5", 0, "メッセージを出力:'#5' 3"},
                 {0, "OLD", -1, false, "A\tB", 0, "メッセージに改行、復帰、タブは使用できません 3"},
                 {1, "OLD", -1, false, "#5", 1, "メモリー値を出力:#5 0"}, {1, "OLD", -1, true, "", 1, "メモリー値を出力:TXT1 2"},
                 {1, "OLD", -1, true, "W0", 1, "メモリー値を出力:W0 0"}, {1, "OLD", -1, false, "TXT1", 1, "メモリー値を出力:TXT1 2"}}) {
            UiTestHost host({{"W0", 0}, {"TXT1", 2}});
            host.PickerChooses("TXT1[TEXT]");
            Listed<CSCComm> comm(SC_COMM);
            std::tie(comm->ContentKind, comm->Content.m_name, comm->Content.m_kind) =
                std::tuple(stored, content, stored == 0 ? 3 : 0);
            const DialogRun run = Run<CSCCommDlg>(comm.action, [&](CSCCommDlg& d) {
                if (switchTo >= 0)
                    d.contentKind->setCurrentIndex(switchTo);
                CVXMemEditSC* edit = d.content->Edit();
                QCOMPARE(QString::number(d.contentKind->currentIndex()) + Flags({edit, d.content->PickButton()}) +
                             QString::number(edit->m_noCheck) + QString::number(shown == 1 ? edit->m_kindMask : 3),
                         QString::number(shown) + (shown == 0 ? "1013" : shown == 1 ? "1103" : "0013"));
                if (pick)
                    d.content->PickButton()->click();
                if (!typed.isEmpty())
                    TypeInto(edit, typed, d.OkButton());
            });
            QCOMPARE(run.outcome + ' ' + QString::number(comm->Content.m_kind), outcome);
        }
    }
};

UI_TEST_CLASS(TextDialogsTest);

#include "TextDialogsTest.moc"
