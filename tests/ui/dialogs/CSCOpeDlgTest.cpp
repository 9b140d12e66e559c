#include <QComboBox>

#include "DialogDrive.h"
#include "actions/CSCOpe.h"
#include "ui/dialogs/CSCOpeDlg.h"

class CSCOpeDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The stored operator selects its entry; OK writes the entry chosen, or
    // -1 (none chosen) for a stored value outside the table.
    void operators_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("choose");  // -2: leave the selection
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("caption");
        QTest::newRow("none chosen") << -1 << -2 << "" << -1 << "!入力にエラーがあります";
        QTest::newRow("remainder") << 4 << -2 << "余り" << 4 << "W0 = W1 % 3\n";
        QTest::newRow("above the table") << 7 << -2 << "" << -1 << "!入力にエラーがあります";
        QTest::newRow("below -1") << -5 << 2 << "" << 2 << "W0 = W1 * 3\n";
        QTest::newRow("plus to divide") << 0 << 3 << "＋" << 3 << "W0 = W1 / 3\n";
    }
    void operators()
    {
        QFETCH(int, stored);
        QFETCH(int, choose);
        QFETCH(QString, shown);
        QFETCH(int, written);
        QFETCH(QString, caption);
        Listed<CSCOpe> a(SC_OPE);
        a.action->Operator = stored;
        QString opened;
        QCOMPARE(Drive<CSCOpeDlg>(a.action, [&](CSCOpeDlg& d) {
                     opened = d.m_operator->currentText();
                     Type(d.m_result, "#W0");
                     Type(d.m_left, "W1");
                     Type(d.m_right, "#3");
                     if (choose != -2)
                         d.m_operator->setCurrentIndex(choose);
                     d.OkButton()->click();
                 }),
                 IDOK);
        QCOMPARE(opened, shown);
        QCOMPARE(a.action->Operator, written);
        QCOMPARE(QString::fromStdString(cp932::ToUTF8(a.action->GetCaption())), caption);
    }

    void opening()
    {
        UiTestHost host;
        Listed<CSCOpe> a(SC_OPE);
        Drive<CSCOpeDlg>(a.action, [&](CSCOpeDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("算術演算"));
            QVERIFY(!d.m_operator->isEditable());
            QStringList entries;
            for (int i = 0; i < d.m_operator->count(); ++i)
                entries << d.m_operator->itemText(i);
            QCOMPARE(entries.join(' '), QString::fromUtf8("＋ － × ÷ 余り"));
            QCOMPARE(d.m_result->Edit()->m_refuseNumber + d.m_left->Edit()->m_refuseNumber +
                         d.m_right->Edit()->m_refuseNumber,
                     1);
            QCOMPARE(d.m_result->Edit()->m_refuseNumber, 1);
            QCOMPARE(PickFilters(host, {d.m_result, d.m_left, d.m_right}), (std::vector<uint32_t>{6, 6, 6}));
        });
    }

    void pickThenCancelOrOk()
    {
        Listed<CSCOpe> a(SC_OPE);
        QCOMPARE(PickAndClose(a.action, &CSCOpeDlg::m_right, "TXT1[TEXT]", false), IDCANCEL);
        QCOMPARE(PickAndClose(a.action, &CSCOpeDlg::m_right, "TXT1[TEXT]", true), IDOK);
        QCOMPARE(a.action->Right.m_name, std::string("TXT1"));
        QCOMPARE(a.action->Right.m_kind, 2);
    }
};

UI_TEST_CLASS(CSCOpeDlgTest);

#include "CSCOpeDlgTest.moc"
