#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCCall.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/UiText.h"
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

struct Call {
    CStepchainData list;
    CSCCall action{&list};
    explicit Call(std::string routine) { action.m_routine = std::move(routine); }
};

}

class CSCCallDlgTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheHostsRoutines_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("host lists routines") << "lists" << QStringList{"INIT", QString::fromUtf8("MAIN:主処理"), "BAD?"};
        QTest::newRow("host has none") << "none" << QStringList{};
        QTest::newRow("host does not answer") << "silent" << QStringList{};
        QTest::newRow("no host") << "" << QStringList{};
    }
    void listsTheHostsRoutines()
    {
        QFETCH(QString, host);
        QFETCH(QStringList, items);
        std::unique_ptr<UiTestHost> window;
        if (host == "silent")
            window = std::make_unique<SilentHost>();
        else if (!host.isEmpty())
            window = std::make_unique<UiTestHost>();
        if (host == "lists")
            window->features["WIZ_MODULEREGST"] = kEntries;

        Call call("SUB9:old");
        QStringList seen;
        QString text;
        WhenModal([&](QDialog* dialog) {
            auto* box = static_cast<CSCCallDlg*>(dialog)->RoutineBox();
            for (int i = 0; i < box->count(); ++i)
                seen << box->itemText(i);
            text = box->currentText();
        });
        QCOMPARE(call.action.Edit(nullptr, 0), IDCANCEL);
        QCOMPARE(seen, items);
        QCOMPARE(text, QString("SUB9:old"));
    }

    // OK with an entry picked or a text typed: the stored bytes and the
    // caption, or a refusal that keeps the action as it was.
    void ok_data()
    {
        QTest::addColumn<int>("pick");     // entry index, -1 to type
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("message");

        const QString control = QString::fromUtf8("サブルーチン名に改行、復帰、タブは使用できません");
        QTest::newRow("entry with a comment") << 1 << "" << QByteArray::fromStdString(Sj("MAIN:主処理")) << "";
        QTest::newRow("entry keeps its bytes") << 2 << "" << QByteArray("BAD\x81") << "";
        QTest::newRow("typed name") << -1 << QString::fromUtf8("計算 1") << QByteArray::fromStdString(Sj("計算 1")) << "";
        QTest::newRow("untouched keeps its bytes") << -1 << QString() << QByteArray("OLD\t\x81") << "";
        QTest::newRow("emptied") << -1 << "" << QByteArray() << "";
        QTest::newRow("tab") << -1 << "A\tB" << QByteArray() << control;
        QTest::newRow("line feed") << -1 << "A\nB" << QByteArray() << control;
        QTest::newRow("carriage return") << -1 << "A\rB" << QByteArray() << control;
        const QString notCp932 = ui::Text(Txt::TextNotCp932).replace("%s", QString::fromUtf8("😀"));
        QTest::newRow("no CP932 form") << -1 << QString::fromUtf8("A😀") << QByteArray() << notCp932;
    }
    void ok()
    {
        QFETCH(int, pick);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, message);

        UiTestHost host;
        host.features["WIZ_MODULEREGST"] = kEntries;
        Call call("OLD\t\x81");
        const std::string before = StoredBytes(call.action);
        MessageLog log;
        WhenModal([&](QDialog* dialog) {
            auto* box = static_cast<CSCCallDlg*>(dialog)->RoutineBox();
            if (pick >= 0)
                box->setCurrentIndex(pick);
            else if (!typed.isNull())
                box->setEditText(typed);
            static_cast<CSCCallDlg*>(dialog)->OkButton()->click();
        });
        if (call.action.Edit(nullptr, 0) == IDCANCEL) {
            QCOMPARE(log.texts, std::vector<QString>{message});
            QCOMPARE(ToHex(StoredBytes(call.action)), ToHex(before));
            return;
        }
        QVERIFY(log.texts.empty());
        QCOMPARE(ToHex(call.action.m_routine), ToHex(stored.toStdString()));
        const std::string caption = stored.isEmpty() ? Sj("!入力にエラーがあります")
                                                     : Sj("サブルーチン呼び出し:'") + stored.toStdString() + "'";
        QCOMPARE(ToHex(call.action.GetCaption()), ToHex(caption));
    }
};

UI_TEST_CLASS(CSCCallDlgTest);

#include "CSCCallDlgTest.moc"
