#include "actions/CSCLabel.h"
#include "dialogs/DialogDrive.h"
#include "ui/CSCLabelDlg.h"

class LabelDialogTest : public QObject {
    Q_OBJECT
private slots:
    // What OK makes of a typed name (null: left as loaded): the bytes stored,
    // or a refusal that keeps the dialog open and the name as it was.
    void typedNames()
    {
        const QString control = U("ラベル名に改行、復帰、タブは使用できません");
        const struct {
            QString typed;
            std::string stored;
            QString message;
        } rows[] = {{"LOOP", "LOOP", ""},
                    {U(" 終了 2"), Sj(" 終了 2"), ""},
                    {U("髙"), "\xFB\xFC", ""},
                    {"", "", ""},
                    {{}, std::string("A\tB\x81", 4), ""},
                    {"A\tB", std::string("A\tB\x81", 4), control},
                    {"A\nB", std::string("A\tB\x81", 4), control},
                    {"A\rB", std::string("A\tB\x81", 4), control},
                    {U("A😀é"), std::string("A\tB\x81", 4), U("次の文字は使用できません: 😀é")}};
        for (const auto& row : rows) {
            Listed<CSCLabel> a(SC_LABEL);
            a.action->m_name = std::string("A\tB\x81", 4);
            const DialogRun run = Run<CSCLabelDlg>(a.action, [&](CSCLabelDlg& d) {
                QCOMPARE(d.windowTitle() + d.CancelButton()->text(), U("分岐ラベルｷｬﾝｾﾙ"));
                QVERIFY(d.OkButton()->isDefault());
                if (!row.typed.isNull())
                    d.NameEdit()->setText(row.typed);
            });
            QCOMPARE(ToHex(a.action->m_name), ToHex(row.stored));
            QCOMPARE(run.messages, row.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{row.message});
            QCOMPARE(run.refused, !row.message.isEmpty());
        }
    }
};

UI_TEST_CLASS(LabelDialogTest);

#include "LabelDialogTest.moc"
