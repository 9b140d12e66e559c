#include <QCheckBox>

#include "DialogDrive.h"
#include "actions/CSCCalc.h"
#include "ui/dialogs/CSCCalcDlg.h"

namespace {
// The enabled state of the boxes and fields that the rules switch, as a
// string: auto-repeat, acceleration, beep, upper, lower (field and ▼), wrap.
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
    void enabling_data()
    {
        QTest::addColumn<uint>("autoRepeat");
        QTest::addColumn<uint>("rangeCheck");
        QTest::addColumn<uint>("limit");
        QTest::addColumn<QString>("atOpening");
        QTest::addColumn<QString>("afterClickingBoth");
        QTest::newRow("both off") << 0u << 0u << 0u << "10000000" << "11111111";
        QTest::newRow("repeat on") << 1u << 0u << 0u << "11100000" << "10011111";
        QTest::newRow("range on") << 0u << 1u << 0u << "10011111" << "11100000";
        QTest::newRow("both on") << 1u << 1u << 0u << "11111111" << "10000000";
        QTest::newRow("event cannot repeat") << 1u << 1u << 1u << "00011111" << "00000000";
        QTest::newRow("other limit bits") << 1u << 0u << 0xFFFEu << "11100000" << "10011111";
    }
    void enabling()
    {
        QFETCH(uint, autoRepeat);
        QFETCH(uint, rangeCheck);
        QFETCH(uint, limit);
        QFETCH(QString, atOpening);
        QFETCH(QString, afterClickingBoth);
        Listed<CSCCalc> a(SC_CALC);
        a.action->AutoRepeat = autoRepeat;
        a.action->RangeCheck = rangeCheck;
        QString opened;
        QString clicked;
        bool shownClear = false;
        Drive<CSCCalcDlg>(
            a.action,
            [&](CSCCalcDlg& d) {
                opened = Enabled(d);
                shownClear = !d.m_repeat.m_autoRepeat->isChecked() && !d.m_repeat.m_accelerate->isChecked();
                // A click on a disabled box does nothing, as for the user.
                QTest::mouseClick(d.m_repeat.m_autoRepeat, Qt::LeftButton, {}, QPoint(4, 4));
                QTest::mouseClick(d.m_rangeCheck, Qt::LeftButton, {}, QPoint(4, 4));
                clicked = Enabled(d);
            },
            limit);
        QCOMPARE(opened, atOpening);
        QCOMPARE(clicked, afterClickingBoth);
        if (limit & 1)
            QVERIFY(shownClear);
    }

    // What OK takes from each field and box, and what keeps its former value.
    void okOrder_data()
    {
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("range");
        QTest::addColumn<uint>("limit");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("kept");  // accelerate, beep, upper, lower, wrap after OK
        // Before: accelerate 1, beep 1, upper "U", lower "L", wrap 1; every box is then
        // cleared and the limits retyped as #9 and -9.
        QTest::newRow("neither") << false << false << 0u << "W1に#-2を加算" << "1 1 U L 1";
        QTest::newRow("repeat") << true << false << 0u << "W1に#-2を加算:オートリピート" << "0 0 U L 1";
        QTest::newRow("range") << false << true << 0u << "W1に#-2を加算上下限チェックあり -9～9 " << "1 1 9 -9 0";
        QTest::newRow("event cannot repeat") << true << false << 1u << "W1に#-2を加算" << "1 1 U L 1";
    }
    void okOrder()
    {
        QFETCH(bool, repeat);
        QFETCH(bool, range);
        QFETCH(uint, limit);
        QFETCH(QString, caption);
        QFETCH(QString, kept);
        Listed<CSCCalc> a(SC_CALC);
        CSCCalc& c = *a.action;
        c.Dest.m_name = "W0";
        c.Upper.m_name = "U";
        c.Lower.m_name = "L";
        c.AutoRepeat = 0;
        c.Accelerate = c.Beep = c.Wrap = 1;
        const int result = Drive<CSCCalcDlg>(
            a.action,
            [&](CSCCalcDlg& d) {
                Type(d.m_dest, "#W1");
                Type(d.m_delta, "##-2");
                d.m_repeat.m_autoRepeat->setChecked(repeat && d.m_repeat.m_autoRepeat->isEnabled());
                d.m_rangeCheck->setChecked(range);
                Type(d.m_upper, "#9");
                Type(d.m_lower, "-9");
                d.m_repeat.m_accelerate->setChecked(false);
                d.m_repeat.m_beep->setChecked(false);
                d.m_wrap->setChecked(false);
                d.OkButton()->click();
            },
            limit);
        QCOMPARE(result, IDOK);
        QCOMPARE(QString::fromStdString(cp932::ToUTF8(c.GetCaption())), caption);
        QCOMPARE(QString::asprintf("%u %u %s %s %u", c.Accelerate, c.Beep, c.Upper.m_name.c_str(),
                                   c.Lower.m_name.c_str(), c.Wrap),
                 kept);
    }

    // Switches outside 0 and 1 show as the script reads them; OK writes 0 or 1.
    void storedSwitchesOutOfRange()
    {
        Listed<CSCCalc> a(SC_CALC);
        CSCCalc& c = *a.action;
        c.AutoRepeat = 1;
        c.Accelerate = 3;
        c.Beep = 7;
        c.RangeCheck = 2;
        c.Wrap = 5;
        QCOMPARE(Drive<CSCCalcDlg>(a.action, [](CSCCalcDlg& d) {
                     QVERIFY(!d.m_repeat.m_accelerate->isChecked());
                     QVERIFY(d.m_repeat.m_beep->isChecked() && d.m_rangeCheck->isChecked() && d.m_wrap->isChecked());
                     d.OkButton()->click();
                 }),
                 IDOK);
        QCOMPARE(QString::asprintf("%u %u %u %u", c.Accelerate, c.Beep, c.RangeCheck, c.Wrap), QString("0 1 1 1"));
    }

    // A new action starts from the project's defaults, which the boxes show.
    void newActionShowsTheProjectDefaults()
    {
        UiTestHost host;
        host.settings.DefaultAutoRepeat = 1;
        host.settings.DefaultBeep = 1;
        Listed<CSCCalc> a(SC_CALC);
        bool ticked = false;
        Drive<CSCCalcDlg>(a.action, [&](CSCCalcDlg& d) {
            ticked = d.m_repeat.m_autoRepeat->isChecked() && d.m_repeat.m_beep->isChecked() &&
                     !d.m_repeat.m_accelerate->isChecked();
        });
        QVERIFY(ticked);
    }

    void pickers()
    {
        UiTestHost host;
        Listed<CSCCalc> a(SC_CALC);
        Drive<CSCCalcDlg>(a.action, [&](CSCCalcDlg& d) {
            QCOMPARE(d.windowTitle(), QString::fromUtf8("加減算"));
            QCOMPARE(d.m_dest->Edit()->m_refuseNumber + d.m_delta->Edit()->m_refuseNumber +
                         d.m_upper->Edit()->m_refuseNumber + d.m_lower->Edit()->m_refuseNumber,
                     1);
            d.m_rangeCheck->setChecked(true);
            QCOMPARE(PickFilters(host, {d.m_dest, d.m_delta, d.m_upper, d.m_lower}),
                     (std::vector<uint32_t>{6, 6, 6, 6}));
        });
        a.action->RangeCheck = 1;
        QCOMPARE(PickAndClose(a.action, &CSCCalcDlg::m_upper, "W5", false), IDCANCEL);
        QCOMPARE(PickAndClose(a.action, &CSCCalcDlg::m_upper, "W5", true), IDOK);
        QCOMPARE(a.action->Upper.m_name, std::string("W5"));
    }
};

UI_TEST_CLASS(CSCCalcDlgTest);

#include "CSCCalcDlgTest.moc"
