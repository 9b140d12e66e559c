#include <optional>

#include "DialogDrive.h"
#include "actions/CSCKeypad.h"
#include "ui/dialogs/CSCKeypadDlg.h"

namespace {
struct Keypad : Listed<CSCKeypad> {
    Keypad(const char* dest, int kind) : Listed(SC_KEYPAD)
    {
        action->Dest.m_name = dest;
        action->Dest.m_kind = kind;
        action->KeyPage = 3;
    }
};
}

class CSCKeypadDlgTest : public QObject {
    Q_OBJECT
private slots:
    // What is enabled and shown for the stored settings, and after each switch is flipped once.
    void enabling()
    {
        const struct {
            int destKind, rangeCheck, rangeIndex;
            bool fromMemory, messageOn, linkOn;
        } rows[] = {{0, 0, 0, false, false, true}, {0, 1, 1, true, true, false}, {0, -1, 0, false, false, false},
                    {1, 1, 1, false, false, false}, {2, 1, 1, false, true, true}, {2, 0, 0, true, false, false}};
        for (const auto& c : rows) {
            Keypad k("M1", c.destKind);
            k.action->FracFromMem = c.fromMemory;
            k.action->RangeCheck = c.rangeCheck;
            k.action->UseMessage = c.messageOn;
            k.action->UseActLink = c.linkOn;
            k.action->ActLink = "PLC1!Btn2!Push";
            const bool numeric = c.destKind != 2;
            Run<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
                QCOMPARE(d.windowTitle(), U("キーパッド呼出"));
                QCOMPARE(d.dest->Edit()->m_refuseNumber + d.rangeMax->Edit()->m_refuseNumber, 1);
                QCOMPARE(d.dest->Edit()->m_kindMask + d.fracMem->Edit()->m_kindMask, 4u);
                QCOMPARE(d.dest->Filter() + d.fracMem->Filter() + d.rangeMin->Filter(), 0x40000004u + 12);
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
    void destinationKind()
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
            {true, "W0", 0, 0, "", true, "キーパッド呼び出し[書き込み先:W0 配置ページ:3 総桁:5]"},
            {true, "W0", 0, 1, "", false, "kept"},
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
    void okChecksThenStores()
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
    void actionLink()
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
};

UI_TEST_CLASS(CSCKeypadDlgTest);

#include "CSCKeypadDlgTest.moc"
