#include <QCheckBox>
#include <QLabel>
#include <algorithm>

#include "DialogDrive.h"
#include "actions/CSCCalcTime.h"
#include "ui/dialogs/CSCCalcTimeDlg.h"

class CSCCalcTimeDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opening()
    {
        UiTestHost host;
        Listed<CSCCalcTime> a(SC_CALCTIME);
        a.action->TimeLimit = 3;
        Drive<CSCCalcTimeDlg>(a.action, [&](CSCCalcTimeDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("時刻加減算"));
            QCOMPARE(d.m_hour->Edit()->m_refuseNumber + d.m_minute->Edit()->m_refuseNumber, 2);
            QCOMPARE(d.m_delta->Edit()->m_refuseNumber, 0);
            const auto labels = d.findChildren<QLabel*>();
            QVERIFY(std::any_of(labels.begin(), labels.end(),
                                [](QLabel* l) { return l->text() == QString::fromUtf8("(分)"); }));
            QVERIFY(d.m_timeLimit->isChecked() && d.m_limitHour->isEnabled() && d.m_limitMinute->isEnabled());
            d.m_timeLimit->click();
            QVERIFY(!d.m_limitHour->isEnabled() && !d.m_limitMinute->isEnabled());
            d.m_timeLimit->click();
            QCOMPARE(PickFilters(host, {d.m_hour, d.m_minute, d.m_delta, d.m_limitHour, d.m_limitMinute}),
                     (std::vector<uint32_t>{6, 6, 6, 6, 6}));
        });
    }

    // What OK takes and what keeps its former value; the event's limit word
    // keeps auto-repeat off.
    void okOrder_data()
    {
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("limitTime");
        QTest::addColumn<uint>("limit");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("kept");  // accelerate, beep, limit hour, limit minute
        QTest::newRow("neither") << false << false << 0u << "時 (H):分(M)を-15(分)加算" << "1 1 LH LM";
        QTest::newRow("both") << true << true << 0u << "時 (H):分(M)を-15(分)加算オートリピートあり[加速あり]:制限 23時59分"
                              << "1 0 23 59";
        QTest::newRow("event cannot repeat") << true << false << 1u << "時 (H):分(M)を-15(分)加算" << "1 1 LH LM";
    }
    void okOrder()
    {
        QFETCH(bool, repeat);
        QFETCH(bool, limitTime);
        QFETCH(uint, limit);
        QFETCH(QString, caption);
        QFETCH(QString, kept);
        Listed<CSCCalcTime> a(SC_CALCTIME);
        CSCCalcTime& c = *a.action;
        c.LimitHour.m_name = "LH";
        c.LimitMinute.m_name = "LM";
        c.AutoRepeat = 0;
        c.Accelerate = c.Beep = 1;
        QCOMPARE(Drive<CSCCalcTimeDlg>(
                     a.action,
                     [&](CSCCalcTimeDlg& d) {
                         Type(d.m_hour, "H");
                         Type(d.m_minute, "#M");
                         Type(d.m_delta, "#-15");
                         d.m_repeat.m_autoRepeat->setChecked(repeat && d.m_repeat.m_autoRepeat->isEnabled());
                         d.m_repeat.m_accelerate->setChecked(true);
                         d.m_repeat.m_beep->setChecked(false);
                         d.m_timeLimit->setChecked(limitTime);
                         Type(d.m_limitHour, "#23");
                         Type(d.m_limitMinute, "59");
                         d.OkButton()->click();
                     },
                     limit),
                 IDOK);
        QCOMPARE(QString::fromStdString(cp932::ToUTF8(c.GetCaption())), caption);
        QCOMPARE(QString::asprintf("%u %u %s %s", c.Accelerate, c.Beep, c.LimitHour.m_name.c_str(),
                                   c.LimitMinute.m_name.c_str()),
                 kept);
        QCOMPARE(c.TimeLimit, limitTime ? 1u : 0u);
    }

    void pickThenCancelOrOk()
    {
        Listed<CSCCalcTime> a(SC_CALCTIME);
        QCOMPARE(PickAndClose(a.action, &CSCCalcTimeDlg::m_hour, "D100", false), IDCANCEL);
        QCOMPARE(PickAndClose(a.action, &CSCCalcTimeDlg::m_hour, "D100", true), IDOK);
        QCOMPARE(a.action->Hour.m_name, std::string("D100"));
    }
};

UI_TEST_CLASS(CSCCalcTimeDlgTest);

#include "CSCCalcTimeDlgTest.moc"
