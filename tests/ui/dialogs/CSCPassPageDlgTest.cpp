#include "DialogDrive.h"
#include "actions/CSCPassPage.h"
#include "ui/PageNumber.h"
#include "ui/dialogs/CSCPassPageDlg.h"

namespace {
struct PassPage : Listed<CSCPassPage> {
    PassPage(int32_t jump, const std::string& password, int32_t keypad) : Listed(SC_PASSPAGE)
    {
        action->m_jumpPage = jump;
        action->m_password = password;
        action->m_keypadPage = keypad;
    }
};
}

class CSCPassPageDlgTest : public QObject {
    Q_OBJECT
private slots:
    // What typing leaves in the password, jump page and keypad page edits:
    // digits only, the password eight at most.
    void typing()
    {
        PassPage pass(0, "", 0);
        QString left;
        Run<CSCPassPageDlg>(pass.action, [&](CSCPassPageDlg& d) {
            for (auto [edit, keys] : {std::pair{d.PasswordEdit(), "123456789"}, {d.PasswordEdit(), "1a-2 3"},
                                      {d.JumpPageEdit(), "-5x6"}}) {
                edit->clear();
                QTest::keyClicks(edit, keys);
                left += edit->text() + ' ';
            }
        }, false);
        QCOMPARE(left, QString("12345678 123 56 "));
    }

    // OK with texts in the jump, password and keypad edits (null keeps the
    // loaded text): the stored action and caption, or a refusal that leaves the
    // action as it was.
    void ok()
    {
        const QString range = ui::PageNumberRefused();
        const QString password = U("パスワードは8文字以内の数字で指定してください");
        const QString keep;
        const struct {
            int storedJump;
            const char* storedPassword;
            QStringList typed;
            int jump;
            const char* password;
            int keypad;
            QString outcome;
        } rows[] = {
            {0, "", {"7", "12345678", "3"}, 7, "12345678", 3, U("ページ7へ移動:パスワードﾞ '12345678'[キーパッド ページ3に配置]")},
            {0, "9", {"007", "", "0003"}, 7, "", 3, U("ページ7へ移動:パスワードﾞ ''[キーパッド ページ3に配置]")},
            {5, "1", {"", keep, ""}, 0, "1", 0, U("!入力にエラーがあります")},
            {0, "", {"2147483647", "", "1"}, 2147483647, "", 1, U("ページ2147483647へ移動:パスワードﾞ ''[キーパッド ページ1に配置]")},
            {0, "", {"2147483648", "", "1"}, 0, "", 4, range},
            {0, "", {"1", "", "99999999999"}, 0, "", 4, range},
            {-5, "", {keep, "", "1"}, -5, "", 4, range},
            {1, "123456789", {keep, keep, "1"}, 1, "123456789", 4, password},
            {1, "12\t3", {keep, keep, "1"}, 1, "12\t3", 4, password},
        };
        for (const auto& row : rows) {
            PassPage pass(row.storedJump, row.storedPassword, 4);
            const DialogRun run = Run<CSCPassPageDlg>(pass.action, [&](CSCPassPageDlg& d) {
                QLineEdit* edits[] = {d.JumpPageEdit(), d.PasswordEdit(), d.KeypadPageEdit()};
                for (int i = 0; i < 3; ++i) {
                    if (!row.typed[i].isNull())
                        edits[i]->setText(row.typed[i]);
                }
            });
            QCOMPARE(run.outcome, row.outcome);
            QCOMPARE(ToHex(StoredBytes(*pass.action)), ToHex(StoredBytes(*PassPage(row.jump, row.password, row.keypad).action)));
        }
    }
};

UI_TEST_CLASS(CSCPassPageDlgTest);

#include "CSCPassPageDlgTest.moc"
