#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCActionLink.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/dialogs/CSCActionLinkDlg.h"

class CSCActionLinkDlgTest : public QObject {
    Q_OBJECT
private slots:
    // "選択" with the chooser cancelled or answering, then OK or cancel: what
    // the edit shows and what the action keeps. The edit never shows the part
    // after the last "!".
    void choose_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("caption");

        const QString linked = QString::fromUtf8("アクションリンクの設定:'PLC1!Btn2'");
        QTest::newRow("chosen, OK") << "" << 1 << true << "" << "PLC1!Btn2" << "PLC1!Btn2!Push" << linked;
        QTest::newRow("chosen, cancel") << "A!B!C" << 1 << false << "A!B" << "PLC1!Btn2" << "A!B!C"
                                        << QString::fromUtf8("アクションリンクの設定:'A!B'");
        QTest::newRow("cancelled, OK") << "A!B!C" << 0 << true << "A!B" << "A!B" << "A!B!C"
                                       << QString::fromUtf8("アクションリンクの設定:'A!B'");
        QTest::newRow("no separator shows nothing") << "PLAIN" << 0 << true << "" << "" << "PLAIN"
                                                    << QString::fromUtf8("アクションリンクの設定:''");
        QTest::newRow("nothing chosen, OK") << "" << 0 << true << "" << "" << ""
                                            << QString::fromUtf8("!入力にエラーがあります");
    }
    void choose()
    {
        QFETCH(QString, target);
        QFETCH(int, answer);
        QFETCH(bool, ok);
        QFETCH(QString, opened);
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        QFETCH(QString, caption);

        UiTestHost host;
        host.linkAnswer = answer;
        host.linkChoice = "PLC1!Btn2!Push";
        CStepchainData list;
        CSCActionLink link(&list);
        link.m_target = target.toStdString();
        link.m_savedTarget = "PLC9!Btn!Kept";
        QStringList shown;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCActionLinkDlg*>(dialog);
            shown << d->windowTitle() << d->TargetEdit()->text() << (d->TargetEdit()->isReadOnly() ? "read-only" : "");
            d->ChooseButton()->click();
            shown << d->TargetEdit()->text();
            ok ? d->OkButton()->click() : d->reject();
        });
        QCOMPARE(link.Edit(nullptr, 0), ok ? IDOK : IDCANCEL);
        QCOMPARE(shown, (QStringList{QString::fromUtf8("アクションリンクの設定"), opened, "read-only", chosen}));
        QCOMPARE(QString::fromStdString(host.linkStart), target);
        QCOMPARE(QString::fromStdString(link.m_target), stored);
        QCOMPARE(link.m_savedTarget, std::string("PLC9!Btn!Kept"));
        QCOMPARE(ToHex(link.GetCaption()), ToHex(Sj(caption.toStdString())));
    }
};

UI_TEST_CLASS(CSCActionLinkDlgTest);

#include "CSCActionLinkDlgTest.moc"
