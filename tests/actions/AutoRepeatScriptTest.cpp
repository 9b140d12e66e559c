#include <gtest/gtest.h>

#include "actions/AutoRepeatScript.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

const AutoRepeatStep kStep{"\tMAIN [X]\n", "\t\t\tIVAL [X]\n", "\t[TAB]LOOP [X]\n", "\t\tOPEN\n", {{"[X]", "W0"}}};

const char* const kBlockingAll =
    "\tEDIMX _ST_LAYER1 w\n\tEDIMX _ST_LAYER2 w\n\tEDIMX _ST_LAYER3 w\n"
    "\tVALSET _ST_LAYER1 LAYER1\n\tVALSET _ST_LAYER2 LAYER2\n\tVALSET _ST_LAYER3 LAYER3\n"
    "\tEDIMX _LoopTime l\n\tEDIMX _LoopCount b\n\tEXPR _LoopTime=SYSCOUNT+#100\n\tMOV _LoopCount #0\n\tDO\n"
    "\t\tLOOP W0\n"
    "\t\tREFSH\n\t\tDO\n\t\t\tIF _SW_STA=#0 THEN\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n"
    "\t\t\tIF _PRESS_BUTTON_ID!= #[NAME].SWID\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n"
    "\t\t\tIF _ST_LAYER1!=LAYER1 OR _ST_LAYER2!=LAYER2 OR _ST_LAYER3!=LAYER3 THEN\n"
    "\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n"
    "\t\t\tDOEVT\n\t\t\tREFSH\n\t\t\tIF SYSCOUNT>=_LoopTime THEN\n"
    "\t\t\t\tIF _LoopCount= #0 THEN\n\t\t\t\t\tMOV BEEP BEEPLONG\n\t\t\t\tENDIF\n"
    "\t\t\t\tIF _LoopCount= #2 THEN\n\t\t\t\t\tEXPR _LoopTime=SYSCOUNT+#1\n\t\t\t\tELSE\n"
    "\t\t\t\t\tEXPR _LoopTime=SYSCOUNT+#20\n\t\t\t\t\tADD _LoopCount #1\n\t\t\t\tENDIF\n"
    "\t\t\t\tEXIT\n\t\t\tENDIF\n\t\tLOOP\n\tLOOP\n\tR_LBL [NAME]_[EVENT]_End\n";

const char* const kBlockingPlain =
    "\tEDIMX _LoopTime l\n\tEDIMX _LoopCount b\n\tEXPR _LoopTime=SYSCOUNT+#100\n\tMOV _LoopCount #0\n\tDO\n"
    "\t\tLOOP W0\n"
    "\t\tREFSH\n\t\tDO\n\t\t\tIF _SW_STA=#0 THEN\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n"
    "\t\t\tIF _PRESS_BUTTON_ID!= #[NAME].SWID\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n"
    "\t\t\tDOEVT\n\t\t\tREFSH\n\t\t\tIF SYSCOUNT>=_LoopTime THEN\n"
    "\t\t\t\tEXPR _LoopTime=SYSCOUNT+#20\n\t\t\t\tADD _LoopCount #1\n"
    "\t\t\t\tEXIT\n\t\t\tENDIF\n\t\tLOOP\n\tLOOP\n\tR_LBL [NAME]_[EVENT]_End\n";

const char* const kInitial = "\tADIM [clsID].LoopTime l\n\tADIM [clsID].LoopCount b\n\tVALSET [clsID].LoopTime #0\n";

const char* const kIntervalAll =
    "\t\tOPEN\n"
    "\t\t\tIF [clsID].LoopCount= #0 THEN\n\t\t\t\tMOV BEEP BEEPLONG\n\t\t\tENDIF\n"
    "\t\t\tIVAL W0\n"
    "\t\t\tIF [clsID].LoopCount= #2 THEN\n\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT\n\t\t\tELSE\n"
    "\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#20\n\t\t\t\tADD [clsID].LoopCount #1\n\t\t\tENDIF\n"
    "\t\tENDIF\n";

const char* const kIntervalPlain =
    "\t\tOPEN\n\t\t\tIVAL W0\n\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#20\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n";

const char* const kMainRepeat = "\tEXPR [clsID].LoopTime=SYSCOUNT+#100\n\tMOV [clsID].LoopCount #0\n\tMAIN W0\n";

struct Case {
    const char* name;
    std::string model;
    int layerCheck;
    AutoRepeatSwitches switches;
    const char* key;
    std::string expected;
};

class AutoRepeatScriptCase : public testing::TestWithParam<Case> {};

TEST_P(AutoRepeatScriptCase, Text)
{
    const Case& c = GetParam();
    FakeHost host;
    host.settings.ModelName = c.model;
    host.settings.LayerCheck = c.layerCheck;
    host.settings.RepeatInterval = 10;
    host.settings.AccelerationTime = 25;
    host.settings.RepeatStartTime = 50;
    EXPECT_EQ(ExportAutoRepeatScript(c.key, c.switches, kStep), c.expected);
}

const AutoRepeatSwitches kOff{0, 0, 0};
const AutoRepeatSwitches kRepeat{1, 0, 0};
const AutoRepeatSwitches kAll{1, 1, 1};

INSTANTIATE_TEST_SUITE_P(
    Passes, AutoRepeatScriptCase,
    testing::Values(Case{"BlockingOffMain", "GP-10", 1, kOff, "_L0_", "\tLOOP W0\n"},
                    Case{"BlockingInitialEmpty", "GP-10", 0, kAll, "INITIAL", ""},
                    Case{"BlockingIntervalEmpty", "GP-10", 0, kAll, "INTERVAL", ""},
                    Case{"BlockingPlain", "GP-10", 0, kRepeat, "_L0_", kBlockingPlain},
                    Case{"BlockingLayerBeepAccelerate", "GP-10", 1, kAll, "_L0_", kBlockingAll},
                    Case{"BlockingBeepTwoIsOn", "GP-10", 1, {1, 1, 2}, "_L0_", kBlockingAll},
                    Case{"BlockingRepeatTwoIsOff", "GP-10", 0, {2, 1, 1}, "_L0_", "\tLOOP W0\n"},
                    Case{"PeriodicOffInitial", "CAVO", 0, kOff, "INITIAL", ""},
                    Case{"PeriodicOffInterval", "CAVO", 0, kOff, "INTERVAL", ""},
                    Case{"PeriodicOffMain", "CAVO", 0, kOff, "_L0_", "\tMAIN W0\n"},
                    Case{"PeriodicInitial", "CAVO", 0, kRepeat, "INITIAL", kInitial},
                    Case{"PeriodicIntervalPlain", "CAVO", 0, kRepeat, "INTERVAL", kIntervalPlain},
                    Case{"PeriodicIntervalAll", "XCAVO-7", 1, kAll, "INTERVAL", kIntervalAll},
                    Case{"PeriodicMainIgnoresLayerCheck", "CAVO", 1, kAll, "_L0_", kMainRepeat},
                    // イ is 83 43: the bytes C A V O appear, but not from a character's start.
                    Case{"TrailByteIsNotCavo", Sj("イAVO"), 0, kOff, "_L0_", "\tLOOP W0\n"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(AutoRepeatScript, ZeroIntervalGivesZeroAccelerationCount)
{
    FakeHost host;
    host.settings.ModelName = "CAVO";
    host.settings.AccelerationTime = 25;
    const std::string text = ExportAutoRepeatScript("INTERVAL", kAll, kStep);
    EXPECT_NE(text.find("IF [clsID].LoopCount= #0 THEN\n\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT\n"), std::string::npos);
    EXPECT_NE(text.find("SYSCOUNT+#0\n"), std::string::npos);
}

TEST(AutoRepeatScript, NoSettingsRecordBlocksWithZeroTimes)
{
    FakeHost host;
    host.hasSettings = false;
    const std::string head = "\tEDIMX _LoopTime l\n\tEDIMX _LoopCount b\n\tEXPR _LoopTime=SYSCOUNT+#0\n";
    EXPECT_EQ(ExportAutoRepeatScript("_L0_", kRepeat, kStep).substr(0, head.size()), head);
}

TEST(AutoRepeatScript, SwitchesWordKeepsOneBitPerSwitch)
{
    EXPECT_EQ(PackRepeatWord(1, 1), 3u);
    EXPECT_EQ(PackRepeatWord(0, 1), 2u);
    // A project default of 2 is off for auto-repeat and on for beep.
    EXPECT_EQ(PackRepeatWord(2, 0), 0u);
    EXPECT_EQ(PackRepeatWord(0, 2), 2u);
    DWORD repeat = 9;
    DWORD beep = 9;
    UnpackRepeatWord(0xFFFFFFFE, repeat, beep);
    EXPECT_EQ(repeat, 0u);
    EXPECT_EQ(beep, 1u);
}

}
