#include "DialogDrive.h"
#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "ui/dialogs/CSCBranchDlg.h"

namespace {
// A branch on W0 followed by the label L1 that it jumps to.
struct Branch : Listed<CSCBranch> {
    explicit Branch(int32_t condition) : Listed(SC_BRANCH)
    {
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        label->m_name = action->Label = "L1";
        list.AddSC(label);
        action->Condition = condition;
        action->Subject.m_name = "W0";
    }
};
}

class CSCBranchDlgTest : public QObject {
    Q_OBJECT
private slots:
    // Every field starts enabled; the operand fields follow the condition
    // (typed, then chosen) only once it changes; the "▼" buttons never do.
    void enabling()
    {
        const struct {
            int32_t stored;
            const char* typed;
            int chosen;           // -1: none
            const char* enabled;  // the two fields, the two ▼
        } rows[] = {{0, "", -1, "1111"}, {9, "", -1, "1111"},    {1, "", 0, "0011"},
                    {0, "", 2, "1111"},  {1, "abc", -1, "0011"}, {0, "不一致", -1, "1111"}};
        for (const auto& row : rows) {
            Branch b(row.stored);
            QString enabled = QString::number(row.stored);
            Run<CSCBranchDlg>(b.action, [&](CSCBranchDlg& d) {
                if (*row.typed)
                    d.m_condition->setEditText(U(row.typed));
                if (row.chosen >= 0)
                    d.m_condition->setCurrentIndex(row.chosen);
                for (QWidget* w : std::initializer_list<QWidget*>{d.m_subject->Edit(), d.m_reference->Edit(),
                                                                   d.m_subject->PickButton(), d.m_reference->PickButton()})
                    enabled += w->isEnabled() ? '1' : '0';
            }, false);
            QCOMPARE(enabled, QString::number(row.stored) + row.enabled);
        }
    }

    // The caption and operands OK stores (operands cleared when unconditional),
    // or the message that keeps the dialog open and the action unchanged.
    void ok()
    {
        const char* const choose = "条件を一覧から選択してください";
        const char* const control = "ラベル名に改行、復帰、タブは使用できません";
        const struct {
            int32_t stored;
            const char *condition, *label, *outcome;  // condition "": as opened
        } rows[] = {
            {1, "以上", "L1", "条件\tW0 >= #5　を満たすときラベル L1に分岐\nW0#5"},
            {2, "無条件", "L1", "ラベル\tL1 に分岐\n"},
            {4, "", "L2", "条件\tW0 != #5　を満たすときラベル L2に分岐\n !分岐先ラベル未定義W0#5"},
            {1, "一", "L1", choose}, {5, "", "L1", choose}, {-1, "", "L1", choose},
            {1, "", "L\t1", control}, {1, "", "L\n1", control}, {1, "", "L\r1", control},
            {1, "", "L\u00e91", "次の文字は使用できません: \u00e9"},
        };
        for (const auto& row : rows) {
            Branch b(row.stored);
            const DialogRun run = Run<CSCBranchDlg>(b.action, [&](CSCBranchDlg& d) {
                if (*row.condition)
                    d.m_condition->setEditText(U(row.condition));
                Type(d.m_reference, "#5");
                d.m_label->setText(U(row.label));
            });
            const std::string operands = run.result == IDOK ? b.action->Subject.m_name + b.action->Reference.m_name : "";
            QCOMPARE(run.outcome + QString::fromStdString(operands), U(row.outcome));
        }
    }

    // A label left untouched keeps its bytes, even those the field cannot show.
    void fields()
    {
        Branch b(1);
        b.action->Label = std::string("L\t\x81", 3);
        QCOMPARE(Fields(b.action, {&CSCBranchDlg::m_subject, &CSCBranchDlg::m_reference}, "W9"), U("条件分岐 6/1/1 6/0/1"));
        QCOMPARE(ToHex(b.action->Subject.m_name + b.action->Label), ToHex(std::string("W9L\t\x81", 5)));
    }
};

UI_TEST_CLASS(CSCBranchDlgTest);

#include "CSCBranchDlgTest.moc"
