#include <QComboBox>
#include <QTest>

#include "DialogRun.h"
#include "actions/CSCComm.h"
#include "support/Bytes.h"
#include "support/Stored.h"
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
const QString kLengthRefused = QString::fromUtf8("メッセージ長さは32バイト以下に設定してください");
}

class CSCCommDlgTest : public QObject {
    Q_OBJECT
private slots:
    // Rule of the content list at opening and on a change, and what OK writes.
    void contentKind_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("nodeKind");
        QTest::addColumn<int>("switchTo");  // -1: left as opened
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("message") << 0 << "HELLO" << 3 << -1 << 0 << "HELLO" << QByteArray("\tOUTPUT $HELLO\n");
        QTest::newRow("memory value") << 1 << "W0" << 0 << -1 << 1 << "W0" << QByteArray("\tOUTPUT_N $W0\n");
        QTest::newRow("object and event") << 2 << "" << 0 << -1 << 2 << "" << QByteArray("\tOUTPUT $[NAME]_[EVENT]\n");
        QTest::newRow("kind -1 opens as a message") << -1 << "HI" << 0 << -1 << 0 << "HI" << QByteArray("\tOUTPUT $HI\n");
        QTest::newRow("message to memory empties") << 0 << "HELLO" << 3 << 1 << 1 << "" << QByteArray("\tOUTPUT_N $\n");
        QTest::newRow("memory to message keeps") << 1 << "W0" << 0 << 0 << 0 << "W0" << QByteArray("\tOUTPUT $W0\n");
        QTest::newRow("memory to object empties") << 1 << "W0" << 0 << 2 << 2 << "" << QByteArray("\tOUTPUT $[NAME]_[EVENT]\n");
    }
    void contentKind()
    {
        QFETCH(int, stored);
        QFETCH(QString, content);
        QFETCH(int, nodeKind);
        QFETCH(int, switchTo);
        QFETCH(int, shown);
        QFETCH(QString, text);
        QFETCH(QByteArray, script);
        UiTestHost host;
        host.memories = {{"W0", 0}};
        Comm c(stored, content, nodeKind);
        const DialogRun run = RunDialog<CSCCommDlg>(c.action, [&](CSCCommDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("通信出力"));
            if (switchTo >= 0)
                d.contentKind->setCurrentIndex(switchTo);
            QCOMPARE(d.contentKind->currentIndex(), shown);
            CVXMemEditSC* edit = d.content->Edit();
            QCOMPARE(edit->text(), text);
            QCOMPARE(edit->isEnabled(), shown != 2);
            QCOMPARE(d.content->PickButton()->isEnabled(), shown == 1);
            QCOMPARE(edit->m_noCheck, shown == 1 ? 0 : 1);
            if (shown == 1)
                QCOMPARE(edit->m_kindMask, 3u);
        });
        QCOMPARE(run.result, IDOK);
        QCOMPARE(c.action->ContentKind, shown);
        QCOMPARE(c.action->Content.m_kind, shown == 0 ? 3 : 0);
        QCOMPARE(ToHex(c.action->ExportStr("", nullptr)), ToHex(script.toStdString()));
    }

    // A message goes into the script as typed; a memory value is a name or a constant.
    void typed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("caption");
        const QString kanji16 = QString::fromUtf8("漢").repeated(16);
        QTest::newRow("16 kanji") << 0 << kanji16 << "" << QString::fromUtf8("メッセージを出力:'%1'").arg(kanji16);
        QTest::newRow("17 kanji") << 0 << kanji16 + QString::fromUtf8("漢") << kLengthRefused << "";
        QTest::newRow("33 bytes") << 0 << QString(33, 'a') << kLengthRefused << "";
        QTest::newRow("message keeps its #") << 0 << "#5" << "" << QString::fromUtf8("メッセージを出力:'#5'");
        QTest::newRow("tab") << 0 << "A\tB" << QString::fromUtf8("メッセージに改行、復帰、タブは使用できません") << "";
        QTest::newRow("no CP932 form") << 0 << QString::fromUtf8("é")
                                       << ui::Text(Txt::TextNotCp932).replace("%s", QString::fromUtf8("é")) << "";
        QTest::newRow("constant value") << 1 << "#5" << "" << QString::fromUtf8("メモリー値を出力:#5");
        QTest::newRow("long memory name") << 1 << QString(40, 'M') << "" << QString::fromUtf8("メモリー値を出力:") + QString(40, 'M');
    }
    void typed()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QString, caption);
        UiTestHost host;
        host.memories = {{QString(40, 'M').toStdString(), 0}};
        Comm c(kind, "OLD", kind == 0 ? 3 : 0);
        const std::string before = StoredBytes(*c.action);
        const DialogRun run = RunDialog<CSCCommDlg>(c.action, [&](CSCCommDlg& d) { d.content->Edit()->setText(typed); });
        if (refusal.isEmpty()) {
            QCOMPARE(run.result, IDOK);
            QCOMPARE(ui::FromCp932(c.action->GetCaption()), caption);
        } else {
            QVERIFY(run.refused);
            QCOMPARE(run.messages, std::vector<QString>{refusal});
            QCOMPARE(ToHex(StoredBytes(*c.action)), ToHex(before));
        }
    }

    // The memory's kind follows the name the field finally holds, picked or typed.
    void memoryKind_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("TXT1 picked") << "TXT1[TEXT]" << "" << true << "TXT1" << 2;
        QTest::newRow("TXT1 picked, then W0 typed") << "TXT1[TEXT]" << "W0" << true << "W0" << 0;
        QTest::newRow("TXT1 typed") << "" << "TXT1" << true << "TXT1" << 2;
        QTest::newRow("TXT1 picked, then cancel") << "TXT1[TEXT]" << "" << false << "W9" << 0;
    }
    void memoryKind()
    {
        QFETCH(QString, picked);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        QFETCH(int, kind);
        UiTestHost host;
        host.memories = {{"W0", 0}, {"W9", 0}, {"TXT1", 2}};
        host.pickerAnswer = 1;
        host.pickerChoice = picked.toStdString();
        Comm c(1, "W9", 0);
        RunDialog<CSCCommDlg>(c.action, [&](CSCCommDlg& d) {
            if (!picked.isEmpty())
                d.content->PickButton()->click();
            if (!typed.isEmpty())
                TypeInto(d.content->Edit(), typed, d.OkButton());
        }, ok);
        QCOMPARE(host.pickerFilter, picked.isEmpty() ? 0u : 0x40000004u);
        Comm expected(1, name, kind);
        QCOMPARE(ToHex(StoredBytes(*c.action)), ToHex(StoredBytes(*expected.action)));
    }
};

UI_TEST_CLASS(CSCCommDlgTest);

#include "CSCCommDlgTest.moc"
