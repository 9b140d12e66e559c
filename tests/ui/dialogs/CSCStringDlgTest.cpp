#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "DialogRun.h"
#include "actions/CSCString.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"
#include "ui/dialogs/CSCStringDlg.h"

namespace {
struct StringOp : Listed<CSCString> {
    explicit StringOp(int operation) : Listed(SC_STRING)
    {
        action->Target.m_name = "TXT1";
        action->Operation = operation;
        action->Source.m_name = "W5";
    }
};
}

class CSCStringDlgTest : public QObject {
    Q_OBJECT
private slots:
    // What opens for a stored operation, with and without the host's font
    // builder, and the operation that OK writes back untouched.
    void opening_data()
    {
        QTest::addColumn<bool>("fontBuilder");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("label");  // empty: label, text and source hidden
        QTest::addColumn<bool>("textShown");
        QTest::addColumn<uint>("filter");    // of the source's ▼
        QTest::addColumn<int>("written");
        QTest::newRow("new action") << true << -1 << "" << false << 5u << -1;
        QTest::newRow("ESC delete, font builder") << true << 6 << "" << false << 5u << 6;
        QTest::newRow("ESC delete, its button hidden") << false << 6 << "" << false << 5u << 6;
        QTest::newRow("set text") << false << 2 << "文字指定" << true << 5u << 2;
        QTest::newRow("copy memory") << false << 4 << "テキストメモリー指定" << false << 5u << 4;
        QTest::newRow("format number") << false << 5 << "整数メモリー指定" << false << 6u << 5;
        QTest::newRow("unknown code 9 opens as none") << false << 9 << "" << false << 5u << -1;
    }
    void opening()
    {
        QFETCH(bool, fontBuilder);
        QFETCH(int, stored);
        QFETCH(QString, label);
        QFETCH(bool, textShown);
        QFETCH(uint, filter);
        QFETCH(int, written);
        UiTestHost host;
        host.memories = {{"TXT1", 2}, {"W5", 0}};
        if (fontBuilder)
            host.features["WIZ_FONTBUILDER"] = {};
        StringOp s(stored);
        RunDialog<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("文字操作"));
            QCOMPARE(d.target->Edit()->m_refuseNumber, 1);
            QCOMPARE(d.target->Edit()->m_kindMask, 2u);
            QCOMPARE(d.target->Filter(), 5u);
            QCOMPARE(d.Radio(6)->isVisibleTo(&d), fontBuilder);
            QCOMPARE(d.operations->checkedId(), written);
            QCOMPARE(d.sourceLabel->isVisibleTo(&d), !label.isEmpty());
            if (!label.isEmpty())
                QCOMPARE(d.sourceLabel->text(), label);
            QCOMPARE(d.text->isVisibleTo(&d), textShown);
            QCOMPARE(d.source->isVisibleTo(&d), !label.isEmpty() && !textShown);
            QCOMPARE(d.source->Filter(), filter);
            QCOMPARE(d.integerDigits->isVisibleTo(&d) && d.fractionLabel->isVisibleTo(&d), stored == 5);
        });
        QCOMPARE(s.action->Operation, written);
    }

    // A click between the number format and a text memory empties the
    // source, which must then name the other kind of memory.
    void switchingOperations_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("kind");
        QTest::newRow("format to append memory") << 5 << 3 << "" << 2;
        QTest::newRow("copy memory to format") << 4 << 5 << "" << 0;
        QTest::newRow("append to copy memory") << 3 << 4 << "W5" << 2;
        QTest::newRow("set text to format") << 2 << 5 << "W5" << 0;
    }
    void switchingOperations()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, source);
        QFETCH(int, kind);
        StringOp s(from);
        RunDialog<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
            d.Radio(to)->click();
            QCOMPARE(d.source->Edit()->m_kindMask, kind == 2 ? 2u : 1u);
        });
        QCOMPARE(s.action->Operation, to);
        QCOMPARE(QString::fromStdString(s.action->Source.m_name), source);
        QCOMPARE(s.action->Source.m_kind, kind);
    }

    // OK: the script line of what was set, or a refusal that changes nothing.
    void ok_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("integer");
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("format 4.2") << 5 << "" << "W5" << "4" << "2" << "" << QByteArray("FMT 7 2 3 TXT1 W5\n");
        QTest::newRow("format 6.0, # dropped") << 5 << "" << "#12" << "6" << "0" << "" << QByteArray("FMT 6 0 3 TXT1 #12\n");
        QTest::newRow("fraction 15") << 5 << "" << "W5" << "1" << "15" << "" << QByteArray("FMT 17 15 3 TXT1 W5\n");
        QTest::newRow("fraction 16 would spill") << 5 << "" << "W5" << "1" << "16"
                                                 << QString::fromUtf8("小数部桁数は15以下に指定してください") << QByteArray();
        QTest::newRow("hidden digits left alone") << 1 << "A B" << "" << "1" << "16" << "" << QByteArray("APD 80 TXT1 $A B\n");
        QTest::newRow("kanji text") << 2 << QString::fromUtf8("漢字") << "" << "" << "" << ""
                                    << QByteArray::fromStdString("CP 80 TXT1 $" + Sj("漢字") + "\n");
        QTest::newRow("tab in the text") << 1 << "A\tB" << "" << "" << "" << QString::fromUtf8("文字指定に改行、復帰、タブは使用できません") << QByteArray();
        QTest::newRow("line feed, text not used") << 0 << "A\nB" << "" << "" << "" << "" << QByteArray("BS TXT1\n");
        QTest::newRow("no CP932 form") << 2 << QString::fromUtf8("é") << "" << "" << ""
                                       << ui::Text(Txt::TextNotCp932).replace("%s", QString::fromUtf8("é")) << QByteArray();
    }
    void ok()
    {
        QFETCH(int, operation);
        QFETCH(QString, text);
        QFETCH(QString, source);
        QFETCH(QString, integer);
        QFETCH(QString, fraction);
        QFETCH(QString, refusal);
        QFETCH(QByteArray, script);
        StringOp s(operation);
        const std::string before = StoredBytes(*s.action);
        const DialogRun run = RunDialog<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
            d.text->setText(text);
            if (!source.isEmpty())
                d.source->Edit()->setText(source);
            if (!integer.isEmpty()) {
                d.integerDigits->setText(integer);
                d.fractionDigits->setText(fraction);
            }
        });
        if (refusal.isEmpty()) {
            QCOMPARE(run.result, IDOK);
            QCOMPARE(ToHex(s.action->ExportStr("", nullptr)), ToHex(script.toStdString()));
        } else {
            QVERIFY(run.refused);
            QCOMPARE(run.messages, std::vector<QString>{refusal});
            QCOMPARE(ToHex(StoredBytes(*s.action)), ToHex(before));
        }
        if (operation != 5)
            QCOMPARE(s.action->Source.m_aux, 96);
    }

    // The operated memory is written to: a number is refused, and a picked
    // memory is only kept by OK.
    void target()
    {
        UiTestHost host;
        host.memories = {{"TXT1", 2}};
        host.pickerAnswer = 1;
        host.pickerChoice = "TXT2[TEXT]";
        StringOp s(0);
        const std::string before = StoredBytes(*s.action);
        const DialogRun run = RunDialog<CSCStringDlg>(s.action, [](CSCStringDlg& d) {
            TypeInto(d.target->Edit(), "#5", d.OkButton());
            QCOMPARE(d.target->Edit()->text(), QString("TXT1"));
            d.target->PickButton()->click();
        }, false);
        QCOMPARE(run.messages, std::vector<QString>{ui::Text(Txt::MemNumberRefused)});
        QCOMPARE(ToHex(StoredBytes(*s.action)), ToHex(before));
    }
};

UI_TEST_CLASS(CSCStringDlgTest);

#include "CSCStringDlgTest.moc"
