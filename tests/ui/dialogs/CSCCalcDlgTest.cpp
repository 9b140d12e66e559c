#include "DialogDrive.h"
#include "actions/CSCCalc.h"
#include "ui/dialogs/CSCCalcDlg.h"

namespace {
// Enabled (1) or not: auto-repeat, acceleration, beep, upper and its ▼, lower and its ▼, wrap.
QString Enabled(CSCCalcDlg& d)
{
    QString s;
    for (QWidget* w : std::initializer_list<QWidget*>{d.m_repeat.m_autoRepeat, d.m_repeat.m_accelerate,
                                                       d.m_repeat.m_beep, d.m_upper->Edit(), d.m_upper->PickButton(),
                                                       d.m_lower->Edit(), d.m_lower->PickButton(), d.m_wrap})
        s += w->isEnabled() ? '1' : '0';
    return s;
}
}

class CSCCalcDlgTest : public QObject {
    Q_OBJECT
private slots:
    // At opening ("+": a repeat box shows checked) and after a click on each of
    // the two boxes (a disabled box ignores it). Limit bit 0x01 shows both boxes clear.
    void enabling()
    {
        const struct {
            DWORD autoRepeat, rangeCheck, limit;
            const char* shown;
        } rows[] = {{0, 0, 0, "10000000 11111111"},  {1, 0, 0, "11100000+ 10011111"}, {0, 1, 0, "10011111 11100000"},
                    {1, 1, 0, "11111111+ 10000000"}, {1, 1, 1, "00011111 00000000"},  {1, 0, 0xFFFE, "11100000+ 10011111"}};
        for (const auto& row : rows) {
            Listed<CSCCalc> a(SC_CALC);
            a.action->AutoRepeat = a.action->Accelerate = row.autoRepeat;
            a.action->RangeCheck = row.rangeCheck;
            QString shown;
            Run<CSCCalcDlg>(a.action, [&](CSCCalcDlg& d) {
                const bool checked = d.m_repeat.m_autoRepeat->isChecked() || d.m_repeat.m_accelerate->isChecked();
                shown = Enabled(d) + (checked ? "+ " : " ");
                QTest::mouseClick(d.m_repeat.m_autoRepeat, Qt::LeftButton, {}, QPoint(4, 4));
                QTest::mouseClick(d.m_rangeCheck, Qt::LeftButton, {}, QPoint(4, 4));
                shown += Enabled(d);
            }, false, row.limit);
            QCOMPARE(shown, U(row.shown));
        }
    }

    // Every box is cleared and every field typed before OK; after the caption,
    // acceleration, beep, upper, lower and wrap, which were 1 1 U L 1.
    // Switches stored outside 0 and 1 are written as 0 or 1.
    void okOrder()
    {
        const struct {
            bool repeat, range;
            DWORD limit;
            const char* stored;
        } rows[] = {{false, false, 0, "W1に#-2を加算 1 1 U L 1"},
                    {true, false, 0, "W1に#-2を加算:オートリピート 0 0 U L 1"},
                    {false, true, 0, "W1に#-2を加算上下限チェックあり -9～9  1 1 9 -9 0"},
                    {true, false, 1, "W1に#-2を加算 1 1 U L 1"}};
        for (const auto& row : rows) {
            Listed<CSCCalc> a(SC_CALC);
            CSCCalc& c = *a.action;
            c.Upper.m_name = "U";
            c.Lower.m_name = "L";
            c.Accelerate = c.Beep = c.Wrap = 1;
            const DialogRun run = Run<CSCCalcDlg>(a.action, [&](CSCCalcDlg& d) {
                Type(d.m_dest, "#W1");
                Type(d.m_delta, "##-2");
                Type(d.m_upper, "#9");
                Type(d.m_lower, "-9");
                d.m_repeat.m_autoRepeat->setChecked(row.repeat && d.m_repeat.m_autoRepeat->isEnabled());
                d.m_rangeCheck->setChecked(row.range);
                for (QCheckBox* box : {d.m_repeat.m_accelerate, d.m_repeat.m_beep, d.m_wrap})
                    box->setChecked(false);
            }, true, row.limit);
            QCOMPARE(run.outcome + QString::asprintf(" %u %u %s %s %u", c.Accelerate, c.Beep, c.Upper.m_name.c_str(),
                                                     c.Lower.m_name.c_str(), c.Wrap),
                     U(row.stored));
        }
        Listed<CSCCalc> a(SC_CALC);
        CSCCalc& c = *a.action;
        std::tie(c.AutoRepeat, c.Accelerate, c.RangeCheck, c.Wrap) = std::make_tuple(1, 3, 2, 5);
        QCOMPARE(Run<CSCCalcDlg>(a.action, [](CSCCalcDlg&) {}).result, IDOK);
        QCOMPARE(QString::asprintf("%u %u %u", c.Accelerate, c.RangeCheck, c.Wrap), QString("0 1 1"));
    }

    void fields()
    {
        Listed<CSCCalc> a(SC_CALC);
        a.action->RangeCheck = 1;
        using D = CSCCalcDlg;
        QCOMPARE(Fields(a.action, {&D::m_upper, &D::m_dest, &D::m_delta, &D::m_lower}, "W5"), U("加減算 6/0/1 6/1/1 6/0/1 6/0/1"));
        QCOMPARE(a.action->Upper.m_name, std::string("W5"));
    }
};

UI_TEST_CLASS(CSCCalcDlgTest);

#include "CSCCalcDlgTest.moc"
