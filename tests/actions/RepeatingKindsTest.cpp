// The steps of add/subtract and clock add/subtract inside the auto-repeat frame;
// their captions are with the other kinds'.
#include <gtest/gtest.h>

#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"

namespace {

const std::string kCalc = "Dest=W0|Delta=-1|Lower=0|Upper=10|AutoRepeat=0|Beep=0|Accelerate=0|";
const std::string kClock = "Hour=W1|Minute=W2|Delta=-15|LimitHour=23|LimitMinute=W9|AutoRepeat=0|Beep=0|Accelerate=0|";

TEST(RepeatingKinds, StepForms)
{
    const std::tuple<int, const char*, std::string, const char*, const char*> cases[] = {
        {SC_CALC, "CAVO", kCalc + "Wrap=1", "_L0_", "\tEXPR W0=W0+#-1\n"},
        {SC_CALC, "CAVO", kCalc + "RangeCheck=1", "_L0_",
         "\tVALSET _AutoRepCHKMAX #10\n\tVALSET _AutoRepCHKMIN #0\n\tVALSET _AutoRepCHKVAL W0\n"
         "\tVALSET _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHK\n\tMOV W0 _AutoRepRETVAL\n"},
        {SC_CALC, "CAVO", kCalc + "AutoRepeat=1|RangeCheck=1|Wrap=1", "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n"
         "\t\t\tVALSET _AutoRepCHKMAX #10\n\t\t\tVALSET _AutoRepCHKMIN #0\n\t\t\tVALSET _AutoRepCHKVAL W0\n"
         "\t\t\tVALSET _AutoRepINCVAL #-1\n\t\t\tSUB _AutoRepRANGECHKLOOP\n\t\t\tMOV W0 _AutoRepRETVAL\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#0\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {SC_CALC, "CAVO", kCalc + "AutoRepeat=1", "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n\t\t\tEXPR W0=W0+#-1\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#0\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {SC_CALC, "GP-10", kCalc, "_L0_", "\tADD W0 #-1\n"},
        {SC_CALC, "GP-10", kCalc + "RangeCheck=1|Wrap=1", "_L0_",
         "\tMOV _AutoRepCHKMAX #10\n\tMOV _AutoRepCHKMIN #0\n\tMOV _AutoRepCHKVAL W0\n"
         "\tMOV _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHKLOOP\n\tMOV W0 _AutoRepRETVAL\n"},
        {SC_CALCTIME, "CAVO", kClock, "_L0_",
         "\tVALSET _ClockHour W1\n\tVALSET _ClockMin W2\n\tVALSET _ClockIncVal #-15\n\tVALSET _ClockMinLim #-1\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        // Two blanks before THEN, unlike add/subtract.
        {SC_CALCTIME, "CAVO", kClock + "AutoRepeat=1|TimeLimit=1", "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0  THEN\n"
         "\t\tVALSET _ClockHour W1\n\t\tVALSET _ClockMin W2\n\t\tVALSET _ClockIncVal #-15\n"
         "\t\tVALSET _ClockHourLim #23\n\t\tVALSET _ClockMinLim W9\n"
         "\t\tSUB _ClockInc\n\t\tMOV W1 _ClockHour\n\t\tMOV W2 _ClockMin\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#0\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {SC_CALCTIME, "GP-10", kClock, "_L0_",
         "\tMOV _ClockHour W1\n\tMOV _ClockMin W2\n\tMOV _ClockIncVal #-15\n\tMOV _ClockMinLim #-1\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        {SC_CALCTIME, "GP-10", kClock + "TimeLimit=1", "_L0_",
         "\tMOV _ClockHour W1\n\tMOV _ClockMin W2\n\tMOV _ClockIncVal #-15\n\tMOV _ClockHourLim #23\n"
         "\tMOV _ClockMinLim W9\n\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
    };
    CStepchainData list;
    for (const auto& [type, model, settings, key, script] : cases) {
        FakeHost host;
        host.settings.ModelName = model;
        std::unique_ptr<IStepchain> action(Make(list, type, settings));
        EXPECT_EQ(action->ExportStr(key, nullptr), script) << model << " " << key << " " << settings;
    }
}

TEST(RepeatingKinds, StartWithTheProjectDefaults)
{
    FakeHost host;
    host.settings.DefaultAutoRepeat = 2;
    host.settings.DefaultAccelerate = 1;
    host.settings.DefaultBeep = 3;
    CStepchainData list;
    CSCCalc calc(&list);
    CSCCalcTime clock(&list);
    EXPECT_EQ(calc.AutoRepeat * 100 + calc.Accelerate * 10 + calc.Beep, 213u);
    EXPECT_EQ(clock.AutoRepeat * 100 + clock.Accelerate * 10 + clock.Beep, 213u);
    // A switch of 2 does not repeat; only 1 does.
    EXPECT_FALSE(calc.RepeatsAutomatically() || clock.RepeatsAutomatically());
}

}
