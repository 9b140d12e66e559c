#include "DialogDrive.h"
#include "actions/CSCSetValue.h"
#include "ui/dialogs/CSCSetValueDlg.h"

class CSCSetValueDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheOperands()
    {
        Listed<CSCSetValue> a(SC_SETVALUE);
        a.action->Dest.m_name = "W0";
        a.action->Source.m_name = "5";
        UiTestHost host;
        QCOMPARE(Drive<CSCSetValueDlg>(a.action, [&](CSCSetValueDlg& d) {
                     QCOMPARE(d.windowTitle(), QString::fromUtf8("値ｾｯﾄ"));
                     QCOMPARE(d.m_dest->Edit()->text(), QString("W0"));
                     QCOMPARE(d.m_value->Edit()->text(), QString("5"));
                     QCOMPARE(d.m_dest->Edit()->m_refuseNumber, 1);
                     QCOMPARE(d.m_value->Edit()->m_refuseNumber, 0);
                     QCOMPARE(d.m_value->Edit()->m_kindMask, 1u);
                     QCOMPARE(PickFilters(host, {d.m_dest, d.m_value}), (std::vector<uint32_t>{6, 6}));
                     d.reject();
                 }),
                 IDCANCEL);
    }

    void okTakesTheFieldsWithoutTheirHash()
    {
        Listed<CSCSetValue> a(SC_SETVALUE);
        QCOMPARE(Drive<CSCSetValueDlg>(a.action, [](CSCSetValueDlg& d) {
                     Type(d.m_dest, "GR1");
                     Type(d.m_value, "#10");
                     d.OkButton()->click();
                 }),
                 IDOK);
        QCOMPARE(a.action->Dest.m_name, std::string("GR1"));
        QCOMPARE(a.action->Source.m_name, std::string("10"));
        QCOMPARE(ToHex(a.action->GetCaption()), ToHex(Sj("GR1へ10を書込み\n")));
    }

    void pickThenCancelOrOk()
    {
        Listed<CSCSetValue> a(SC_SETVALUE);
        a.action->Dest.m_name = "W0";
        QCOMPARE(PickAndClose(a.action, &CSCSetValueDlg::m_dest, "GR1[GRAPH]", false), IDCANCEL);
        QCOMPARE(PickAndClose(a.action, &CSCSetValueDlg::m_dest, "GR1[GRAPH]", true), IDOK);
        QCOMPARE(a.action->Dest.m_name, std::string("GR1"));
        QCOMPARE(a.action->Dest.m_kind, 1);
    }
};

UI_TEST_CLASS(CSCSetValueDlgTest);

#include "CSCSetValueDlgTest.moc"
