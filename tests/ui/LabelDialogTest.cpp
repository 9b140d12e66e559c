#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "UiTest.h"
#include "UiTestHost.h"
#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "ui/CSCLabelDlg.h"
#include "ui/UiText.h"

class LabelDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheName()
    {
        CStepchainData list;
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        list.AddSC(label);
        label->m_name = Sj("開始");
        QString shown;
        QString title;
        bool okIsDefault = false;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCLabelDlg*>(dialog);
            shown = d->NameEdit()->text();
            title = d->windowTitle();
            okIsDefault = d->OkButton()->isDefault() && d->CancelButton()->text() == QString::fromUtf8("ｷｬﾝｾﾙ");
            d->reject();
        });
        QCOMPARE(label->Edit(nullptr, 0), IDCANCEL);
        QCOMPARE(shown, QString::fromUtf8("開始"));
        QCOMPARE(title, QString::fromUtf8("分岐ラベル"));
        QVERIFY(okIsDefault);
    }

    // What OK makes of a typed name: the bytes stored, or a refusal that keeps the dialog open.
    void typedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");  // CP932; empty when refused
        QTest::addColumn<QString>("message");

        const QString control = ui::Text(Txt::LabelNameControl);
        const auto notCp932 = [](const QString& c) { return ui::Text(Txt::TextNotCp932).replace("%s", c); };
        QTest::newRow("plain") << "LOOP" << QByteArray("LOOP") << "";
        QTest::newRow("blanks and Japanese kept as typed")
            << QString::fromUtf8(" 終了 2") << QByteArray::fromStdString(Sj(" 終了 2")) << "";
        QTest::newRow("IBM extension") << QString::fromUtf8("髙") << QByteArray("\xFB\xFC") << "";
        QTest::newRow("empty stays possible") << "" << QByteArray() << "";
        QTest::newRow("tab") << "A\tB" << QByteArray() << control;
        QTest::newRow("line feed") << "A\nB" << QByteArray() << control;
        QTest::newRow("carriage return") << "A\rB" << QByteArray() << control;
        QTest::newRow("no CP932 form") << QString::fromUtf8("A😀é") << QByteArray() << notCp932(QString::fromUtf8("😀é"));
    }
    void typedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, message);

        CStepchainData list;
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        list.AddSC(label);
        label->m_name = "OLD";
        MessageLog log;
        bool stayedOpen = false;
        WhenModal([&](QDialog* dialog) {
            auto* d = static_cast<CSCLabelDlg*>(dialog);
            d->NameEdit()->setText(typed);
            d->OkButton()->click();
            stayedOpen = d->isVisible();
            if (stayedOpen)
                d->reject();
        });
        const int result = label->Edit(nullptr, 0);
        if (message.isEmpty()) {
            QCOMPARE(result, IDOK);
            QCOMPARE(ToHex(label->m_name), ToHex(stored.toStdString()));
            QVERIFY(log.texts.empty());
        } else {
            QCOMPARE(result, IDCANCEL);
            QVERIFY(stayedOpen);
            QCOMPARE(label->m_name, std::string("OLD"));
            QCOMPARE(log.texts, std::vector<QString>{message});
        }
    }

    // A stored name the field cannot show exactly is kept when the user does not touch it.
    void untouchedNameKeepsItsBytes()
    {
        CStepchainData list;
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        list.AddSC(label);
        label->m_name = std::string("A\tB\x81", 4);
        WhenModal([](QDialog* dialog) { static_cast<CSCLabelDlg*>(dialog)->OkButton()->click(); });
        QCOMPARE(label->Edit(nullptr, 0), IDOK);
        QCOMPARE(ToHex(label->m_name), ToHex(std::string("A\tB\x81", 4)));
    }
};

UI_TEST_CLASS(LabelDialogTest);

#include "LabelDialogTest.moc"
