#include <QComboBox>
#include <QTest>

#include "DialogRun.h"
#include "actions/CSCComm.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"
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
struct KindCase {
    const char* name;
    int stored;
    const char* content;
    int switchTo, shown;  // switchTo -1: left as opened
    const char* text;
    std::string script;
};
}
Q_DECLARE_METATYPE(KindCase)

class CSCCommDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The content list at opening and on a change, and what OK writes.
    void contentKind_data()
    {
        QTest::addColumn<KindCase>("c");
        for (const KindCase& c : {KindCase{"message", 0, "HELLO", -1, 0, "HELLO", "\tOUTPUT $HELLO\n"},
                                  KindCase{"memory value", 1, "W0", -1, 1, "W0", "\tOUTPUT_N $W0\n"},
                                  KindCase{"object and event", 2, "", -1, 2, "", "\tOUTPUT $[NAME]_[EVENT]\n"},
                                  KindCase{"kind -1 opens as a message", -1, "HI", -1, 0, "HI", "\tOUTPUT $HI\n"},
                                  KindCase{"message to memory empties", 0, "HELLO", 1, 1, "", "\tOUTPUT_N $\n"},
                                  KindCase{"memory to message keeps", 1, "W0", 0, 0, "W0", "\tOUTPUT $W0\n"},
                                  KindCase{"memory to object empties", 1, "W0", 2, 2, "", "\tOUTPUT $[NAME]_[EVENT]\n"}})
            QTest::newRow(c.name) << c;
    }
    void contentKind()
    {
        QFETCH(KindCase, c);
        UiTestHost host;
        host.memories = {{"W0", 0}};
        Comm comm(c.stored, c.content, c.stored == 0 ? 3 : 0);
        const DialogRun run = RunDialog<CSCCommDlg>(comm.action, [&](CSCCommDlg& d) {
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

    // A message goes into the script as typed; a memory value is a name or a constant.
    void typed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");  // or the caption after OK
        const QString kanji16 = U("漢").repeated(16);
        QTest::newRow("16 kanji") << 0 << kanji16 << U("メッセージを出力:'%1'").arg(kanji16);
        QTest::newRow("17 kanji") << 0 << kanji16 + U("漢") << U("メッセージ長さは32バイト以下に設定してください");
        QTest::newRow("message keeps its #") << 0 << "#5" << U("メッセージを出力:'#5'");
        QTest::newRow("tab") << 0 << "A\tB" << U("メッセージに改行、復帰、タブは使用できません");
        QTest::newRow("constant value") << 1 << "#5" << U("メモリー値を出力:#5");
    }
    void typed()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        Comm c(kind, "OLD", kind == 0 ? 3 : 0);
        const std::string before = StoredBytes(*c.action);
        const DialogRun run = RunDialog<CSCCommDlg>(c.action, [&](CSCCommDlg& d) { d.content->Edit()->setText(typed); });
        if (run.result == IDOK) {
            QCOMPARE(ui::FromCp932(c.action->GetCaption()), refusal);
        } else {
            QVERIFY(run.refused);
            QCOMPARE(run.messages, std::vector<QString>{refusal});
            QCOMPARE(ToHex(StoredBytes(*c.action)), ToHex(before));
        }
    }

    // The memory's kind follows the name the field finally holds, picked or typed.
    void memoryKind_data()
    {
        QTest::addColumn<bool>("pick");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("TXT1 picked") << true << "" << true << "TXT1" << 2;
        QTest::newRow("TXT1 picked, then W0 typed") << true << "W0" << true << "W0" << 0;
        QTest::newRow("TXT1 typed") << false << "TXT1" << true << "TXT1" << 2;
        QTest::newRow("TXT1 picked, then cancel") << true << "" << false << "W9" << 0;
    }
    void memoryKind()
    {
        QFETCH(bool, pick);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        QFETCH(int, kind);
        UiTestHost host;
        host.memories = {{"W0", 0}, {"W9", 0}, {"TXT1", 2}};
        host.pickerAnswer = 1;
        host.pickerChoice = "TXT1[TEXT]";
        Comm c(1, "W9", 0);
        RunDialog<CSCCommDlg>(c.action, [&](CSCCommDlg& d) {
            if (pick)
                d.content->PickButton()->click();
            if (!typed.isEmpty())
                TypeInto(d.content->Edit(), typed, d.OkButton());
        }, ok);
        Comm expected(1, name, kind);
        QCOMPARE(ToHex(StoredBytes(*c.action)), ToHex(StoredBytes(*expected.action)));
    }
};

UI_TEST_CLASS(CSCCommDlgTest);

#include "CSCCommDlgTest.moc"
