#include "DialogDrive.h"
#include "actions/CSCActionLink.h"
#include "ui/dialogs/CSCActionLinkDlg.h"

class CSCActionLinkDlgTest : public QObject {
    Q_OBJECT
private slots:
    // "選択" with the chooser cancelled or answering, then OK or cancel: what
    // the read-only edit shows (never the part after the last "!"), and what
    // the action keeps.
    void choose()
    {
        const struct {
            const char* target;
            int answer;
            bool ok;
            const char *shown, *stored, *outcome;
        } rows[] = {{"", 1, true, " PLC1!Btn2", "PLC1!Btn2!Push", "アクションリンクの設定:'PLC1!Btn2'"},
                    {"A!B!C", 1, false, "A!B PLC1!Btn2", "A!B!C", "kept"},
                    {"A!B!C", 0, true, "A!B A!B", "A!B!C", "アクションリンクの設定:'A!B'"},
                    {"PLAIN", 0, true, " ", "PLAIN", "アクションリンクの設定:''"},
                    {"", 0, true, " ", "", "!入力にエラーがあります"}};
        for (const auto& row : rows) {
            UiTestHost host;
            host.linkAnswer = row.answer;
            host.linkChoice = "PLC1!Btn2!Push";
            Listed<CSCActionLink> a(SC_ACTIONLINK);
            a.action->m_target = row.target;
            a.action->m_savedTarget = "PLC9!Btn!Kept";
            QString shown;
            const DialogRun run = Run<CSCActionLinkDlg>(a.action, [&](CSCActionLinkDlg& d) {
                QCOMPARE(d.windowTitle(), U("アクションリンクの設定"));
                QVERIFY(d.TargetEdit()->isReadOnly());
                shown = d.TargetEdit()->text() + ' ';
                d.ChooseButton()->click();
                shown += d.TargetEdit()->text();
            }, row.ok);
            QCOMPARE(shown + ' ' + QString::fromStdString(host.linkStart + ' ' + a.action->m_target + ' ' +
                                                          a.action->m_savedTarget) + ' ' + run.outcome,
                     U(row.shown) + ' ' + row.target + ' ' + row.stored + " PLC9!Btn!Kept " + U(row.outcome));
        }
    }
};

UI_TEST_CLASS(CSCActionLinkDlgTest);

#include "CSCActionLinkDlgTest.moc"
