#include "DialogDrive.h"
#include "actions/CSCCall.h"
#include "ui/dialogs/CSCCallDlg.h"

namespace {
const std::vector<std::string> kEntries{"INIT", Sj("MAIN:主処理"), "BAD\x81"};

// A host that fills the array but does not answer the query: its entries do not count.
class SilentHost : public UiTestHost {
public:
    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override
    {
        if (msg == hostmsg::FEATURE_QUERY && lParam != 0)
            *reinterpret_cast<std::vector<std::string>*>(lParam) = kEntries;
        return msg == hostmsg::FEATURE_QUERY ? 0 : UiTestHost::OnMessage(msg, wParam, lParam);
    }
};

struct Call : Listed<CSCCall> {
    explicit Call(const std::string& routine) : Listed(SC_CALL) { action->m_routine = routine; }
};
}

class CSCCallDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The entries offered: the host's routines; none when it has none, does not answer, or is missing.
    void listsTheHostsRoutines()
    {
        for (const QString host : {"lists", "none", "silent", ""}) {
            std::unique_ptr<UiTestHost> window;
            if (host == "silent")
                window = std::make_unique<SilentHost>();
            else if (!host.isEmpty())
                window = std::make_unique<UiTestHost>();
            if (host == "lists")
                window->features["WIZ_MODULEREGST"] = kEntries;
            Call call("SUB9:old");
            QStringList seen{host};
            Run<CSCCallDlg>(call.action, [&](CSCCallDlg& d) {
                for (int i = 0; i < d.RoutineBox()->count(); ++i)
                    seen << d.RoutineBox()->itemText(i);
                seen << d.RoutineBox()->currentText();
            }, false);
            QCOMPARE(seen.join('|'), host + (host == "lists" ? U("|INIT|MAIN:主処理|BAD?|SUB9:old") : "|SUB9:old"));
        }
    }

    // OK with an entry picked or a text typed: the stored bytes and the
    // caption, or a refusal that keeps the action as it was.
    void ok()
    {
        const QString control = U("サブルーチン名に改行、復帰、タブは使用できません");
        const struct {
            int pick;  // entry index, -1 to type
            QString typed;
            std::string stored;
            QString outcome;
        } rows[] = {
            {1, {}, Sj("MAIN:主処理"), U("サブルーチン呼び出し:'MAIN:主処理'")},
            {2, {}, "BAD\x81", {}},
            {-1, U("計算 1"), Sj("計算 1"), U("サブルーチン呼び出し:'計算 1'")},
            {-1, {}, "OLD\t\x81", {}},
            {-1, "", "", U("!入力にエラーがあります")},
            {-1, "A\tB", "OLD\t\x81", control},
            {-1, "A\nB", "OLD\t\x81", control},
            {-1, "A\rB", "OLD\t\x81", control},
            {-1, U("A😀"), "OLD\t\x81", U("次の文字は使用できません: 😀")},
        };
        for (const auto& row : rows) {
            UiTestHost host;
            host.features["WIZ_MODULEREGST"] = kEntries;
            Call call("OLD\t\x81");
            const DialogRun run = Run<CSCCallDlg>(call.action, [&](CSCCallDlg& d) {
                if (row.pick >= 0)
                    d.RoutineBox()->setCurrentIndex(row.pick);
                else if (!row.typed.isNull())
                    d.RoutineBox()->setEditText(row.typed);
            });
            QCOMPARE(ToHex(call.action->m_routine), ToHex(row.stored));
            if (!row.outcome.isNull())
                QCOMPARE(run.outcome, row.outcome);
        }
    }
};

UI_TEST_CLASS(CSCCallDlgTest);

#include "CSCCallDlgTest.moc"
