#include <QButtonGroup>
#include <QRadioButton>

#include "DialogDrive.h"
#include "actions/CSCString.h"
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
    void opening()
    {
        const struct {
            bool fontBuilder;
            int stored;
            const char* label;  // empty: label, text and source hidden
            int written;
        } rows[] = {{true, -1, "", -1},  {true, 6, "", 6}, {false, 6, "", 6},
                    {false, 2, "文字指定", 2}, {false, 4, "テキストメモリー指定", 4},
                    {false, 5, "整数メモリー指定", 5}, {false, 9, "", -1}};
        for (const auto& row : rows) {
            UiTestHost host;
            host.memories = {{"TXT1", 2}, {"W5", 0}};
            if (row.fontBuilder)
                host.features["WIZ_FONTBUILDER"] = {};
            StringOp s(row.stored);
            Run<CSCStringDlg>(s.action, [&](CSCStringDlg& d) {
                QCOMPARE(d.windowTitle(), U("文字操作"));
                QCOMPARE(d.target->Edit()->m_refuseNumber * 10 + d.target->Edit()->m_kindMask, 12u);
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
    void ok()
    {
        const struct {
            int operation, clicked;  // clicked: -1 none
            QString text, source, integer, fraction;
            std::string outcome;  // the script line, or the refusal
        } rows[] = {{5, -1, "", "#12", "4", "2", "FMT 7 2 3 TXT1 #12\n"},
                    {5, -1, "", "W5", "1", "15", "FMT 17 15 3 TXT1 W5\n"},
                    {5, -1, "", "W5", "1", "16", "小数部桁数は15以下に指定してください"},
                    {1, -1, "A B", "", "1", "16", "APD 80 TXT1 $A B\n"},
                    {2, -1, U("漢字"), "", "", "", "CP 80 TXT1 $漢字\n"},
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

    // The operated memory is written to: a number is refused, and a pick is kept only by OK.
    void target()
    {
        UiTestHost host;
        host.memories = {{"TXT1", 2}};
        host.pickerAnswer = 1;
        host.pickerChoice = "TXT2[TEXT]";
        StringOp s(0);
        const DialogRun run = Run<CSCStringDlg>(s.action, [](CSCStringDlg& d) {
            TypeInto(d.target->Edit(), "#5", d.OkButton());
            QCOMPARE(d.target->Edit()->text(), U("TXT1"));
            d.target->PickButton()->click();
        }, false);
        QCOMPARE(run.messages, std::vector<QString>{U("代入先のメモリーに数値は指定できません")});
        QCOMPARE(run.outcome, QString("kept"));
    }
};

UI_TEST_CLASS(CSCStringDlgTest);

#include "CSCStringDlgTest.moc"
