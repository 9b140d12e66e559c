#include "DialogDrive.h"
#include "actions/CSCSetGraphMem.h"
#include "ui/dialogs/CSCSetGraphMemDlg.h"

class CSCSetGraphMemDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The access names the last field and makes it a destination when
    // reading (a number is refused then); a stored access other than read
    // opens and is written as a write.
    void access()
    {
        const struct {
            int32_t stored, chosen;  // chosen -1: left as opened
            const char *value, *shown;
        } rows[] = {{0, -1, "W0", "セット値0 GR1[位置指定:#3]W0 を書き込み\n0"},
                    {1, -1, "W0", "読み出し先1 GR1[位置指定:#3]W0 に読み出し\n1"},
                    {0, 1, "W0", "読み出し先1 GR1[位置指定:#3]W0 に読み出し\n1"},
                    {1, 0, "W0", "セット値0 GR1[位置指定:#3]W0 を書き込み\n0"},
                    {5, -1, "W0", "セット値0 GR1[位置指定:#3]W0 を書き込み\n0"},
                    {-1, -1, "W0", "セット値0 GR1[位置指定:#3]W0 を書き込み\n0"},
                    {0, 1, "5", "読み出し先1 代入先のメモリーに数値は指定できません0"}};
        for (const auto& row : rows) {
            UiTestHost host;
            host.memories = {{"GR1", 1}, {"W0", 0}};
            Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
            a.action->Access = row.stored;
            a.action->Value.m_name = row.value;
            QString shown;
            const DialogRun run = Run<CSCSetGraphMemDlg>(a.action, [&](CSCSetGraphMemDlg& d) {
                if (row.chosen >= 0)
                    d.m_access->setCurrentIndex(row.chosen);
                shown = d.m_valueLabel->text() + QString::number(d.m_value->Edit()->m_refuseNumber) + ' ';
                Type(d.m_graphMem, "GR1");
                Type(d.m_position, "#3");
            });
            QCOMPARE(shown + run.outcome + QString::number(a.action->Access), U(row.shown));
        }
    }

    void fields()
    {
        Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
        a.action->GraphMem.m_kind = 0;
        using D = CSCSetGraphMemDlg;
        QCOMPARE(Fields(a.action, {&D::m_graphMem, &D::m_position, &D::m_value}, "GR2[GRAPH]"),
                 U("グラフメモリーアクセス 3/1/4 6/0/1 6/0/1"));
        QCOMPARE(a.action->GraphMem.m_name + char('0' + a.action->GraphMem.m_kind), std::string("GR21"));
    }
};

UI_TEST_CLASS(CSCSetGraphMemDlgTest);

#include "CSCSetGraphMemDlgTest.moc"
