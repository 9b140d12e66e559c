#include <QButtonGroup>
#include <QRadioButton>
#include <optional>

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

struct PageJump : Listed<CSCPageJump> {
    PageJump(int32_t mode, const char* page) : Listed(SC_PAGEJUMP)
    {
        action->m_mode = mode;
        action->m_page.m_name = page;
    }
};

// What the user does before OK or cancel: the action clicked, the page typed
// (unless null), the layer and the effect chosen.
struct Steps {
    int action = -1;
    const char* page = nullptr;
    int layer = -1, effect = -1;
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
    int checked = -1;
    for (int i = 0; i < 3; ++i)
        checked = d.ActionButton(i)->isChecked() ? i : checked;
    const auto on = [](QWidget* w) { return w->isEnabled() ? "on" : "off"; };
    return QStringLiteral("action %1 page '%2' %3 pick %4 layer %5/%6 %7 effect %8/%9 %10")
        .arg(checked)
        .arg(d.Page()->Edit()->text(), on(d.Page()->Edit()), on(d.Page()->PickButton()))
        .arg(d.LayerList()->currentIndex())
        .arg(d.LayerList()->count())
        .arg(on(d.LayerList()))
        .arg(d.EffectList()->currentIndex())
        .arg(d.EffectList()->count())
        .arg(on(d.EffectList()));
}

struct Keypad : Listed<CSCKeypad> {
    Keypad(const char* dest, int kind) : Listed(SC_KEYPAD)
    {
        action->Dest.m_name = dest;
        action->Dest.m_kind = kind;
        action->KeyPage = 3;
    }
};

struct StringOp : Listed<CSCString> {
    explicit StringOp(int operation) : Listed(SC_STRING)
    {
        action->Target.m_name = "TXT1";
        action->Operation = operation;
        action->Source.m_name = "W5";
    }
};
}

class PanelDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // The fields as the dialog opens, with and without layers, and after the user clicks an action.
    void pageJumpEnabling()
    {
        const struct {
            bool layers;
            int32_t mode;
            int click;
            const char* shown;
        } rows[] = {
            {true, -1, -1, "action -1 page '' off pick off layer 0/2 off effect 0/11 on"},
            {true, L2 | Fx(10) | 2, -1, "action 2 page '5' on pick on layer 1/2 on effect 10/11 on"},
            {true, L2 | Fx(10) | 2, 0, "action 0 page '5' off pick off layer 0/2 off effect 10/11 on"},
            {true, L2 | Fx(3) | 1, -1, "action 1 page '' off pick off layer 0/2 off effect 3/11 on"},
            {true, Fx(127) | 2, -1, "action 2 page '5' on pick on layer 0/2 on effect 0/11 on"},
            {false, 2, -1, "action 2 page '5' on pick on layer -1/0 off effect -1/0 off"},
            {false, L2 | Fx(10) | 2, -1, "action -1 page '' off pick off layer -1/0 off effect -1/0 off"},
        };
        for (const auto& row : rows) {
            UiTestHost host;
            host.layers = row.layers;
            PageJump jump(row.mode, "5");
            QString shown;
            Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) { shown = Apply(d, {row.click}); }, false);
            QCOMPARE(shown, QString(row.shown));
            QCOMPARE(host.Count(hostmsg::LAYER_SUPPORT), 1);
        }
    }

    // OK: the stored action and its caption, or a refusal that keeps the action.
    void pageJumpOk()
    {
        const char* const error = "!入力にエラーがあります";
        const QString range = ui::PageNumberRefused();
        const struct {
            bool layers;
            int32_t mode;
            const char* page;
            Steps steps;
            int32_t storedMode;
            const char* storedPage;
            QString outcome;
        } rows[] = {
            {true, -1, "", {2, "#7", 1, 10}, L2 | Fx(10) | 2, "7", U("LAYER2 ページ7に移動 エフェクト=フェード")},
            {true, L2 | Fx(10) | 2, "5", {0}, Fx(10), "5", U("LAYER1 次ページに移動 エフェクト=フェード")},
            {true, Fx(1), "W5", {2, "W1"}, Fx(1) | 2, "W1", U("LAYER1 ページW1に移動 エフェクト=スクロール ←")},
            {true, L2 | Fx(3) | 1, "", {}, Fx(3) | 1, "", U("LAYER1 前ページに移動 エフェクト=スクロール ↑")},
            {true, Fx(127) | 0x7F00 | 2, "5", {}, 2, "5", U("LAYER1 ページ5に移動 エフェクト=なし")},
            {false, 0, "W5", {2}, 2, "", U(error)},
            {false, 2, "1", {2, "2147483647"}, 2, "2147483647", U("ページ 2147483647に移動")},
            {true, 2, "5", {2, "2147483648"}, 2, "5", range},
            {false, 2, "5", {2, "#-1"}, 2, "5", range},
        };
        for (const auto& row : rows) {
            UiTestHost host;
            host.layers = row.layers;
            host.memories = {{"W0", 0}, {"W1", 0}, {"W5", 0}};
            PageJump jump(row.mode, row.page);
            const DialogRun run = Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) { Apply(d, row.steps); });
            QCOMPARE(run.outcome, row.outcome);
            QCOMPARE(ToHex(StoredBytes(*jump.action)), ToHex(StoredBytes(*PageJump(row.storedMode, row.storedPage).action)));
        }
    }

    // A rename while the dialog is open: the page that next page keeps (not
    // shown) follows, and the choices in the dialog stay.
    void pageJumpRenameWhileOpen()
    {
        UiTestHost host;
        host.layers = true;
        host.memories = {{"W0", 0}, {"W9", 0}};
        PageJump jump(Fx(4) | 2, "W0");
        QString shown;
        Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) {
            Apply(d, {0, nullptr, -1, 9});
            host::SendRename("W0", "W9");
            shown = Apply(d, {});
        });
        QCOMPARE(shown, QString("action 0 page '' off pick off layer 0/2 off effect 9/11 on"));
        QCOMPARE(ToHex(StoredBytes(*jump.action)), ToHex(StoredBytes(*PageJump(Fx(9), "W9").action)));
    }

    // What is enabled and shown for the stored settings, and after each switch is flipped once.
    void keypadEnabling()
    {
        const struct {
            int destKind, rangeCheck, rangeIndex;
            bool fromMemory, messageOn, linkOn;
        } rows[] = {{0, 0, 0, false, false, true}, {0, 1, 1, true, true, false}, {1, 1, 1, false, false, false},
                    {2, 1, 1, false, true, true}};
        for (const auto& c : rows) {
            Keypad k("M1", c.destKind);
            k.action->FracFromMem = c.fromMemory;
            k.action->RangeCheck = c.rangeCheck;
            k.action->UseMessage = c.messageOn;
            k.action->UseActLink = c.linkOn;
            k.action->ActLink = "PLC1!Btn2!Push";
            const bool numeric = c.destKind != 2;
            Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
                for (bool flipped : {false, true}) {
                    const int range = flipped && numeric ? 1 - c.rangeIndex : c.rangeIndex;
                    for (QWidget* w : std::initializer_list<QWidget*>{d.totalDigits, d.fracDigits, d.fracFromMem,
                                                                       d.fracMem, d.rangeList})
                        QCOMPARE(w->isEnabled(), numeric);
                    QCOMPARE(d.fracMem->isVisibleTo(&d), c.fromMemory != flipped);
                    QCOMPARE(d.fracDigits->isVisibleTo(&d), c.fromMemory == flipped);
                    QCOMPARE(d.rangeList->currentIndex(), range);
                    QCOMPARE(d.rangeMax->isEnabled() && d.rangeMin->isEnabled(), numeric && range == 1);
                    QCOMPARE(d.message->isEnabled(), c.messageOn != flipped);
                    QCOMPARE(d.actLink->text(), U(c.linkOn != flipped ? "PLC1!Btn2" : ""));
                    QCOMPARE(d.actLink->isEnabled() && d.chooseLink->isEnabled(), c.linkOn != flipped);
                    QVERIFY(d.keyPage->isEnabled());
                    d.fracFromMem->setChecked(!d.fracFromMem->isChecked());
                    d.useMessage->click();
                    d.useActLink->click();
                    if (numeric)
                        d.rangeList->setCurrentIndex(1 - range);
                }
            }, false);
        }
    }

    // Only the destination decides which keypad the panel shows, by the name
    // it finally holds, picked or typed (a bound picked does not). A stored
    // range list of -1 is written as 0.
    void keypadDestinationKind()
    {
        const struct {
            bool host;
            const char* stored;
            int storedKind, answer;  // answer: -1 no pick, else the picker's answer
            const char* typed;
            bool ok;
            const char* outcome;
        } rows[] = {
            {true, "W0", 0, 1, "", true, "文字キーパッド呼び出し[書き込み先:TXT1 配置ページ:3]"},
            {true, "W0", 0, 1, "W0", true, "キーパッド呼び出し[書き込み先:W0 配置ページ:3 総桁:5]"},
            {true, "W0", 0, -1, "TXT1", true, "文字キーパッド呼び出し[書き込み先:TXT1 配置ページ:3]"},
            {true, "TXT1", 2, -1, "W0", true, "キーパッド呼び出し[書き込み先:W0 配置ページ:3 総桁:5]"},
            {true, "TXT1", 2, -1, "", true, "文字キーパッド呼び出し[書き込み先:TXT1 配置ページ:3]"},
            {false, "TXT1", 2, -1, "TXT2", true, "キーパッド呼び出し[書き込み先:TXT2 配置ページ:3 総桁:5]"},
        };
        for (const auto& c : rows) {
            std::optional<UiTestHost> host;
            if (c.host) {
                host.emplace();
                host->memories = {{"W0", 0}, {"TXT1", 2}};
                host->pickerAnswer = c.answer;
                host->pickerChoice = "TXT1[TEXT]";
            }
            Keypad k(c.stored, c.storedKind);
            k.action->RangeCheck = -1;
            const DialogRun run = Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
                if (c.answer >= 0)
                    d.dest->PickButton()->click();
                if (*c.typed != 0)
                    TypeInto(d.dest->Edit(), c.typed, d.keyPage);
                if (c.host)
                    QCOMPARE(d.totalDigits->isEnabled(), c.ok && QString(c.outcome).startsWith(U("キー")));
            }, c.ok);
            QCOMPARE(run.outcome, U(c.outcome));
            QCOMPARE(k.action->RangeCheck, c.ok ? 0 : -1);
        }
        UiTestHost host;
        host.pickerAnswer = 1;
        host.pickerChoice = "TXT1[TEXT]";
        Keypad k("W0", 0);
        k.action->RangeCheck = 1;
        Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            d.rangeMax->PickButton()->click();
            QVERIFY(d.totalDigits->isEnabled() && d.rangeList->isEnabled() && d.rangeMin->isEnabled());
        }, false);
    }

    // OK checks everything (a message of 32 bytes at most) before it stores
    // anything: a refused OK followed by cancel leaves the action as it was.
    void keypadOkChecksThenStores()
    {
        const QString kanji16 = U("漢").repeated(16);
        const QString taken = U("キーパッド呼び出し[書き込み先:W1 配置ページ:12 総桁:7 範囲チェックあり 上限:100 下限:-5");
        const QString tooLong = U("メッセージ長さは32バイト以下に設定してください");
        const struct {
            int storedTotal;
            bool messageOn;
            QString message, outcome;
        } rows[] = {{5, true, kanji16, taken + U(" 確定時 メッセージあり:'%1']").arg(kanji16)},
                    {5, true, kanji16 + "a", tooLong},
                    {5, false, QString(40, 'a'), taken + "]"},
                    {5, true, "A\tB", U("メッセージに改行、復帰、タブは使用できません")},
                    {5, false, U("é"), U("次の文字は使用できません: é")},
                    {12, true, QString(33, 'a'), U("総桁数は9以下に指定する必要があります")}};
        for (const auto& c : rows) {
            UiTestHost host;
            host.memories = {{"W0", 0}, {"W1", 0}};
            Keypad k("W0", 0);
            k.action->TotalDigits = c.storedTotal;
            const DialogRun run = Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
                d.dest->Edit()->setText("W1");
                if (c.storedTotal <= 9)
                    d.totalDigits->setText("7");
                d.keyPage->setText("12");
                d.rangeList->setCurrentIndex(1);
                d.rangeMax->Edit()->setText("#100");
                d.rangeMin->Edit()->setText("-5");
                d.useMessage->setChecked(c.messageOn);
                d.message->setText(c.message);
            });
            QCOMPARE(run.outcome, c.outcome);
            if (run.result == IDOK)
                QCOMPARE(ui::FromCp932(k.action->Message), c.message);
        }
    }

    // "選択" works on the working link; OK stores it, and the kept link with it.
    void keypadActionLink()
    {
        UiTestHost host;
        host.memories = {{"W0", 0}};
        host.linkAnswer = 1;
        host.linkChoice = "PLC1!Btn2!Push";
        Keypad k("W0", 0);
        k.action->ActLink = "PLC1!Btn1!Push";
        k.action->ActLinkKept = "KEPT";
        Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            d.useActLink->click();
            d.chooseLink->click();
            QCOMPARE(d.actLink->text(), U("PLC1!Btn2"));
        });
        QCOMPARE(host.linkStart, std::string("PLC1!Btn1!Push"));
        QCOMPARE(k.action->ActLink + k.action->ActLinkKept, std::string("PLC1!Btn2!PushKEPT"));
        QVERIFY(Caption(k.action).endsWith(U(" 確定時 アクションリンクあり:'PLC1!Btn2']")));
    }

    // What opens for a stored operation, with and without the host's font
    // builder, and the operation that OK writes back untouched.
    void stringOpening()
    {
        const struct {
            bool fontBuilder;
            int stored;
            const char* label;  // empty: label, text and source hidden
            int written;
        } rows[] = {{true, 6, "", 6}, {false, 6, "", 6},
                    {false, 2, "文字指定", 2}, {false, 4, "テキストメモリー指定", 4},
                    {false, 5, "整数メモリー指定", 5}, {false, 9, "", -1}};
        for (const auto& row : rows) {
            UiTestHost host;
            host.memories = {{"TXT1", 2}, {"W5", 0}};
            if (row.fontBuilder)
                host.features["WIZ_FONTBUILDER"] = {};
            StringOp s(row.stored);
            Run<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
                QCOMPARE(d.target->Filter() * 10 + d.source->Filter(), row.stored == 5 ? 56u : 55u);
                QCOMPARE(d.Radio(6)->isVisibleTo(&d), row.fontBuilder);
                QCOMPARE(d.operations->checkedId(), row.written);
                QCOMPARE(d.sourceLabel->isVisibleTo(&d) ? d.sourceLabel->text() : QString(), U(row.label));
                QCOMPARE(d.text->isVisibleTo(&d), row.stored == 2);
                QCOMPARE(d.source->isVisibleTo(&d), row.stored == 4 || row.stored == 5);
                QCOMPARE(d.integerDigits->isVisibleTo(&d) && d.fractionLabel->isVisibleTo(&d), row.stored == 5);
            });
            QCOMPARE(s.action->Operation, row.written);
        }
    }

    // OK: the script line of what was set, or a refusal that changes nothing.
    // A click between the number format and a text memory empties the source.
    void stringOk()
    {
        const struct {
            int operation, clicked;  // clicked: -1 none
            QString text, source, integer, fraction;
            std::string outcome;  // the script line, or the refusal
        } rows[] = {{5, -1, "", "#12", "4", "2", "FMT 7 2 3 TXT1 #12\n"},
                    {5, -1, "", "W5", "1", "15", "FMT 17 15 3 TXT1 W5\n"},
                    {5, -1, "", "W5", "1", "16", "小数部桁数は15以下に指定してください"},
                    {1, -1, "A B", "", "1", "16", "APD 80 TXT1 $A B\n"},
                    {1, -1, "A\tB", "", "", "", "文字指定に改行、復帰、タブは使用できません"},
                    {0, -1, "A\nB", "", "", "", "BS TXT1\n"},
                    {5, 3, "", "", "", "", "APD 80 TXT1 \n"},
                    {4, 5, "", "", "", "", "FMT 6 0 3 TXT1 \n"},
                    {3, 4, "", "", "", "", "CP 80 TXT1 W5\n"},
                    {2, 5, "", "", "", "", "FMT 6 0 3 TXT1 W5\n"}};
        for (const auto& c : rows) {
            StringOp s(c.operation);
            const DialogRun run = Run<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
                if (c.clicked >= 0)
                    d.Radio(c.clicked)->click();
                d.text->setText(c.text);
                if (!c.source.isEmpty())
                    d.source->Edit()->setText(c.source);
                if (!c.integer.isEmpty()) {
                    d.integerDigits->setText(c.integer);
                    d.fractionDigits->setText(c.fraction);
                }
            });
            QCOMPARE(ToHex(run.result == IDOK ? s.action->ExportStr("", nullptr) : Sj(run.outcome.toStdString())),
                     ToHex(Sj(c.outcome)));
            const int operation = c.clicked >= 0 ? c.clicked : c.operation;
            QCOMPARE(s.action->Source.m_kind, operation == 5 ? 0 : 2);
            if (c.operation != 5 && c.clicked != 5)
                QCOMPARE(s.action->Source.m_aux, 96);
        }
    }
};

UI_TEST_CLASS(PanelDialogsTest);

#include "PanelDialogsTest.moc"
