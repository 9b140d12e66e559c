#include <QRadioButton>

#include "DialogDrive.h"
#include "actions/CSCPageJump.h"
#include "host/ModuleWindows.h"
#include "ui/PageNumber.h"
#include "ui/dialogs/CSCPageJumpDlg.h"

namespace {
constexpr int32_t L2 = INT32_MIN;  // on LAYER2
constexpr int32_t Fx(int effect) { return effect << 16; }

struct PageJump : Listed<CSCPageJump> {
    PageJump(int32_t mode, const char* page) : Listed(SC_PAGEJUMP)
    {
        action->m_mode = mode;
        action->m_page.m_name = page;
    }
};

// What the user does before OK or cancel: the action clicked, the page typed
// (unless null), the layer and the effect chosen.
struct Steps {
    int action = -1;
    const char* page = nullptr;
    int layer = -1, effect = -1;
};

QString Apply(CSCPageJumpDlg& d, const Steps& s)
{
    if (s.action >= 0)
        d.ActionButton(s.action)->click();
    if (s.page != nullptr)
        d.Page()->Edit()->setText(s.page);
    if (s.layer >= 0)
        d.LayerList()->setCurrentIndex(s.layer);
    if (s.effect >= 0)
        d.EffectList()->setCurrentIndex(s.effect);
    int checked = -1;
    for (int i = 0; i < 3; ++i)
        checked = d.ActionButton(i)->isChecked() ? i : checked;
    const auto on = [](QWidget* w) { return w->isEnabled() ? "on" : "off"; };
    return QStringLiteral("action %1 page '%2' %3 pick %4 layer %5/%6 %7 effect %8/%9 %10")
        .arg(checked)
        .arg(d.Page()->Edit()->text(), on(d.Page()->Edit()), on(d.Page()->PickButton()))
        .arg(d.LayerList()->currentIndex())
        .arg(d.LayerList()->count())
        .arg(on(d.LayerList()))
        .arg(d.EffectList()->currentIndex())
        .arg(d.EffectList()->count())
        .arg(on(d.EffectList()));
}
}

class CSCPageJumpDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The fields as the dialog opens, with and without layers, and after the user clicks an action.
    void enabling()
    {
        const struct {
            bool layers;
            int32_t mode;
            int click;
            const char* shown;
        } rows[] = {
            {true, -1, -1, "action -1 page '' off pick off layer 0/2 off effect 0/11 on"},
            {true, L2 | Fx(10) | 2, -1, "action 2 page '5' on pick on layer 1/2 on effect 10/11 on"},
            {true, L2 | Fx(10) | 2, 0, "action 0 page '5' off pick off layer 0/2 off effect 10/11 on"},
            {true, Fx(3), 2, "action 2 page '' on pick on layer 0/2 on effect 3/11 on"},
            {true, L2 | Fx(3) | 1, -1, "action 1 page '' off pick off layer 0/2 off effect 3/11 on"},
            {true, Fx(127) | 2, -1, "action 2 page '5' on pick on layer 0/2 on effect 0/11 on"},
            {false, 1, -1, "action 1 page '' off pick off layer -1/0 off effect -1/0 off"},
            {false, 2, -1, "action 2 page '5' on pick on layer -1/0 off effect -1/0 off"},
            {false, L2 | Fx(10) | 2, -1, "action -1 page '' off pick off layer -1/0 off effect -1/0 off"},
        };
        for (const auto& row : rows) {
            UiTestHost host;
            host.layers = row.layers;
            PageJump jump(row.mode, "5");
            QString shown;
            Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) { shown = Apply(d, {row.click}); }, false);
            QCOMPARE(shown, QString(row.shown));
            QCOMPARE(host.Count(hostmsg::LAYER_SUPPORT), 1);
        }
    }

    // OK: the stored action and its caption, or a refusal that keeps the action.
    void ok()
    {
        const char* const error = "!入力にエラーがあります";
        const char* const none = "動作を選択してください";
        const QString range = ui::PageNumberRefused();
        const struct {
            bool layers;
            int32_t mode;
            const char* page;
            Steps steps;
            int32_t storedMode;
            const char* storedPage;
            QString outcome;
        } rows[] = {
            {true, -1, "", {2, "#7", 1, 10}, L2 | Fx(10) | 2, "7", U("LAYER2 ページ7に移動 エフェクト=フェード")},
            {true, L2 | Fx(10) | 2, "5", {0}, Fx(10), "5", U("LAYER1 次ページに移動 エフェクト=フェード")},
            {true, Fx(1), "W5", {2, "W1"}, Fx(1) | 2, "W1", U("LAYER1 ページW1に移動 エフェクト=スクロール ←")},
            {true, L2 | Fx(3) | 1, "", {}, Fx(3) | 1, "", U("LAYER1 前ページに移動 エフェクト=スクロール ↑")},
            {true, Fx(127) | 0x7F00 | 2, "5", {}, 2, "5", U("LAYER1 ページ5に移動 エフェクト=なし")},
            {false, -1, "", {1}, 1, "", U("前ページに移動")},
            {false, 0, "W5", {2}, 2, "", U(error)},
            {false, 2, "1", {2, "2147483647"}, 2, "2147483647", U("ページ 2147483647に移動")},
            {true, -1, "", {}, -1, "", U(none)},
            {false, Fx(10) | 2, "5", {}, Fx(10) | 2, "5", U(none)},
            {true, 2, "5", {2, "2147483648"}, 2, "5", range},
            {false, 2, "99999999999", {}, 2, "99999999999", range},
            {false, 2, "5", {2, "#-1"}, 2, "5", range},
        };
        for (const auto& row : rows) {
            UiTestHost host;
            host.layers = row.layers;
            host.memories = {{"W0", 0}, {"W1", 0}, {"W5", 0}};
            PageJump jump(row.mode, row.page);
            const DialogRun run = Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) { Apply(d, row.steps); });
            QCOMPARE(run.outcome, row.outcome);
            QCOMPARE(ToHex(StoredBytes(*jump.action)), ToHex(StoredBytes(*PageJump(row.storedMode, row.storedPage).action)));
        }
    }

    // "▼" works on the dialog's copy: the picker's choice reaches the action only through OK.
    void picker()
    {
        UiTestHost host;
        host.memories = {{"W0", 0}, {"W9", 0}};
        host.pickerAnswer = 1;
        host.pickerChoice = "W9";
        PageJump jump(2, "W0");
        for (bool ok : {false, true}) {
            const DialogRun run = Run<CSCPageJumpDlg>(jump.action, [](CSCPageJumpDlg& d) { d.Page()->PickButton()->click(); }, ok);
            QCOMPARE(ok ? QString::fromStdString(jump.action->m_page.m_name) : run.outcome, QString(ok ? "W9" : "kept"));
        }
        QCOMPARE(host.pickerFilter, 6u);
    }

    // A rename while the dialog is open: the page that next page keeps (not
    // shown) follows, and the choices in the dialog stay.
    void renameWhileOpen()
    {
        UiTestHost host;
        host.layers = true;
        host.memories = {{"W0", 0}, {"W9", 0}};
        PageJump jump(Fx(4) | 2, "W0");
        QString shown;
        Run<CSCPageJumpDlg>(jump.action, [&](CSCPageJumpDlg& d) {
            Apply(d, {0, nullptr, -1, 9});
            host::SendRename("W0", "W9");
            shown = Apply(d, {});
        });
        QCOMPARE(shown, QString("action 0 page '' off pick off layer 0/2 off effect 9/11 on"));
        QCOMPARE(ToHex(StoredBytes(*jump.action)), ToHex(StoredBytes(*PageJump(Fx(9), "W9").action)));
    }
};

UI_TEST_CLASS(CSCPageJumpDlgTest);

#include "CSCPageJumpDlgTest.moc"
