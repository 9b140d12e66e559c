#include <QComboBox>
#include <QLabel>

#include "DialogDrive.h"
#include "actions/CSCSetGraphMem.h"
#include "ui/UiText.h"
#include "ui/dialogs/CSCSetGraphMemDlg.h"

class CSCSetGraphMemDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The access names the last field and makes it a destination when
    // reading; a stored access other than read opens and is written as a write.
    void access()
    {
        const struct {
            int32_t stored, chosen;  // chosen -1: left as opened
            const char* shown;       // label, m_refuseNumber, access written
        } rows[] = {{0, -1, "セット値0 0"}, {1, -1, "読み出し先1 1"}, {0, 1, "読み出し先1 1"},
                    {1, 0, "セット値0 0"},  {5, -1, "セット値0 0"},   {-1, -1, "セット値0 0"}};
        for (const auto& row : rows) {
            Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
            a.action->Access = row.stored;
            a.action->Value.m_name = "W0";
            QString shown;
            QCOMPARE(Drive<CSCSetGraphMemDlg>(a.action, [&](CSCSetGraphMemDlg& d) {
                         if (row.chosen >= 0)
                             d.m_access->setCurrentIndex(row.chosen);
                         shown = d.m_valueLabel->text() + QString::number(d.m_value->Edit()->m_refuseNumber);
                         Type(d.m_graphMem, "GR1");
                         Type(d.m_position, "#3");
                         d.OkButton()->click();
                     }),
                     IDOK);
            QCOMPARE(shown + ' ' + QString::number(a.action->Access), QString::fromUtf8(row.shown));
            QCOMPARE(Caption(a.action), QString::fromUtf8(a.action->Access ? "GR1[位置指定:#3]W0 に読み出し\n"
                                                                            : "GR1[位置指定:#3]W0 を書き込み\n"));
        }
    }

    // A number given as the value of a write is refused once the access becomes a read.
    void numberToReadIntoIsRefused()
    {
        UiTestHost host;
        host.memories = {{"GR1", 1}};
        Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
        a.action->GraphMem.m_name = "GR1";
        a.action->Value.m_name = "5";
        const std::string before = StoredBytes(*a.action);
        MessageLog log;
        QCOMPARE(Drive<CSCSetGraphMemDlg>(a.action, [](CSCSetGraphMemDlg& d) {
                     d.m_access->setCurrentIndex(CSCSetGraphMem::ACCESS_READ);
                     d.OkButton()->click();
                 }),
                 IDCANCEL);
        QCOMPARE(log.texts, std::vector<QString>{ui::Text(Txt::MemNumberRefused)});
        QCOMPARE(ToHex(StoredBytes(*a.action)), ToHex(before));
    }

    void fields()
    {
        Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
        a.action->GraphMem.m_kind = 0;
        using D = CSCSetGraphMemDlg;
        QCOMPARE(Fields(a.action, {&D::m_graphMem, &D::m_position, &D::m_value}, "GR2[GRAPH]"),
                 QString::fromUtf8("グラフメモリーアクセス 3/1/4 6/0/1 6/0/1"));
        QCOMPARE(a.action->GraphMem.m_name + char('0' + a.action->GraphMem.m_kind), std::string("GR21"));
    }
};

UI_TEST_CLASS(CSCSetGraphMemDlgTest);

#include "CSCSetGraphMemDlgTest.moc"
