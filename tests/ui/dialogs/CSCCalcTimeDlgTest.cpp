#include "DialogDrive.h"
#include "actions/CSCCalcTime.h"
#include "ui/dialogs/CSCCalcTimeDlg.h"

class CSCCalcTimeDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The limit time follows its box and keeps its names while the box is
    // clear; the auto-repeat boxes are those of add/subtract.
    void okOrder()
    {
        for (const bool limitTime : {false, true}) {
            Listed<CSCCalcTime> a(SC_CALCTIME);
            a.action->LimitHour.m_name = "LH";
            a.action->LimitMinute.m_name = "LM";
            const DialogRun run = Run<CSCCalcTimeDlg>(a.action, [&](CSCCalcTimeDlg& d) {
                Type(d.m_hour, "H");
                Type(d.m_minute, "#M");
                Type(d.m_delta, "#-15");
                d.m_timeLimit->setChecked(limitTime);
                QCOMPARE(d.m_limitHour->isEnabled() + d.m_limitMinute->isEnabled(), limitTime ? 2 : 0);
                Type(d.m_limitHour, "#23");
                Type(d.m_limitMinute, "59");
                d.m_repeat.m_autoRepeat->setChecked(true);
                d.m_repeat.m_accelerate->setChecked(true);
            });
            QCOMPARE(run.outcome, U("時 (H):分(M)を-15(分)加算オートリピートあり[加速あり]") + (limitTime ? U(":制限 23時59分") : ""));
            QCOMPARE(a.action->LimitHour.m_name + a.action->LimitMinute.m_name, std::string(limitTime ? "2359" : "LHLM"));
        }
    }

    void fields()
    {
        Listed<CSCCalcTime> a(SC_CALCTIME);
        a.action->TimeLimit = 1;
        using D = CSCCalcTimeDlg;
        QCOMPARE(Fields(a.action, {&D::m_hour, &D::m_minute, &D::m_delta, &D::m_limitHour, &D::m_limitMinute}, "D1"),
                 U("時刻加減算 6/1/1 6/1/1 6/0/1 6/0/1 6/0/1"));
        QCOMPARE(a.action->Hour.m_name, std::string("D1"));
    }
};

UI_TEST_CLASS(CSCCalcTimeDlgTest);

#include "CSCCalcTimeDlgTest.moc"
