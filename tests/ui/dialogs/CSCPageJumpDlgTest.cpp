#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <utility>

#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCPageJump.h"
#include "core/CStepchainData.h"
#include "host/ModuleWindows.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"
#include "ui/PageNumber.h"
#include "ui/dialogs/CSCPageJumpDlg.h"

namespace {

constexpr int32_t kLayer2 = INT32_MIN;
constexpr int32_t Effect(int effect) { return effect << 16; }

struct PageJump {
    CStepchainData list;
    CSCPageJump action{&list};
    PageJump(int32_t mode, const char* page)
    {
        action.m_mode = mode;
        action.m_page.m_name = page;
    }
};

// What the user does in the dialog before OK or cancel.
struct Steps {
    Steps(int action = -1, QString page = {}, int layer = -1, int effect = -1)
        : action(action), page(std::move(page)), layer(layer), effect(effect)
    {
    }
    int action;    // radio button to click
    QString page;  // typed into the page field when not null
    int layer;     // list indexes to select
    int effect;
};

void Apply(CSCPageJumpDlg* d, const Steps& steps)
{
    if (steps.action >= 0)
        d->ActionButton(steps.action)->click();
    if (!steps.page.isNull())
        d->Page()->Edit()->setText(steps.page);
    if (steps.layer >= 0)
        d->LayerList()->setCurrentIndex(steps.layer);
    if (steps.effect >= 0)
        d->EffectList()->setCurrentIndex(steps.effect);
}

QString Shown(CSCPageJumpDlg* d)
{
    int checked = -1;
    for (int i = 0; i < 3; ++i) {
        if (d->ActionButton(i)->isChecked())
            checked = i;
    }
    const auto on = [](QWidget* w) { return w->isEnabled() ? "on" : "off"; };
    return QStringLiteral("action %1 page '%2' %3 pick %4 layer %5/%6 %7 effect %8/%9 %10")
        .arg(checked)
        .arg(d->Page()->Edit()->text(), on(d->Page()->Edit()), on(d->Page()->PickButton()))
        .arg(d->LayerList()->currentIndex())
        .arg(d->LayerList()->count())
        .arg(on(d->LayerList()))
        .arg(d->EffectList()->currentIndex())
        .arg(d->EffectList()->count())
        .arg(on(d->EffectList()));
}

}

Q_DECLARE_METATYPE(Steps)

class CSCPageJumpDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The fields as the dialog opens, and after the user clicks an action.
    void enabling_data()
    {
        QTest::addColumn<bool>("layers");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("click");
        QTest::addColumn<QString>("shown");

        const int given2 = kLayer2 | Effect(10) | 2;
        QTest::newRow("layers, new")
            << true << -1 << -1 << "action -1 page '' off pick off layer 0/2 off effect 0/11 on";
        QTest::newRow("layers, given page on LAYER2")
            << true << given2 << -1 << "action 2 page '5' on pick on layer 1/2 on effect 10/11 on";
        QTest::newRow("layers, given then next")
            << true << given2 << 0 << "action 0 page '5' off pick off layer 0/2 off effect 10/11 on";
        QTest::newRow("layers, next then given")
            << true << Effect(3) << 2 << "action 2 page '' on pick on layer 0/2 on effect 3/11 on";
        QTest::newRow("layers, previous stored with LAYER2 opens on LAYER1")
            << true << (kLayer2 | Effect(3) | 1) << -1 << "action 1 page '' off pick off layer 0/2 off effect 3/11 on";
        QTest::newRow("layers, effect past the table opens as none")
            << true << (Effect(127) | 2) << -1 << "action 2 page '5' on pick on layer 0/2 on effect 0/11 on";
        QTest::newRow("no layers, previous")
            << false << 1 << -1 << "action 1 page '' off pick off layer -1/0 off effect -1/0 off";
        QTest::newRow("no layers, given")
            << false << 2 << -1 << "action 2 page '5' on pick on layer -1/0 off effect -1/0 off";
        QTest::newRow("no layers, a layered packing")
            << false << given2 << -1 << "action -1 page '' off pick off layer -1/0 off effect -1/0 off";
    }
    void enabling()
    {
        QFETCH(bool, layers);
        QFETCH(int, mode);
        QFETCH(int, click);
        QFETCH(QString, shown);

        UiTestHost host;
        host.layers = layers;
        PageJump jump(mode, "5");
        QString seen;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCPageJumpDlg*>(dialog);
            Apply(d, Steps(click));
            seen = Shown(d);
        });
        QCOMPARE(jump.action.Edit(nullptr, 0), IDCANCEL);
        QCOMPARE(seen, shown);
        QCOMPARE(host.Count(hostmsg::LAYER_SUPPORT), 1);
    }

    // OK: the stored action and its caption, or a refusal that keeps the action.
    void ok_data()
    {
        QTest::addColumn<bool>("layers");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("page");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("storedMode");
        QTest::addColumn<QString>("storedPage");
        QTest::addColumn<QString>("caption");  // the refusal's message when the dialog stays open

        const QString error = QString::fromUtf8("!入力にエラーがあります");
        const QString none = QString::fromUtf8("動作を選択してください");
        const QString range = ui::PageNumberRefused();
        QTest::newRow("layers, given #7 on LAYER2 with fade")
            << true << -1 << "" << Steps{2, "#7", 1, 10} << (kLayer2 | Effect(10) | 2) << "7"
            << QString::fromUtf8("LAYER2 ページ7に移動 エフェクト=フェード");
        QTest::newRow("layers, next after LAYER2 keeps the page")
            << true << (kLayer2 | Effect(10) | 2) << "5" << Steps(0) << Effect(10) << "5"
            << QString::fromUtf8("LAYER1 次ページに移動 エフェクト=フェード");
        QTest::newRow("layers, given with a memory after next")
            << true << Effect(1) << "W5" << Steps(2, "W1") << (Effect(1) | 2) << "W1"
            << QString::fromUtf8("LAYER1 ページW1に移動 エフェクト=スクロール ←");
        QTest::newRow("layers, previous stored on LAYER2 is stored on LAYER1")
            << true << (kLayer2 | Effect(3) | 1) << "" << Steps() << (Effect(3) | 1) << ""
            << QString::fromUtf8("LAYER1 前ページに移動 エフェクト=スクロール ↑");
        QTest::newRow("layers, effect past the table is stored as none")
            << true << (Effect(127) | 0x7F00 | 2) << "5" << Steps() << 2 << "5"
            << QString::fromUtf8("LAYER1 ページ5に移動 エフェクト=なし");
        QTest::newRow("no layers, previous") << false << -1 << "" << Steps(1) << 1 << ""
                                             << QString::fromUtf8("前ページに移動");
        QTest::newRow("no layers, given after next starts empty") << false << 0 << "W5" << Steps(2) << 2 << ""
                                                                 << error;
        QTest::newRow("no layers, largest page") << false << 2 << "1" << Steps(2, "2147483647") << 2
                                                 << "2147483647" << QString::fromUtf8("ページ 2147483647に移動");
        QTest::newRow("nothing chosen") << true << -1 << "" << Steps() << -1 << "" << none;
        QTest::newRow("layered packing without layers")
            << false << (Effect(10) | 2) << "5" << Steps() << 0 << "" << none;
        QTest::newRow("page past 32 bits") << true << 2 << "5" << Steps(2, "2147483648") << 0 << "" << range;
        QTest::newRow("stored page past 32 bits") << false << 2 << "99999999999" << Steps() << 0 << "" << range;
        QTest::newRow("negative page") << false << 2 << "5" << Steps(2, "#-1") << 0 << "" << range;
    }
    void ok()
    {
        QFETCH(bool, layers);
        QFETCH(int, mode);
        QFETCH(QString, page);
        QFETCH(Steps, steps);
        QFETCH(int, storedMode);
        QFETCH(QString, storedPage);
        QFETCH(QString, caption);

        UiTestHost host;
        host.layers = layers;
        host.memories = {{"W0", 0}, {"W1", 0}, {"W5", 0}};
        PageJump jump(mode, page.toUtf8().constData());
        const std::string before = StoredBytes(jump.action);
        MessageLog log;
        WhenModal([&](QDialog* dialog) {
            Apply(static_cast<CSCPageJumpDlg*>(dialog), steps);
            static_cast<CSCPageJumpDlg*>(dialog)->OkButton()->click();
        });
        const int result = jump.action.Edit(nullptr, 0);
        if (result == IDCANCEL) {
            QCOMPARE(log.texts, std::vector<QString>{caption});
            QCOMPARE(ToHex(StoredBytes(jump.action)), ToHex(before));
            return;
        }
        QVERIFY(log.texts.empty());
        PageJump expected(storedMode, storedPage.toUtf8().constData());
        QCOMPARE(ToHex(StoredBytes(jump.action)), ToHex(StoredBytes(expected.action)));
        QCOMPARE(ToHex(jump.action.GetCaption()), ToHex(Sj(caption.toStdString())));
    }

    // The "▼" button works on the dialog's copy: the picker's choice reaches
    // the action only through OK.
    void picker_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("stored");
        QTest::newRow("cancelled, OK") << 0 << true << "W0";
        QTest::newRow("chosen, cancel") << 1 << false << "W0";
        QTest::newRow("chosen, OK") << 1 << true << "W9";
    }
    void picker()
    {
        QFETCH(int, answer);
        QFETCH(bool, ok);
        QFETCH(QString, stored);

        UiTestHost host;
        host.memories = {{"W0", 0}, {"W9", 0}};
        host.pickerAnswer = answer;
        host.pickerChoice = "W9";
        PageJump jump(2, "W0");
        const std::string before = StoredBytes(jump.action);
        QString shown;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCPageJumpDlg*>(dialog);
            d->Page()->PickButton()->click();
            shown = d->Page()->Edit()->text();
            ok ? d->OkButton()->click() : d->reject();
        });
        QCOMPARE(jump.action.Edit(nullptr, 0), ok ? IDOK : IDCANCEL);
        QCOMPARE(host.pickerFilter, 6u);
        QCOMPARE(shown, answer == 1 ? QString("W9") : QString("W0"));
        QCOMPARE(QString::fromStdString(jump.action.m_page.m_name), stored);
        if (!ok)
            QCOMPARE(ToHex(StoredBytes(jump.action)), ToHex(before));
    }

    // The host renames a memory while the dialog is open: the page that next
    // page keeps (not shown) follows, and the choices in the dialog stay.
    void renameWhileOpen()
    {
        UiTestHost host;
        host.layers = true;
        host.memories = {{"W0", 0}, {"W9", 0}};
        PageJump jump(Effect(4) | 2, "W0");
        QString shown;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCPageJumpDlg*>(dialog);
            Apply(d, Steps(0, {}, -1, 9));
            host::SendRename("W0", "W9");
            shown = Shown(d);
            d->OkButton()->click();
        });
        QCOMPARE(jump.action.Edit(nullptr, 0), IDOK);
        QCOMPARE(shown, QString("action 0 page '' off pick off layer 0/2 off effect 9/11 on"));
        PageJump expected(Effect(9), "W9");
        QCOMPARE(ToHex(StoredBytes(jump.action)), ToHex(StoredBytes(expected.action)));
    }
};

UI_TEST_CLASS(CSCPageJumpDlgTest);

#include "CSCPageJumpDlgTest.moc"
