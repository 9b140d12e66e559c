// The auto-repeat frame, and the steps of add/subtract and clock add/subtract
// inside it; their captions are with the other kinds'.
#include <gtest/gtest.h>

#include "actions/AutoRepeatScript.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"

namespace {

const AutoRepeatStep kStep{"\tMAIN [X]\n", "\t\t\tIVAL [X]\n", "\t[TAB]LOOP [X]\n", "\t\tOPEN\n", {{"[X]", "W0"}}};
const AutoRepeatSwitches kOff{0, 0, 0};
const AutoRepeatSwitches kAll{1, 1, 1};

const std::string kLayerSave = "\tEDIMX _ST_LAYER1 w\n\tEDIMX _ST_LAYER2 w\n\tEDIMX _ST_LAYER3 w\n"
                               "\tVALSET _ST_LAYER1 LAYER1\n\tVALSET _ST_LAYER2 LAYER2\n\tVALSET _ST_LAYER3 LAYER3\n";
const std::string kLayerTest = "\t\t\tIF _ST_LAYER1!=LAYER1 OR _ST_LAYER2!=LAYER2 OR _ST_LAYER3!=LAYER3 THEN\n"
                               "\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n";
const std::string kBlocking =
    kLayerSave + "\tEDIMX _LoopTime l\n\tEDIMX _LoopCount b\n\tEXPR _LoopTime=SYSCOUNT+#100\n" +
    "\tMOV _LoopCount #0\n\tDO\n" +
    "\t\tLOOP W0\n\t\tREFSH\n\t\tDO\n\t\t\tIF _SW_STA=#0 THEN\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n"
    "\t\t\tIF _PRESS_BUTTON_ID!= #[NAME].SWID\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n" +
    kLayerTest + "\t\t\tDOEVT\n\t\t\tREFSH\n\t\t\tIF SYSCOUNT>=_LoopTime THEN\n" +
    "\t\t\t\tIF _LoopCount= #0 THEN\n\t\t\t\t\tMOV BEEP BEEPLONG\n\t\t\t\tENDIF\n"
    "\t\t\t\tIF _LoopCount= #2 THEN\n\t\t\t\t\tEXPR _LoopTime=SYSCOUNT+#1\n\t\t\t\tELSE\n"
    "\t\t\t\t\tEXPR _LoopTime=SYSCOUNT+#20\n\t\t\t\t\tADD _LoopCount #1\n\t\t\t\tENDIF\n"
    "\t\t\t\tEXIT\n\t\t\tENDIF\n\t\tLOOP\n\tLOOP\n\tR_LBL [NAME]_[EVENT]_End\n";
const std::string kInterval =
    "\t\tOPEN\n\t\t\tIF [clsID].LoopCount= #0 THEN\n\t\t\t\tMOV BEEP BEEPLONG\n\t\t\tENDIF\n\t\t\tIVAL W0\n"
    "\t\t\tIF [clsID].LoopCount= #2 THEN\n\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT\n\t\t\tELSE\n"
    "\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#20\n\t\t\t\tADD [clsID].LoopCount #1\n\t\t\tENDIF\n\t\tENDIF\n";

TEST(AutoRepeatScript, Passes)
{
    // Model, layer check, switches, key, script.
    const std::tuple<std::string, int, AutoRepeatSwitches, const char*, std::string> cases[] = {
        {"GP-10", 1, kAll, "_L0_", kBlocking},
        {"GP-10", 0, kAll, "_L0_", cp932::RemoveAll(cp932::RemoveAll(kBlocking, kLayerSave), kLayerTest)},
        {"GP-10", 1, {2, 0, 0}, "_L0_", "\tLOOP W0\n"},
        {"GP-10", 1, kAll, "INITIAL", ""},
        {"XCAVO-7", 1, kAll, "INITIAL",
         "\tADIM [clsID].LoopTime l\n\tADIM [clsID].LoopCount b\n\tVALSET [clsID].LoopTime #0\n"},
        {"XCAVO-7", 1, kAll, "INTERVAL", kInterval},
        {"CAVO", 0, kAll, "_L0_", "\tEXPR [clsID].LoopTime=SYSCOUNT+#100\n\tMOV [clsID].LoopCount #0\n\tMAIN W0\n"},
        {"CAVO", 0, kOff, "INTERVAL", ""},
        {"CAVO", 0, kOff, "_L0_", "\tMAIN W0\n"},
        // イ is 83 43: the bytes of CAVO are there, but not from a character's start.
        {Sj("イAVO"), 0, kOff, "_L0_", "\tLOOP W0\n"},
    };
    for (const auto& [model, layerCheck, switches, key, expected] : cases) {
        FakeHost host;
        host.settings = {0, 0, 0, 50, 10, 25, layerCheck, model};
        EXPECT_EQ(ExportAutoRepeatScript(key, switches, kStep), expected) << model << " " << key;
    }
}

TEST(AutoRepeatScript, OneIntervalWithoutBeepOrAccelerationAndNoRepeatsCountedAtAZeroInterval)
{
    FakeHost host;
    host.settings.RepeatInterval = 10;
    EXPECT_NE(ExportAutoRepeatScript("_L0_", {1, 0, 0}, kStep)
                  .find("\t\t\tIF SYSCOUNT>=_LoopTime THEN\n\t\t\t\tEXPR _LoopTime=SYSCOUNT+#20\n"
                        "\t\t\t\tADD _LoopCount #1\n\t\t\t\tEXIT\n"),
              std::string::npos);
    host.settings = {0, 0, 0, 0, 0, 25, 0, "CAVO"};
    EXPECT_NE(ExportAutoRepeatScript("INTERVAL", kAll, kStep)
                  .find("LoopCount= #0 THEN\n\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT\n"),
              std::string::npos);
}

TEST(AutoRepeatScript, SwitchesWordKeepsOneBitPerSwitch)
{
    // A repeat of 2 is off, a beep of 2 is on.
    EXPECT_EQ(PackRepeatWord(1, 1) * 10 + PackRepeatWord(2, 2), 32u);
    DWORD repeat = 9, beep = 9;
    UnpackRepeatWord(0xFFFFFFFE, repeat, beep);
    EXPECT_EQ(repeat + beep * 2, 2u);
}

const std::string kCalc = "Dest=W0|Delta=-1|Lower=0|Upper=10|AutoRepeat=0|Beep=0|Accelerate=0|";
const std::string kClock = "Hour=W1|Minute=W2|Delta=-15|LimitHour=23|LimitMinute=W9|AutoRepeat=0|Beep=0|Accelerate=0|";

// The interval pass's frame around a step on the models that repeat by their own loop.
const std::string kIf = "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n";
const std::string kNext = "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#0\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n";

TEST(RepeatingKinds, StepForms)
{
    const std::tuple<int, const char*, std::string, const char*, std::string> cases[] = {
        {SC_CALC, "CAVO", kCalc + "Wrap=1", "_L0_", "\tEXPR W0=W0+#-1\n"},
        {SC_CALC, "CAVO", kCalc + "RangeCheck=1", "_L0_",
         "\tVALSET _AutoRepCHKMAX #10\n\tVALSET _AutoRepCHKMIN #0\n\tVALSET _AutoRepCHKVAL W0\n"
         "\tVALSET _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHK\n\tMOV W0 _AutoRepRETVAL\n"},
        {SC_CALC, "CAVO", kCalc + "AutoRepeat=1|RangeCheck=1|Wrap=1", "INTERVAL",
         kIf + "\t\t\tVALSET _AutoRepCHKMAX #10\n\t\t\tVALSET _AutoRepCHKMIN #0\n\t\t\tVALSET _AutoRepCHKVAL W0\n"
               "\t\t\tVALSET _AutoRepINCVAL #-1\n\t\t\tSUB _AutoRepRANGECHKLOOP\n\t\t\tMOV W0 _AutoRepRETVAL\n" + kNext},
        {SC_CALC, "CAVO", kCalc + "AutoRepeat=1", "INTERVAL", kIf + "\t\t\tEXPR W0=W0+#-1\n" + kNext},
        {SC_CALC, "GP-10", kCalc, "_L0_", "\tADD W0 #-1\n"},
        {SC_CALC, "GP-10", kCalc + "RangeCheck=1|Wrap=1", "_L0_",
         "\tMOV _AutoRepCHKMAX #10\n\tMOV _AutoRepCHKMIN #0\n\tMOV _AutoRepCHKVAL W0\n"
         "\tMOV _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHKLOOP\n\tMOV W0 _AutoRepRETVAL\n"},
        {SC_CALCTIME, "CAVO", kClock, "_L0_",
         "\tVALSET _ClockHour W1\n\tVALSET _ClockMin W2\n\tVALSET _ClockIncVal #-15\n\tVALSET _ClockMinLim #-1\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        // Two blanks before THEN, unlike add/subtract.
        {SC_CALCTIME, "CAVO", kClock + "AutoRepeat=1|TimeLimit=1", "INTERVAL",
         cp932::ReplaceAll(kIf, " THEN", "  THEN") + "\t\tVALSET _ClockHour W1\n\t\tVALSET _ClockMin W2\n"
             "\t\tVALSET _ClockIncVal #-15\n\t\tVALSET _ClockHourLim #23\n\t\tVALSET _ClockMinLim W9\n"
             "\t\tSUB _ClockInc\n\t\tMOV W1 _ClockHour\n\t\tMOV W2 _ClockMin\n" + kNext},
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
