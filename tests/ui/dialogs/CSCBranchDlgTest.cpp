#include <QComboBox>
#include <QLineEdit>

#include "DialogDrive.h"
#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "ui/UiText.h"
#include "ui/dialogs/CSCBranchDlg.h"

namespace {
// A branch followed by the label L1 that it may jump to.
struct Branch : Listed<CSCBranch> {
    Branch(int32_t condition, const char* subject, const char* reference) : Listed(SC_BRANCH)
    {
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        label->m_name = "L1";
        list.AddSC(label);
        action->Condition = condition;
        action->Subject.m_name = subject;
        action->Reference.m_name = reference;
        action->Label = "L1";
    }
};

// The enabled state of the two operand fields and their two "▼".
QString Enabled(CSCBranchDlg& d)
{
    QString s;
    for (QWidget* w : std::initializer_list<QWidget*>{d.m_subject->Edit(), d.m_reference->Edit(),
                                                      d.m_subject->PickButton(), d.m_reference->PickButton()})
        s += w->isEnabled() ? '1' : '0';
    return s;
}

const QString kChooseCondition = QString::fromUtf8("条件を一覧から選択してください");
}

class CSCBranchDlgTest : public QObject {
    Q_OBJECT
private slots:
    // Every field starts enabled; the operand fields follow the condition
    // only once it changes, and the "▼" buttons never follow it.
    void enabling_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("typed");  // into the condition box; empty: nothing
        QTest::addColumn<int>("chosen");     // then chosen from the list; -1: nothing
        QTest::addColumn<QString>("enabled");
        QTest::newRow("unconditional, untouched") << 0 << "" << -1 << "1111";
        QTest::newRow("out of the table, untouched") << 9 << "" << -1 << "1111";
        QTest::newRow("equal to unconditional") << 1 << "" << 0 << "0011";
        QTest::newRow("unconditional to greater") << 0 << "" << 2 << "1111";
        QTest::newRow("unconditional, then to less") << 0 << "" << 3 << "1111";
        QTest::newRow("typed a name of no entry") << 1 << "abc" << -1 << "0011";
        QTest::newRow("typed an entry") << 0 << "不一致" << -1 << "1111";
        QTest::newRow("typed, then unconditional") << 2 << "x" << 0 << "0011";
    }
    void enabling()
    {
        QFETCH(int, stored);
        QFETCH(QString, typed);
        QFETCH(int, chosen);
        QFETCH(QString, enabled);
        Branch b(stored, "W0", "5");
        QString after;
        Drive<CSCBranchDlg>(b.action, [&](CSCBranchDlg& d) {
            if (!typed.isEmpty())
                d.m_condition->setEditText(typed);
            if (chosen >= 0)
                d.m_condition->setCurrentIndex(chosen);
            after = Enabled(d);
        });
        QCOMPARE(after, enabled);
    }

    // What OK stores, or the message that keeps the dialog open and the action unchanged.
    void ok_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("condition");  // typed into the box; empty: left as opened
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");    // after OK; empty when refused
        QTest::addColumn<QString>("message");
        const QString control = QString::fromUtf8("ラベル名に改行、復帰、タブは使用できません");
        QTest::newRow("greater, # kept") << 1 << "以上" << "L1" << "条件\tW0 >= #5　を満たすときラベル L1に分岐\n" << "";
        QTest::newRow("unconditional clears the operands") << 2 << "無条件" << "L1" << "ラベル\tL1 に分岐\n" << "";
        QTest::newRow("label missing") << 4 << "" << "L2" << "条件\tW0 != #5　を満たすときラベル L2に分岐\n !分岐先ラベル未定義" << "";
        QTest::newRow("typed a name of no entry") << 1 << "一" << "L1" << "" << kChooseCondition;
        QTest::newRow("stored out of the table") << 5 << "" << "L1" << "" << kChooseCondition;
        QTest::newRow("stored -1") << -1 << "" << "L1" << "" << kChooseCondition;
        QTest::newRow("tab in the label") << 1 << "" << "L\t1" << "" << control;
        QTest::newRow("line feed in the label") << 1 << "" << "L\n1" << "" << control;
        QTest::newRow("carriage return in the label") << 1 << "" << "L\r1" << "" << control;
        QTest::newRow("label without CP932 form")
            << 1 << "" << "L\u00e91" << "" << ui::Text(Txt::TextNotCp932).replace("%s", "\u00e9");
    }
    void ok()
    {
        QFETCH(int, stored);
        QFETCH(QString, condition);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(QString, message);
        Branch b(stored, "W0", "");
        const std::string before = StoredBytes(*b.action);
        MessageLog log;
        bool stayedOpen = false;
        const int result = Drive<CSCBranchDlg>(b.action, [&](CSCBranchDlg& d) {
            if (!condition.isEmpty())
                d.m_condition->setEditText(condition);
            Type(d.m_reference, "#5");
            d.m_label->setText(label);
            d.OkButton()->click();
            stayedOpen = d.isVisible();
        });
        if (message.isEmpty()) {
            QCOMPARE(result, IDOK);
            QVERIFY(log.texts.empty());
            QCOMPARE(QString::fromStdString(cp932::ToUTF8(b.action->GetCaption())), caption);
            const bool cleared = b.action->Condition == CSCBranch::COND_ALWAYS;
            QCOMPARE(b.action->Reference.m_name, std::string(cleared ? "" : "#5"));
            QCOMPARE(b.action->Subject.m_name, std::string(cleared ? "" : "W0"));
        } else {
            QCOMPARE(result, IDCANCEL);
            QVERIFY(stayedOpen);
            QCOMPARE(log.texts, std::vector<QString>{message});
            QCOMPARE(ToHex(StoredBytes(*b.action)), ToHex(before));
        }
    }

    // The condition a user chooses after a refused OK is taken.
    void choosingAfterARefusal()
    {
        Branch b(7, "", "");
        MessageLog log;
        QCOMPARE(Drive<CSCBranchDlg>(b.action, [](CSCBranchDlg& d) {
                     d.OkButton()->click();
                     d.m_condition->setCurrentIndex(0);
                     d.OkButton()->click();
                 }),
                 IDOK);
        QCOMPARE(log.texts.size(), 1u);
        QCOMPARE(b.action->Condition, 0);
    }

    // A label the user did not touch keeps its bytes, even those the field cannot show.
    void untouchedLabelKeepsItsBytes()
    {
        Branch b(0, "", "");
        b.action->Label = std::string("L\t\x81", 3);
        QCOMPARE(Drive<CSCBranchDlg>(b.action, [](CSCBranchDlg& d) { d.OkButton()->click(); }), IDOK);
        QCOMPARE(ToHex(b.action->Label), ToHex(std::string("L\t\x81", 3)));
    }

    void pickers()
    {
        UiTestHost host;
        Branch b(1, "W0", "5");
        Drive<CSCBranchDlg>(b.action, [&](CSCBranchDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("条件分岐"));
            QCOMPARE(d.m_subject->Edit()->m_refuseNumber, 1);
            QCOMPARE(d.m_reference->Edit()->m_refuseNumber, 0);
            QCOMPARE(PickFilters(host, {d.m_subject, d.m_reference}), (std::vector<uint32_t>{6, 6}));
        });
        QCOMPARE(PickAndClose(b.action, &CSCBranchDlg::m_subject, "W9", false), IDCANCEL);
        QCOMPARE(PickAndClose(b.action, &CSCBranchDlg::m_subject, "W9", true), IDOK);
        QCOMPARE(b.action->Subject.m_name, std::string("W9"));
    }
};

UI_TEST_CLASS(CSCBranchDlgTest);

#include "CSCBranchDlgTest.moc"
