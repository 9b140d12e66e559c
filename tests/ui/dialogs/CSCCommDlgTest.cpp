#include "DialogDrive.h"
#include "actions/CSCComm.h"
#include "ui/dialogs/CSCCommDlg.h"

namespace {
struct Comm : Listed<CSCComm> {
    Comm(int contentKind, const QString& content, int nodeKind) : Listed(SC_COMM)
    {
        action->ContentKind = contentKind;
        action->Content.m_name = Sj(content.toStdString());
        action->Content.m_kind = nodeKind;
    }
};
}

class CSCCommDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The content list at opening and on a change, and the script line OK writes.
    void contentKind()
    {
        const struct {
            int stored;
            const char* content;
            int switchTo, shown;  // switchTo -1: left as opened
            const char* text;
            std::string script;
        } rows[] = {{0, "HELLO", -1, 0, "HELLO", "\tOUTPUT $HELLO\n"},
                    {1, "W0", -1, 1, "W0", "\tOUTPUT_N $W0\n"},
                    {2, "", -1, 2, "", "\tOUTPUT $[NAME]_[EVENT]\n"},
                    {-1, "HI", -1, 0, "HI", "\tOUTPUT $HI\n"},
                    {0, "HELLO", 1, 1, "", "\tOUTPUT_N $\n"},
                    {1, "W0", 0, 0, "W0", "\tOUTPUT $W0\n"},
                    {1, "W0", 2, 2, "", "\tOUTPUT $[NAME]_[EVENT]\n"}};
        for (const auto& c : rows) {
            UiTestHost host;
            host.memories = {{"W0", 0}};
            Comm comm(c.stored, c.content, c.stored == 0 ? 3 : 0);
            const DialogRun run = Run<CSCCommDlg>(comm.action, [&](CSCCommDlg& d) {
                QCOMPARE(d.windowTitle(), U("通信出力"));
                if (c.switchTo >= 0)
                    d.contentKind->setCurrentIndex(c.switchTo);
                CVXMemEditSC* edit = d.content->Edit();
                QCOMPARE(d.contentKind->currentIndex(), c.shown);
                QCOMPARE(edit->text(), QString(c.text));
                QCOMPARE(edit->isEnabled(), c.shown != 2);
                QCOMPARE(d.content->PickButton()->isEnabled(), c.shown == 1);
                QCOMPARE(edit->m_noCheck, c.shown == 1 ? 0 : 1);
                QCOMPARE(d.content->Filter() + (c.shown == 1 ? edit->m_kindMask : 3), 0x40000004u + 3);
            });
            QCOMPARE(run.result, IDOK);
            QCOMPARE(comm.action->ContentKind * 10 + comm.action->Content.m_kind, c.shown * 10 + (c.shown == 0 ? 3 : 0));
            QCOMPARE(ToHex(comm.action->ExportStr("", nullptr)), ToHex(c.script));
        }
    }

    // A message goes into the script as typed; a memory value is a name or a constant.
    void typed()
    {
        const QString kanji16 = U("漢").repeated(16);
        const struct {
            int kind;
            QString typed, outcome;
        } rows[] = {{0, kanji16, U("メッセージを出力:'%1'").arg(kanji16)},
                    {0, kanji16 + U("漢"), U("メッセージ長さは32バイト以下に設定してください")},
                    {0, "#5", U("メッセージを出力:'#5'")},
                    {0, "A\tB", U("メッセージに改行、復帰、タブは使用できません")},
                    {1, "#5", U("メモリー値を出力:#5")}};
        for (const auto& c : rows) {
            Comm comm(c.kind, "OLD", c.kind == 0 ? 3 : 0);
            QCOMPARE(Run<CSCCommDlg>(comm.action, [&](CSCCommDlg& d) { d.content->Edit()->setText(c.typed); }).outcome,
                     c.outcome);
        }
    }

    // The memory's kind follows the name the field finally holds, picked or typed.
    void memoryKind()
    {
        const struct {
            bool pick;
            const char* typed;
            bool ok;
            const char* name;
            int kind;
        } rows[] = {{true, "", true, "TXT1", 2}, {true, "W0", true, "W0", 0},
                    {false, "TXT1", true, "TXT1", 2}, {true, "", false, "W9", 0}};
        for (const auto& c : rows) {
            UiTestHost host;
            host.memories = {{"W0", 0}, {"W9", 0}, {"TXT1", 2}};
            host.pickerAnswer = 1;
            host.pickerChoice = "TXT1[TEXT]";
            Comm comm(1, "W9", 0);
            Run<CSCCommDlg>(comm.action, [&](CSCCommDlg& d) {
                if (c.pick)
                    d.content->PickButton()->click();
                if (*c.typed != 0)
                    TypeInto(d.content->Edit(), c.typed, d.OkButton());
            }, c.ok);
            QCOMPARE(ToHex(StoredBytes(*comm.action)), ToHex(StoredBytes(*Comm(1, c.name, c.kind).action)));
        }
    }
};

UI_TEST_CLASS(CSCCommDlgTest);

#include "CSCCommDlgTest.moc"
