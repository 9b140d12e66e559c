#include "DialogDrive.h"
#include "actions/CSCOpe.h"
#include "ui/dialogs/CSCOpeDlg.h"

class CSCOpeDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The stored operator selects its entry; OK writes the entry chosen, or
    // -1 (none chosen) for a stored value outside the table.
    void operators()
    {
        const struct {
            int32_t stored, chosen;  // chosen -2: left as opened
            const char* shown;
        } rows[] = {{-1, -2, " !入力にエラーがあります -1"}, {4, -2, "余り W0 = W1 % 3\n 4"},
                    {7, -2, " !入力にエラーがあります -1"},  {-5, 2, " W0 = W1 * 3\n 2"},
                    {0, 3, "＋ W0 = W1 / 3\n 3"}};
        for (const auto& row : rows) {
            Listed<CSCOpe> a(SC_OPE);
            a.action->Operator = row.stored;
            QString shown;
            const DialogRun run = Run<CSCOpeDlg>(a.action, [&](CSCOpeDlg& d) {
                for (int i = 0; row.stored == 0 && i < d.m_operator->count(); ++i)
                    QCOMPARE(d.m_operator->itemText(i), U("＋ － × ÷ 余り").split(' ')[i]);
                shown = d.m_operator->currentText();
                Type(d.m_result, "#W0");
                Type(d.m_left, "W1");
                Type(d.m_right, "#3");
                if (row.chosen != -2)
                    d.m_operator->setCurrentIndex(row.chosen);
            });
            QCOMPARE(shown + ' ' + run.outcome + ' ' + QString::number(a.action->Operator), U(row.shown));
        }
    }

    void fields()
    {
        Listed<CSCOpe> a(SC_OPE);
        QCOMPARE(Fields(a.action, {&CSCOpeDlg::m_right, &CSCOpeDlg::m_result, &CSCOpeDlg::m_left}, "TXT1[TEXT]"),
                 U("算術演算 6/0/1 6/1/1 6/0/1"));
        QCOMPARE(a.action->Right.m_name + char('0' + a.action->Right.m_kind), std::string("TXT12"));
    }
};

UI_TEST_CLASS(CSCOpeDlgTest);

#include "CSCOpeDlgTest.moc"
