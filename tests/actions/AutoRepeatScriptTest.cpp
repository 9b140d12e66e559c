#include <gtest/gtest.h>

#include "actions/AutoRepeatScript.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

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
        {"GP-10", 1, kAll, "INTERVAL", ""},
        {"XCAVO-7", 1, kAll, "INITIAL",
         "\tADIM [clsID].LoopTime l\n\tADIM [clsID].LoopCount b\n\tVALSET [clsID].LoopTime #0\n"},
        {"XCAVO-7", 1, kAll, "INTERVAL", kInterval},
        {"CAVO", 0, kAll, "_L0_", "\tEXPR [clsID].LoopTime=SYSCOUNT+#100\n\tMOV [clsID].LoopCount #0\n\tMAIN W0\n"},
        {"CAVO", 0, kOff, "INITIAL", ""},
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

}
