#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCPassPage.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/PageNumber.h"
#include "ui/dialogs/CSCPassPageDlg.h"

namespace {

struct PassPage {
    CStepchainData list;
    CSCPassPage action{&list};
    PassPage(int32_t jump, const char* password, int32_t keypad)
    {
        action.m_jumpPage = jump;
        action.m_password = password;
        action.m_keypadPage = keypad;
    }
};

}

class CSCPassPageDlgTest : public QObject {
    Q_OBJECT
private slots:
    // What typing leaves in each edit: digits only, the password eight at most.
    void typing_data()
    {
        QTest::addColumn<int>("edit");  // 0 password, 1 jump page, 2 keypad page
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stays");
        QTest::newRow("ninth password digit") << 0 << "123456789" << "12345678";
        QTest::newRow("password letters and signs") << 0 << "1a-2 3" << "123";
        QTest::newRow("page sign and letters") << 1 << "-5x6" << "56";
    }
    void typing()
    {
        QFETCH(int, edit);
        QFETCH(QString, keys);
        QFETCH(QString, stays);
        PassPage pass(0, "", 0);
        QString text;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCPassPageDlg*>(dialog);
            QLineEdit* edits[] = {d->PasswordEdit(), d->JumpPageEdit(), d->KeypadPageEdit()};
            edits[edit]->clear();
            QTest::keyClicks(edits[edit], keys);
            text = edits[edit]->text();
        });
        pass.action.Edit(nullptr, 0);
        QCOMPARE(text, stays);
    }

    // OK with the texts in the edits: the stored action and caption, or a
    // refusal that leaves the action as it was.
    void ok_data()
    {
        QTest::addColumn<int>("storedJump");
        QTest::addColumn<QString>("storedPassword");
        QTest::addColumn<QStringList>("typed");  // jump, password, keypad; null keeps the loaded text
        QTest::addColumn<int>("jump");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("keypad");
        QTest::addColumn<QString>("caption");  // the refusal's message when the dialog stays open

        const QString range = ui::PageNumberRefused();
        const QString password = QString::fromUtf8("パスワードは8文字以内の数字で指定してください");
        const QString keep;
        QTest::newRow("all set") << 0 << "" << QStringList{"7", "12345678", "3"} << 7 << "12345678" << 3
                                 << QString::fromUtf8("ページ7へ移動:パスワードﾞ '12345678'[キーパッド ページ3に配置]");
        QTest::newRow("leading zeros, empty password") << 0 << "9" << QStringList{"007", "", "0003"} << 7 << "" << 3
                                                       << QString::fromUtf8("ページ7へ移動:パスワードﾞ ''[キーパッド ページ3に配置]");
        QTest::newRow("empty pages are 0") << 5 << "1" << QStringList{"", keep, ""} << 0 << "1" << 0
                                           << QString::fromUtf8("!入力にエラーがあります");
        QTest::newRow("largest page") << 0 << "" << QStringList{"2147483647", "", "1"} << 2147483647 << "" << 1
                                      << QString::fromUtf8("ページ2147483647へ移動:パスワードﾞ ''[キーパッド ページ1に配置]");
        QTest::newRow("jump page past 32 bits")
            << 0 << "" << QStringList{"2147483648", "", "1"} << 0 << "" << 0 << range;
        QTest::newRow("keypad page past 32 bits")
            << 0 << "" << QStringList{"1", "", "99999999999"} << 0 << "" << 0 << range;
        QTest::newRow("stored negative page") << -5 << "" << QStringList{keep, "", "1"} << 0 << "" << 0 << range;
        QTest::newRow("stored nine-digit password") << 1 << "123456789" << QStringList{keep, keep, "1"} << 0 << "" << 0
                                                    << password;
        QTest::newRow("stored password with a tab") << 1 << "12\t3" << QStringList{keep, keep, "1"} << 0 << "" << 0
                                                    << password;
    }
    void ok()
    {
        QFETCH(int, storedJump);
        QFETCH(QString, storedPassword);
        QFETCH(QStringList, typed);
        QFETCH(int, jump);
        QFETCH(QString, password);
        QFETCH(int, keypad);
        QFETCH(QString, caption);

        PassPage pass(storedJump, storedPassword.toUtf8().constData(), 4);
        const std::string before = StoredBytes(pass.action);
        MessageLog log;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCPassPageDlg*>(dialog);
            QLineEdit* edits[] = {d->JumpPageEdit(), d->PasswordEdit(), d->KeypadPageEdit()};
            for (int i = 0; i < 3; ++i) {
                if (!typed[i].isNull())
                    edits[i]->setText(typed[i]);
            }
            d->OkButton()->click();
        });
        if (pass.action.Edit(nullptr, 0) == IDCANCEL) {
            QCOMPARE(log.texts, std::vector<QString>{caption});
            QCOMPARE(ToHex(StoredBytes(pass.action)), ToHex(before));
            return;
        }
        QVERIFY(log.texts.empty());
        PassPage expected(jump, password.toUtf8().constData(), keypad);
        QCOMPARE(ToHex(StoredBytes(pass.action)), ToHex(StoredBytes(expected.action)));
        QCOMPARE(ToHex(pass.action.GetCaption()), ToHex(Sj(caption.toStdString())));
    }
};

UI_TEST_CLASS(CSCPassPageDlgTest);

#include "CSCPassPageDlgTest.moc"
