#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <optional>

#include "DialogRun.h"
#include "actions/CSCKeypad.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"
#include "ui/dialogs/CSCKeypadDlg.h"

namespace {
const QString kLengthRefused = QString::fromUtf8("メッセージ長さは32バイト以下に設定してください");

struct Keypad : Listed<CSCKeypad> {
    Keypad(const char* dest, int kind) : Listed(SC_KEYPAD)
    {
        action->Dest.m_name = dest;
        action->Dest.m_kind = kind;
        action->KeyPage = 3;
    }
};
QString Caption(IStepchain* action) { return ui::FromCp932(action->GetCaption()); }
}

class CSCKeypadDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opening()
    {
        UiTestHost host;
        Keypad k("W0", 0);
        k.action->FracFromMem = 1;
        k.action->RangeCheck = 1;
        std::vector<uint32_t> filters;
        RunDialog<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("キーパッド呼出"));
            QCOMPARE(d.dest->Edit()->m_refuseNumber, 1);
            QCOMPARE(d.dest->Edit()->m_kindMask, 3u);
            QCOMPARE(d.rangeMax->Edit()->m_refuseNumber + d.rangeMin->Edit()->m_refuseNumber, 0);
            QCOMPARE(d.fracMem->Edit()->m_kindMask, 1u);
            for (OperandEdit* field : {d.dest, d.fracMem, d.rangeMax, d.rangeMin}) {
                field->PickButton()->click();
                filters.push_back(host.pickerFilter);
            }
        }, false);
        QCOMPARE(filters, (std::vector<uint32_t>{0x40000004, 6, 6, 6}));
    }

    // What is enabled and shown for the stored settings, and after the user
    // flips each switch once.
    void enabling_data()
    {
        QTest::addColumn<int>("destKind");
        QTest::addColumn<bool>("fromMemory");
        QTest::addColumn<int>("rangeCheck");
        QTest::addColumn<bool>("messageOn");
        QTest::addColumn<bool>("linkOn");
        QTest::addColumn<int>("rangeIndex");
        QTest::newRow("ordinary, fixed fraction, no check") << 0 << false << 0 << false << true << 0;
        QTest::newRow("ordinary, fraction from memory, check") << 0 << true << 1 << true << false << 1;
        QTest::newRow("range list -1 opens as no check") << 0 << false << -1 << false << false << 0;
        QTest::newRow("range list 2 opens as no check") << 0 << false << 2 << false << false << 0;
        QTest::newRow("graph memory as ordinary") << 1 << false << 1 << false << false << 1;
        QTest::newRow("text memory, check") << 2 << false << 1 << true << true << 1;
        QTest::newRow("text memory, fraction from memory") << 2 << true << 0 << false << false << 0;
    }
    void enabling()
    {
        QFETCH(int, destKind);
        QFETCH(bool, fromMemory);
        QFETCH(int, rangeCheck);
        QFETCH(bool, messageOn);
        QFETCH(bool, linkOn);
        QFETCH(int, rangeIndex);
        Keypad k("M1", destKind);
        k.action->FracFromMem = fromMemory;
        k.action->RangeCheck = rangeCheck;
        k.action->UseMessage = messageOn;
        k.action->UseActLink = linkOn;
        k.action->ActLink = "PLC1!Btn2!Push";
        const bool numeric = destKind != 2;
        RunDialog<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            for (int flip = 0; flip < 2; ++flip) {
                const bool fraction = fromMemory != (flip == 1);
                const bool message = messageOn != (flip == 1);
                const bool link = linkOn != (flip == 1);
                const int range = flip == 1 && numeric ? 1 - rangeIndex : rangeIndex;
                for (QWidget* w : std::initializer_list<QWidget*>{d.totalDigits, d.fracDigits, d.fracFromMem, d.fracMem,
                                                                   d.rangeList})
                    QCOMPARE(w->isEnabled(), numeric);
                QCOMPARE(d.fracMem->isVisibleTo(&d), fraction);
                QCOMPARE(d.fracDigits->isVisibleTo(&d), !fraction);
                QCOMPARE(d.rangeList->currentIndex(), range);
                QCOMPARE(d.rangeMax->isEnabled() && d.rangeMin->isEnabled(), numeric && range == 1);
                QCOMPARE(d.message->isEnabled(), message);
                QCOMPARE(d.actLink->text(), QString(link ? "PLC1!Btn2" : ""));
                QCOMPARE(d.actLink->isEnabled() && d.chooseLink->isEnabled(), link);
                QCOMPARE(d.keyPage->isEnabled(), true);
                if (flip == 0) {
                    d.fracFromMem->setChecked(!fraction);
                    d.useMessage->click();
                    d.useActLink->click();
                    if (numeric)
                        d.rangeList->setCurrentIndex(1 - rangeIndex);
                }
            }
        }, false);
    }

    // Only the destination field decides which keypad the panel shows, and
    // by the name it finally holds, picked or typed.
    void destinationKind_data()
    {
        QTest::addColumn<bool>("withHost");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("storedKind");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        const QString text = QString::fromUtf8("文字キーパッド呼び出し[書き込み先:TXT1 配置ページ:3]");
        const QString numeric = QString::fromUtf8("キーパッド呼び出し[書き込み先:%1 配置ページ:3 総桁:5]");
        QTest::newRow("TXT1 picked") << true << "W0" << 0 << "TXT1[TEXT]" << "" << 2 << text;
        QTest::newRow("TXT1 picked, then W0 typed") << true << "W0" << 0 << "TXT1[TEXT]" << "W0" << 0 << numeric.arg("W0");
        QTest::newRow("TXT1 typed") << true << "W0" << 0 << "" << "TXT1" << 2 << text;
        QTest::newRow("W0 typed over a text memory") << true << "TXT1" << 2 << "" << "W0" << 0 << numeric.arg("W0");
        QTest::newRow("text memory left alone") << true << "TXT1" << 2 << "" << "" << 2 << text;
        QTest::newRow("typed with no host to ask") << false << "TXT1" << 2 << "" << "TXT2" << 0 << numeric.arg("TXT2");
    }
    void destinationKind()
    {
        QFETCH(bool, withHost);
        QFETCH(QString, stored);
        QFETCH(int, storedKind);
        QFETCH(QString, picked);
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, caption);
        std::optional<UiTestHost> host;
        if (withHost) {
            host.emplace();
            host->memories = {{"W0", 0}, {"TXT1", 2}};
            host->pickerAnswer = 1;
            host->pickerChoice = picked.toStdString();
        }
        Keypad k(stored.toLatin1().constData(), storedKind);
        const DialogRun run = RunDialog<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            if (!picked.isEmpty())
                d.dest->PickButton()->click();
            if (!typed.isEmpty())
                TypeInto(d.dest->Edit(), typed, d.keyPage);
            if (withHost)
                QCOMPARE(d.totalDigits->isEnabled(), kind == 0);
        });
        QCOMPARE(run.result, IDOK);
        QCOMPARE(k.action->Dest.m_kind, kind);
        QCOMPARE(Caption(k.action), caption);
    }

    // A text memory picked for a bound leaves the numeric keypad's settings alone.
    void otherFieldsDoNotSwitchTheKeypad()
    {
        UiTestHost host;
        host.pickerAnswer = 1;
        host.pickerChoice = "TXT1[TEXT]";
        Keypad k("W0", 0);
        k.action->RangeCheck = 1;
        RunDialog<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            d.rangeMax->PickButton()->click();
            QVERIFY(d.totalDigits->isEnabled() && d.rangeList->isEnabled() && d.rangeMin->isEnabled());
        }, false);
    }

    // OK checks everything before it stores anything: a refusal followed by
    // cancel leaves the action as it was.
    void okChecksThenStores_data()
    {
        QTest::addColumn<int>("storedTotal");
        QTest::addColumn<bool>("messageOn");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("caption");
        const QString kanji16 = QString::fromUtf8("漢").repeated(16);
        const QString base = QString::fromUtf8("キーパッド呼び出し[書き込み先:W1 配置ページ:12 総桁:7 範囲チェックあり 上限:100 下限:-5");
        QTest::newRow("16 kanji") << 5 << true << kanji16 << ""
                                  << base + QString::fromUtf8(" 確定時 メッセージあり:'%1']").arg(kanji16);
        QTest::newRow("17 kanji") << 5 << true << kanji16 + QString::fromUtf8("漢") << kLengthRefused << "";
        QTest::newRow("33 bytes") << 5 << true << QString(33, 'a') << kLengthRefused << "";
        QTest::newRow("message off, any length") << 5 << false << QString(40, 'a') << "" << base + "]";
        QTest::newRow("tab") << 5 << true << "A\tB" << QString::fromUtf8("メッセージに改行、復帰、タブは使用できません") << "";
        QTest::newRow("no CP932 form") << 5 << false << QString::fromUtf8("é")
                                       << ui::Text(Txt::TextNotCp932).replace("%s", QString::fromUtf8("é")) << "";
        QTest::newRow("stored total digits 12, checked first") << 12 << true << QString(33, 'a')
                                                              << QString::fromUtf8("総桁数は9以下に指定する必要があります") << "";
    }
    void okChecksThenStores()
    {
        QFETCH(int, storedTotal);
        QFETCH(bool, messageOn);
        QFETCH(QString, message);
        QFETCH(QString, refusal);
        QFETCH(QString, caption);
        UiTestHost host;
        host.memories = {{"W0", 0}, {"W1", 0}};
        Keypad k("W0", 0);
        k.action->TotalDigits = storedTotal;
        const std::string before = StoredBytes(*k.action);
        const DialogRun run = RunDialog<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            d.dest->Edit()->setText("W1");
            if (storedTotal <= 9)
                d.totalDigits->setText("7");
            d.keyPage->setText("12");
            d.rangeList->setCurrentIndex(1);
            d.rangeMax->Edit()->setText("#100");
            d.rangeMin->Edit()->setText("-5");
            d.useMessage->setChecked(messageOn);
            d.message->setText(message);
        });
        if (refusal.isEmpty()) {
            QCOMPARE(run.result, IDOK);
            QCOMPARE(Caption(k.action), caption);
            QCOMPARE(ui::FromCp932(k.action->Message), message);
        } else {
            QVERIFY(run.refused);
            QCOMPARE(run.messages, std::vector<QString>{refusal});
            QCOMPARE(ToHex(StoredBytes(*k.action)), ToHex(before));
        }
    }

    void rangeListOutOfRangeStoresNoCheck()
    {
        Keypad k("W0", 0);
        k.action->RangeCheck = -1;
        QCOMPARE(RunDialog<CSCKeypadDlg>(k.action, [](CSCKeypadDlg&) {}).result, IDOK);
        QCOMPARE(k.action->RangeCheck, 0);
    }

    // "選択" works on the working link; only OK stores it, with the kept link.
    void actionLink_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("shown");
        QTest::newRow("chosen, OK") << 1 << true << "PLC1!Btn2";
        QTest::newRow("chooser cancelled, OK") << 0 << true << "PLC1!Btn1";
        QTest::newRow("chosen, cancel") << 1 << false << "PLC1!Btn2";
    }
    void actionLink()
    {
        QFETCH(int, answer);
        QFETCH(bool, ok);
        QFETCH(QString, shown);
        UiTestHost host;
        host.memories = {{"W0", 0}};
        host.linkAnswer = answer;
        host.linkChoice = "PLC1!Btn2!Push";
        Keypad k("W0", 0);
        k.action->ActLink = "PLC1!Btn1!Push";
        k.action->ActLinkKept = "KEPT";
        const std::string before = StoredBytes(*k.action);
        RunDialog<CSCKeypadDlg>(k.action, [&](CSCKeypadDlg& d) {
            d.useActLink->click();
            d.chooseLink->click();
            QCOMPARE(d.actLink->text(), shown);
        }, ok);
        QCOMPARE(host.linkStart, std::string("PLC1!Btn1!Push"));
        if (!ok) {
            QCOMPARE(ToHex(StoredBytes(*k.action)), ToHex(before));
            return;
        }
        QCOMPARE(k.action->UseActLink, 1);
        QCOMPARE(QString::fromStdString(k.action->ActLink), shown + "!Push");
        QCOMPARE(k.action->ActLinkKept, std::string("KEPT"));
        QVERIFY(Caption(k.action).endsWith(QString::fromUtf8(" 確定時 アクションリンクあり:'%1']").arg(shown)));
    }

    void pickThenCancelChangesNothing()
    {
        UiTestHost host;
        host.pickerAnswer = 1;
        host.pickerChoice = "TXT1[TEXT]";
        Keypad k("W0", 0);
        const std::string before = StoredBytes(*k.action);
        const DialogRun run = RunDialog<CSCKeypadDlg>(k.action, [](CSCKeypadDlg& d) { d.dest->PickButton()->click(); }, false);
        QCOMPARE(run.result, IDCANCEL);
        QCOMPARE(ToHex(StoredBytes(*k.action)), ToHex(before));
    }
};

UI_TEST_CLASS(CSCKeypadDlgTest);

#include "CSCKeypadDlgTest.moc"
