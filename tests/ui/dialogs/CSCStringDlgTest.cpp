#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "DialogRun.h"
#include "actions/CSCString.h"
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
struct OkCase {
    const char* name;
    int operation, clicked;  // clicked: -1 none
    QString text, source, integer, fraction, refusal;
    std::string script;
};
}
Q_DECLARE_METATYPE(OkCase)

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
        QTest::addColumn<int>("written");
        QTest::newRow("new action") << true << -1 << "" << -1;
        QTest::newRow("ESC delete, font builder") << true << 6 << "" << 6;
        QTest::newRow("ESC delete, its button hidden") << false << 6 << "" << 6;
        QTest::newRow("set text") << false << 2 << "文字指定" << 2;
        QTest::newRow("copy memory") << false << 4 << "テキストメモリー指定" << 4;
        QTest::newRow("format number") << false << 5 << "整数メモリー指定" << 5;
        QTest::newRow("unknown code 9 opens as none") << false << 9 << "" << -1;
    }
    void opening()
    {
        QFETCH(bool, fontBuilder);
        QFETCH(int, stored);
        QFETCH(QString, label);
        QFETCH(int, written);
        UiTestHost host;
        host.memories = {{"TXT1", 2}, {"W5", 0}};
        if (fontBuilder)
            host.features["WIZ_FONTBUILDER"] = {};
        StringOp s(stored);
        RunDialog<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
            QCOMPARE(d.windowTitle(), U("文字操作"));
            QCOMPARE(d.target->Edit()->m_refuseNumber * 10 + d.target->Edit()->m_kindMask, 12u);
            QCOMPARE(d.target->Filter() * 10 + d.source->Filter(), stored == 5 ? 56u : 55u);
            QCOMPARE(d.Radio(6)->isVisibleTo(&d), fontBuilder);
            QCOMPARE(d.operations->checkedId(), written);
            QCOMPARE(d.sourceLabel->isVisibleTo(&d) ? d.sourceLabel->text() : QString(), label);
            QCOMPARE(d.text->isVisibleTo(&d), stored == 2);
            QCOMPARE(d.source->isVisibleTo(&d), stored == 4 || stored == 5);
            QCOMPARE(d.integerDigits->isVisibleTo(&d) && d.fractionLabel->isVisibleTo(&d), stored == 5);
        });
        QCOMPARE(s.action->Operation, written);
    }

    // OK: the script line of what was set, or a refusal that changes nothing.
    // A click between the number format and a text memory empties the source.
    void ok_data()
    {
        QTest::addColumn<OkCase>("c");
        const QString fraction = U("小数部桁数は15以下に指定してください");
        for (const OkCase& c : {
                 OkCase{"format 4.2, # dropped", 5, -1, "", "#12", "4", "2", "", "FMT 7 2 3 TXT1 #12\n"},
                 OkCase{"fraction 15", 5, -1, "", "W5", "1", "15", "", "FMT 17 15 3 TXT1 W5\n"},
                 OkCase{"fraction 16 would spill", 5, -1, "", "W5", "1", "16", fraction, ""},
                 OkCase{"hidden digits left alone", 1, -1, "A B", "", "1", "16", "", "APD 80 TXT1 $A B\n"},
                 OkCase{"kanji text", 2, -1, U("漢字"), "", "", "", "", "CP 80 TXT1 $" + Sj("漢字") + "\n"},
                 OkCase{"tab in the text", 1, -1, "A\tB", "", "", "", U("文字指定に改行、復帰、タブは使用できません"), ""},
                 OkCase{"line feed in an unused text", 0, -1, "A\nB", "", "", "", "", "BS TXT1\n"},
                 OkCase{"format to append memory empties", 5, 3, "", "", "", "", "", "APD 80 TXT1 \n"},
                 OkCase{"copy memory to format empties", 4, 5, "", "", "", "", "", "FMT 6 0 3 TXT1 \n"},
                 OkCase{"append to copy memory keeps", 3, 4, "", "", "", "", "", "CP 80 TXT1 W5\n"},
                 OkCase{"set text to format keeps", 2, 5, "", "", "", "", "", "FMT 6 0 3 TXT1 W5\n"}})
            QTest::newRow(c.name) << c;
    }
    void ok()
    {
        QFETCH(OkCase, c);
        StringOp s(c.operation);
        const std::string before = StoredBytes(*s.action);
        const DialogRun run = RunDialog<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
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
        if (c.refusal.isEmpty()) {
            QCOMPARE(run.result, IDOK);
            QCOMPARE(ToHex(s.action->ExportStr("", nullptr)), ToHex(c.script));
            const int operation = c.clicked >= 0 ? c.clicked : c.operation;
            QCOMPARE(s.action->Source.m_kind, operation == 5 ? 0 : 2);
        } else {
            QVERIFY(run.refused);
            QCOMPARE(run.messages, std::vector<QString>{c.refusal});
            QCOMPARE(ToHex(StoredBytes(*s.action)), ToHex(before));
        }
        if (c.operation != 5 && c.clicked != 5)
            QCOMPARE(s.action->Source.m_aux, 96);
    }

    // The operated memory is written to: a number is refused, and a pick is kept only by OK.
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
            QCOMPARE(d.target->Edit()->text(), U("TXT1"));
            d.target->PickButton()->click();
        }, false);
        QCOMPARE(run.messages, std::vector<QString>{ui::Text(Txt::MemNumberRefused)});
        QCOMPARE(ToHex(StoredBytes(*s.action)), ToHex(before));
    }
};

UI_TEST_CLASS(CSCStringDlgTest);

#include "CSCStringDlgTest.moc"
