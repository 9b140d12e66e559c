#include "DialogDrive.h"
#include "actions/CSCSetValue.h"
#include "ui/dialogs/CSCSetValueDlg.h"

class CSCSetValueDlgTest : public QObject {
    Q_OBJECT
private slots:
    void fields()
    {
        Listed<CSCSetValue> a(SC_SETVALUE);
        QCOMPARE(Fields(a.action, {&CSCSetValueDlg::m_dest, &CSCSetValueDlg::m_value}, "GR1[GRAPH]"),
                 U("値ｾｯﾄ 6/1/1 6/0/1"));
        QCOMPARE(a.action->Dest.m_name + char('0' + a.action->Dest.m_kind), std::string("GR11"));
    }
};

UI_TEST_CLASS(CSCSetValueDlgTest);

#include "CSCSetValueDlgTest.moc"
