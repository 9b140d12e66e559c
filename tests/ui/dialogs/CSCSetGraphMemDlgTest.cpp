#include <QComboBox>
#include <QLabel>

#include "DialogDrive.h"
#include "actions/CSCSetGraphMem.h"
#include "ui/UiText.h"
#include "ui/dialogs/CSCSetGraphMemDlg.h"

class CSCSetGraphMemDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opening()
    {
        UiTestHost host;
        Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
        Drive<CSCSetGraphMemDlg>(a.action, [&](CSCSetGraphMemDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("グラフメモリーアクセス"));
            QCOMPARE(d.CancelButton()->text(), QString::fromUtf8("キャンセル"));
            QCOMPARE(d.m_graphMem->Edit()->m_refuseNumber, 1);
            QCOMPARE(d.m_graphMem->Edit()->m_kindMask, 4u);
            QCOMPARE(d.m_position->Edit()->m_refuseNumber, 0);
            QCOMPARE(d.m_position->Edit()->m_kindMask + d.m_value->Edit()->m_kindMask, 2u);
            QCOMPARE(PickFilters(host, {d.m_graphMem, d.m_position, d.m_value}), (std::vector<uint32_t>{3, 6, 6}));
        });
    }

    // The access choice names the last field and makes it a destination
    // when reading; a stored access other than read opens as a write.
    void access_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("chosen");  // -1: left as opened
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("refuseNumber");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("caption");
        QTest::newRow("write") << 0 << -1 << "セット値" << 0 << 0 << "GR1[位置指定:#3]W0 を書き込み\n";
        QTest::newRow("read") << 1 << -1 << "読み出し先" << 1 << 1 << "GR1[位置指定:#3]W0 に読み出し\n";
        QTest::newRow("write to read") << 0 << 1 << "読み出し先" << 1 << 1 << "GR1[位置指定:#3]W0 に読み出し\n";
        QTest::newRow("read to write") << 1 << 0 << "セット値" << 0 << 0 << "GR1[位置指定:#3]W0 を書き込み\n";
        QTest::newRow("stored 5") << 5 << -1 << "セット値" << 0 << 0 << "GR1[位置指定:#3]W0 を書き込み\n";
        QTest::newRow("stored -1") << -1 << -1 << "セット値" << 0 << 0 << "GR1[位置指定:#3]W0 を書き込み\n";
    }
    void access()
    {
        QFETCH(int, stored);
        QFETCH(int, chosen);
        QFETCH(QString, label);
        QFETCH(int, refuseNumber);
        QFETCH(int, written);
        QFETCH(QString, caption);
        Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
        a.action->Access = stored;
        a.action->Value.m_name = "W0";
        QString shownLabel;
        int refuses = -1;
        QCOMPARE(Drive<CSCSetGraphMemDlg>(a.action, [&](CSCSetGraphMemDlg& d) {
                     if (chosen >= 0)
                         d.m_access->setCurrentIndex(chosen);
                     shownLabel = d.m_valueLabel->text();
                     refuses = d.m_value->Edit()->m_refuseNumber;
                     Type(d.m_graphMem, "GR1");
                     Type(d.m_position, "#3");
                     d.OkButton()->click();
                 }),
                 IDOK);
        QCOMPARE(shownLabel, label);
        QCOMPARE(refuses, refuseNumber);
        QCOMPARE(a.action->Access, written);
        QCOMPARE(a.action->Position.m_name, std::string("3"));
        QCOMPARE(QString::fromStdString(cp932::ToUTF8(a.action->GetCaption())), caption);
    }

    // A number typed as the value of a write is refused once the access becomes a read.
    void numberReadIntoIsRefused()
    {
        UiTestHost host;
        host.memories = {{"GR1", 1}};
        Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
        a.action->GraphMem.m_name = "GR1";
        a.action->Value.m_name = "5";
        const std::string before = StoredBytes(*a.action);
        MessageLog log;
        bool stayedOpen = false;
        QCOMPARE(Drive<CSCSetGraphMemDlg>(a.action, [&](CSCSetGraphMemDlg& d) {
                     d.m_access->setCurrentIndex(CSCSetGraphMem::ACCESS_READ);
                     d.OkButton()->click();
                     stayedOpen = d.isVisible();
                 }),
                 IDCANCEL);
        QVERIFY(stayedOpen);
        QCOMPARE(log.texts, std::vector<QString>{ui::Text(Txt::MemNumberRefused)});
        QCOMPARE(ToHex(StoredBytes(*a.action)), ToHex(before));
    }

    void pickThenCancelOrOk()
    {
        Listed<CSCSetGraphMem> a(SC_SETGRAPHMEM);
        a.action->GraphMem.m_kind = 0;
        QCOMPARE(PickAndClose(a.action, &CSCSetGraphMemDlg::m_graphMem, "GR2[GRAPH]", false), IDCANCEL);
        QCOMPARE(PickAndClose(a.action, &CSCSetGraphMemDlg::m_graphMem, "GR2[GRAPH]", true), IDOK);
        QCOMPARE(a.action->GraphMem.m_name, std::string("GR2"));
        QCOMPARE(a.action->GraphMem.m_kind, 1);
    }
};

UI_TEST_CLASS(CSCSetGraphMemDlgTest);

#include "CSCSetGraphMemDlgTest.moc"
