#include <QButtonGroup>
#include <QRadioButton>

#include "DialogDrive.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCPageJump.h"
#include "actions/CSCString.h"
#include "host/ModuleWindows.h"
#include "ui/PageNumber.h"
#include "ui/dialogs/CSCKeypadDlg.h"
#include "ui/dialogs/CSCPageJumpDlg.h"
#include "ui/dialogs/CSCStringDlg.h"

namespace {
constexpr int32_t L2 = INT32_MIN;  // on LAYER2
constexpr int32_t Fx(int effect) { return effect << 16; }

// What the user does before OK or cancel: the action clicked, the page typed
// (unless null), the layer and the effect chosen; then, when set, the host
// renames W0 to W9 while the dialog is open.
struct Steps {
    int action = -1;
    const char* page = nullptr;
    int layer = -1, effect = -1;
    bool rename = false;
};

QString Apply(CSCPageJumpDlg& d, const Steps& s)
{
    if (s.action >= 0)
        d.ActionButton(s.action)->click();
    if (s.page != nullptr)
        d.Page()->Edit()->setText(s.page);
    if (s.layer >= 0)
        d.LayerList()->setCurrentIndex(s.layer);
    if (s.effect >= 0)
        d.EffectList()->setCurrentIndex(s.effect);
    if (s.rename)
        host::SendRename("W0", "W9");
    int checked = -1;
    for (int i = 0; i < 3; ++i)
        checked = d.ActionButton(i)->isChecked() ? i : checked;
    const QString enabled = Flags({d.Page()->Edit(), d.Page()->PickButton(), d.LayerList(), d.EffectList()});
    return QString("action %1 page '%2' %3 layer %4 effect %5")
        .arg(QString::number(checked), d.Page()->Edit()->text(), enabled, QString::number(d.LayerList()->currentIndex()),
             QString::number(d.EffectList()->currentIndex()));
}

// Enabled: total digits, fraction digits, its box and memory, range list,
// maximum, minimum, message, link, "選択", key page; shown: fraction digits
// and memory; then the range chosen and the link shown.
QString State(CSCKeypadDlg& d)
{
    return Flags({d.totalDigits, d.fracDigits, d.fracFromMem, d.fracMem, d.rangeList, d.rangeMax, d.rangeMin, d.message,
                  d.actLink, d.chooseLink, d.keyPage}) +
           ' ' + Flags({d.fracDigits, d.fracMem}, true) + QString(" %1 ").arg(d.rangeList->currentIndex()) +
           d.actLink->text();
}
}

class PanelDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // The fields as the dialog opens, with and without layers. Enabled: page, its ▼, layer, effect.
    void pageJumpEnabling()
    {
        for (const auto& [layers, mode, shown] : Rows<bool, int32_t, const char*>{
                 {true, -1, "action -1 page '' 0001 layer 0 effect 0"},
                 {true, L2 | Fx(10) | 2, "action 2 page '5' 1111 layer 1 effect 10"},
                 {true, L2 | Fx(3) | 1, "action 1 page '' 0001 layer 0 effect 3"},
                 {false, 2, "action 2 page '5' 1100 layer -1 effect -1"},
                 {false, L2 | Fx(10) | 2, "action -1 page '' 0000 layer -1 effect -1"}}) {
            UiTestHost host;
            host.layers = layers;
            Listed<CSCPageJump> jump(SC_PAGEJUMP);
            std::tie(jump->m_mode, jump->m_page.m_name) = std::tuple(mode, "5");
            QString seen;
            Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) { seen = Apply(d, {}); }, false);
            QCOMPARE(seen, QString(shown));
            QCOMPARE(host.Count(hostmsg::LAYER_SUPPORT), 1);
        }
    }

    // OK: the stored action and its caption, or a refusal that keeps the
    // action. A rename while the dialog is open reaches the page that next
    // page keeps (not shown), and the choices in the dialog stay.
    void pageJumpOk()
    {
        const QString range = ui::PageNumberRefused();
        for (const auto& [layers, mode, page, steps, storedMode, storedPage, outcome] :
             Rows<bool, int32_t, const char*, Steps, int32_t, const char*, QString>{
                 {true, -1, "", {2, "#7", 1, 10}, L2 | Fx(10) | 2, "7", U("LAYER2 ページ7に移動 エフェクト=フェード")},
                 {true, L2 | Fx(10) | 2, "5", {0}, Fx(10), "5", U("LAYER1 次ページに移動 エフェクト=フェード")},
                 {true, Fx(1), "W5", {2, "W1"}, Fx(1) | 2, "W1", U("LAYER1 ページW1に移動 エフェクト=スクロール ←")},
                 {true, L2 | Fx(3) | 1, "", {}, Fx(3) | 1, "", U("LAYER1 前ページに移動 エフェクト=スクロール ↑")},
                 {true, Fx(127) | 0x7F00 | 2, "5", {}, 2, "5", U("LAYER1 ページ5に移動 エフェクト=なし")},
                 {false, 0, "W5", {2}, 2, "", U("!入力にエラーがあります")},
                 {false, 2, "1", {2, "2147483647"}, 2, "2147483647", U("ページ 2147483647に移動")},
                 {true, 2, "5", {2, "2147483648"}, 2, "5", range},
                 {false, 2, "5", {2, "#-1"}, 2, "5", range},
                 {true, Fx(4) | 2, "W0", {0, nullptr, -1, 9, true}, Fx(9), "W9", U("LAYER1 次ページに移動 エフェクト=ズーム")}}) {
            UiTestHost host({{"W0", 0}, {"W1", 0}, {"W5", 0}, {"W9", 0}});
            host.layers = layers;
            Listed<CSCPageJump> jump(SC_PAGEJUMP);
            std::tie(jump->m_mode, jump->m_page.m_name) = std::tuple(mode, page);
            const DialogRun run = Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) { Apply(d, steps); });
            QCOMPARE(run.outcome, outcome);
            QCOMPARE(std::pair(jump->m_mode, jump->m_page.m_name), std::pair(storedMode, std::string(storedPage)));
        }
    }

    // What is enabled and shown for the stored settings, and after each switch
    // is flipped once and a text memory picked for the maximum (when it can be).
    void keypadEnabling()
    {
        for (const auto& [destKind, rangeCheck, fromMemory, messageOn, linkOn, shown] :
             Rows<int, int, bool, bool, bool, const char*>{
                 {0, 0, false, false, true, "11111000111 10 0 PLC1!Btn2 | 11111111001 01 1 "},
                 {0, 1, true, true, false, "11111111001 01 1  | 11111000111 10 0 PLC1!Btn2"},
                 {1, 1, false, false, false, "11111110001 10 1  | 11111001111 01 0 PLC1!Btn2"},
                 {2, 1, false, true, true, "00000001111 10 1 PLC1!Btn2 | 00000000001 01 0 "}}) {
            UiTestHost host;
            host.PickerChooses("TXT1[TEXT]");
            Listed<CSCKeypad> k(SC_KEYPAD);
            std::tie(k->Dest.m_kind, k->RangeCheck, k->FracFromMem, k->UseMessage, k->UseActLink, k->ActLink) =
                std::make_tuple(destKind, rangeCheck, fromMemory, messageOn, linkOn, "PLC1!Btn2!Push");
            QString seen;
            Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
                seen = State(d) + " | ";
                d.fracFromMem->setChecked(!d.fracFromMem->isChecked());
                d.useMessage->click();
                d.useActLink->click();
                d.rangeList->setCurrentIndex(1 - d.rangeList->currentIndex());
                d.rangeMax->PickButton()->click();
                seen += State(d);
            }, false);
            QCOMPARE(seen, QString(shown));
        }
    }

    // Only the destination decides which keypad the panel shows, by the name
    // it finally holds, picked or typed. A stored range list of -1 is written as 0.
    void keypadDestinationKind()
    {
        const char* const text = "文字キーパッド呼び出し[書き込み先:TXT1 配置ページ:3]";
        for (const auto& [withHost, stored, storedKind, pick, typed, outcome] :
             Rows<bool, const char*, int, bool, const char*, const char*>{
                 {true, "W0", 0, true, "", text},
                 {true, "W0", 0, true, "W0", "キーパッド呼び出し[書き込み先:W0 配置ページ:3 総桁:5]"},
                 {true, "W0", 0, false, "TXT1", text},
                 {true, "TXT1", 2, false, "W0", "キーパッド呼び出し[書き込み先:W0 配置ページ:3 総桁:5]"},
                 {true, "TXT1", 2, false, "", text},
                 {false, "TXT1", 2, false, "TXT2", "キーパッド呼び出し[書き込み先:TXT2 配置ページ:3 総桁:5]"}}) {
            UiTestHost host({{"W0", 0}, {"TXT1", 2}});
            host.PickerChooses("TXT1[TEXT]");
            if (!withHost)
                SetMainWindow(nullptr);
            Listed<CSCKeypad> k(SC_KEYPAD);
            std::tie(k->Dest.m_name, k->Dest.m_kind, k->KeyPage, k->RangeCheck) = std::tuple(stored, storedKind, 3, -1);
            const DialogRun run = Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
                if (pick)
                    d.dest->PickButton()->click();
                if (*typed != 0)
                    TypeInto(d.dest->Edit(), typed, d.keyPage);
                if (withHost)
                    QCOMPARE(d.totalDigits->isEnabled(), outcome != text);
            });
            QCOMPARE(run.outcome, U(outcome));
            QCOMPARE(k->RangeCheck, 0);
        }
    }

    // OK checks everything (a message of 32 bytes at most) before it stores
    // anything: a refused OK followed by cancel leaves the action as it was.
    // "選択" starts from the stored link; OK stores the new one, and the kept link with it.
    void keypadOkChecksThenStores()
    {
        const QString kanji16 = U("漢").repeated(16);
        const QString taken = U("キーパッド呼び出し[書き込み先:W1 配置ページ:12 総桁:7 範囲チェックあり 上限:100 下限:-5 確定時");
        const QString link = U(" アクションリンクあり:'PLC1!Btn2']");
        for (const auto& [storedTotal, messageOn, message, outcome] : Rows<int, bool, QString, QString>{
                 {5, true, kanji16, taken + U(" メッセージあり:'%1'").arg(kanji16) + link},
                 {5, true, kanji16 + "a", U("メッセージ長さは32バイト以下に設定してください")},
                 {5, false, QString(40, 'a'), taken + link},
                 {5, true, "A\tB", U("メッセージに改行、復帰、タブは使用できません")},
                 {5, false, U("é"), U("次の文字は使用できません: é")},
                 {12, true, QString(33, 'a'), U("総桁数は9以下に指定する必要があります")}}) {
            UiTestHost host({{"W0", 0}, {"W1", 0}});
            std::tie(host.linkAnswer, host.linkChoice) = std::pair(1, "PLC1!Btn2!Push");
            Listed<CSCKeypad> k(SC_KEYPAD);
            std::tie(k->TotalDigits, k->ActLink, k->ActLinkKept) = std::tuple(storedTotal, "PLC1!Btn1!Push", "KEPT");
            const DialogRun run = Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
                d.dest->Edit()->setText("W1");
                if (storedTotal <= 9)
                    d.totalDigits->setText("7");
                d.keyPage->setText("12");
                d.rangeList->setCurrentIndex(1);
                d.rangeMax->Edit()->setText("#100");
                d.rangeMin->Edit()->setText("-5");
                d.useMessage->setChecked(messageOn);
                d.message->setText(message);
                d.useActLink->click();
                d.chooseLink->click();
            });
            QCOMPARE(run.outcome, outcome);
            QCOMPARE(host.linkStart, std::string("PLC1!Btn1!Push"));
            if (run.result == IDOK)
                QCOMPARE(ui::FromCp932(k->Message) + ' ' + (k->ActLink + k->ActLinkKept).c_str(),
                         message + " PLC1!Btn2!PushKEPT");
        }
    }

    // What opens for a stored operation, with and without the host's font
    // builder (shown: the label, the escape-aware delete, the text, the
    // source, the digit counts), and
    // the operation that OK writes back untouched.
    void stringOpening()
    {
        for (const auto& [fontBuilder, stored, label, written] : Rows<bool, int, const char*, int>{
                 {true, 6, "1000", 6}, {false, 6, "0000", 6}, {false, 2, "文字指定 0100", 2},
                 {false, 4, "テキストメモリー指定 0010", 4}, {false, 5, "整数メモリー指定 0011", 5}, {false, 9, "0000", -1}}) {
            UiTestHost host;
            if (fontBuilder)
                host.features["WIZ_FONTBUILDER"] = {};
            Listed<CSCString> s(SC_STRING);
            std::tie(s->Target.m_name, s->Operation, s->Source.m_name) = std::tuple("TXT1", stored, "W5");
            Run<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
                QCOMPARE(d.source->Filter(), stored == 5 ? 6u : 5u);
                const QString shown = Flags({d.Radio(6), d.text, d.source, d.integerDigits}, true);
                QCOMPARE(d.sourceLabel->isVisibleTo(&d) ? d.sourceLabel->text() + ' ' + shown : shown, U(label));
            });
            QCOMPARE(s->Operation, written);
        }
    }

    // OK: the script line of what was set, or a refusal that changes nothing.
    // A click between the number format and a text memory empties the source.
    void stringOk()
    {
        for (const auto& [operation, clicked, text, source, integer, fraction, outcome] :
             Rows<int, int, QString, QString, QString, QString, std::string>{
                 {5, -1, "", "#12", "4", "2", "FMT 7 2 3 TXT1 #12\n"},
                 {5, -1, "", "W5", "1", "15", "FMT 17 15 3 TXT1 W5\n"},
                 {5, -1, "", "W5", "1", "16", "小数部桁数は15以下に指定してください"},
                 {1, -1, "A B", "", "1", "16", "APD 80 TXT1 $A B\n"}, {0, -1, "A\nB", "", "", "", "BS TXT1\n"},
                 {1, -1, "A\tB", "", "", "", "文字指定に改行、復帰、タブは使用できません"},
                 {5, 3, "", "", "", "", "APD 80 TXT1 \n"}, {4, 5, "", "", "", "", "FMT 6 0 3 TXT1 \n"},
                 {3, 4, "", "", "", "", "CP 80 TXT1 W5\n"}, {2, 5, "", "", "", "", "FMT 6 0 3 TXT1 W5\n"}}) {
            Listed<CSCString> s(SC_STRING);
            std::tie(s->Target.m_name, s->Operation, s->Source.m_name) = std::tuple("TXT1", operation, "W5");
            const DialogRun run = Run<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
                if (clicked >= 0)
                    d.Radio(clicked)->click();
                d.text->setText(text);
                if (!source.isEmpty())
                    d.source->Edit()->setText(source);
                if (!integer.isEmpty()) {
                    d.integerDigits->setText(integer);
                    d.fractionDigits->setText(fraction);
                }
            });
            QCOMPARE(ToHex(run.result == IDOK ? s->ExportStr("", nullptr) : Sj(run.outcome.toStdString())),
                     ToHex(Sj(outcome)));
            QCOMPARE(s->Source.m_kind, (clicked >= 0 ? clicked : operation) == 5 ? 0 : 2);
            if (operation != 5 && clicked != 5)
                QCOMPARE(s->Source.m_aux, 96);
        }
    }
};

UI_TEST_CLASS(PanelDialogsTest);

#include "PanelDialogsTest.moc"
