#include "DialogDrive.h"
#include "actions/CSCSetValue.h"
#include "ui/dialogs/CSCSetValueDlg.h"

class CSCSetValueDlgTest : public QObject {
    Q_OBJECT
private slots:
    void okDropsTheHash()
    {
        Listed<CSCSetValue> a(SC_SETVALUE);
        QCOMPARE(Drive<CSCSetValueDlg>(a.action, [](CSCSetValueDlg& d) {
                     Type(d.m_dest, "GR1");
                     Type(d.m_value, "#10");
                     d.OkButton()->click();
                 }),
                 IDOK);
        QCOMPARE(Caption(a.action), QString::fromUtf8("GR1へ10を書込み\n"));
    }

    void fields()
    {
        Listed<CSCSetValue> a(SC_SETVALUE);
        const auto shown = Fields(a.action, {&CSCSetValueDlg::m_dest, &CSCSetValueDlg::m_value}, "GR1[GRAPH]");
        QCOMPARE(shown, QString::fromUtf8("値ｾｯﾄ 6/1/1 6/0/1"));
        QCOMPARE(a.action->Dest.m_name + char('0' + a.action->Dest.m_kind), std::string("GR11"));
    }
};

UI_TEST_CLASS(CSCSetValueDlgTest);

#include "CSCSetValueDlgTest.moc"
