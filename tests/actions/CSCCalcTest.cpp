#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "actions/CSCCalc.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

const char* const kEmptyNode = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";

struct Settings {
    explicit Settings(const char* model)
    {
        host.settings.ModelName = model;
        host.settings.RepeatInterval = 10;
        host.settings.AccelerationTime = 25;
        host.settings.RepeatStartTime = 50;
    }
    FakeHost host;
};

void Fill(CSCCalc& action, DWORD autoRepeat, DWORD rangeCheck, DWORD wrap)
{
    action.Dest.m_name = "W0";
    action.Delta.m_name = "-1";
    action.Lower.m_name = "0";
    action.Upper.m_name = "10";
    action.AutoRepeat = autoRepeat;
    action.Beep = 0;
    action.Accelerate = 0;
    action.RangeCheck = rangeCheck;
    action.Wrap = wrap;
}

struct ScriptCase {
    const char* model;
    DWORD autoRepeat;
    DWORD rangeCheck;
    DWORD wrap;
    const char* key;
    const char* script;
};

TEST(CSCCalc, StepInEveryForm)
{
    const ScriptCase cases[] = {
        {"CAVO", 0, 0, 1, "_L0_", "\tEXPR W0=W0+#-1\n"},
        {"CAVO", 1, 1, 0, "_L0_",
         "\tEXPR [clsID].LoopTime=SYSCOUNT+#100\n\tMOV [clsID].LoopCount #0\n"
         "\tVALSET _AutoRepCHKMAX #10\n\tVALSET _AutoRepCHKMIN #0\n\tVALSET _AutoRepCHKVAL W0\n"
         "\tVALSET _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHK\n\tMOV W0 _AutoRepRETVAL\n"},
        {"CAVO", 1, 0, 0, "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n\t\t\tEXPR W0=W0+#-1\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#20\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {"CAVO", 1, 1, 1, "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n"
         "\t\t\tVALSET _AutoRepCHKMAX #10\n\t\t\tVALSET _AutoRepCHKMIN #0\n\t\t\tVALSET _AutoRepCHKVAL W0\n"
         "\t\t\tVALSET _AutoRepINCVAL #-1\n\t\t\tSUB _AutoRepRANGECHKLOOP\n\t\t\tMOV W0 _AutoRepRETVAL\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#20\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {"GP-10", 0, 0, 0, "_L0_", "\tADD W0 #-1\n"},
        {"GP-10", 0, 1, 1, "_L0_",
         "\tMOV _AutoRepCHKMAX #10\n\tMOV _AutoRepCHKMIN #0\n\tMOV _AutoRepCHKVAL W0\n"
         "\tMOV _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHKLOOP\n\tMOV W0 _AutoRepRETVAL\n"},
        {"GP-10", 1, 1, 1, "INTERVAL", ""},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        Settings settings(c.model);
        CSCCalc action(&list);
        Fill(action, c.autoRepeat, c.rangeCheck, c.wrap);
        EXPECT_EQ(action.ExportStr(c.key, nullptr), c.script) << c.model << " " << c.key << " " << c.rangeCheck;
    }
}

TEST(CSCCalc, BlockingRepeatIndentsTheStep)
{
    Settings settings("GP-10");
    CStepchainData list;
    CSCCalc action(&list);
    Fill(action, 1, 0, 0);
    const std::string text = action.ExportStr("_L0_", nullptr);
    EXPECT_NE(text.find("\tMOV _LoopCount #0\n\tDO\n\t\tADD W0 #-1\n\t\tREFSH\n"), std::string::npos) << text;
}

struct CaptionCase {
    DWORD autoRepeat;
    DWORD accelerate;
    DWORD rangeCheck;
    DWORD wrap;
    const char* lower;
    const char* caption;
};

TEST(CSCCalc, Caption)
{
    const CaptionCase cases[] = {
        {1, 1, 1, 1, "0", "W0に1を加算:オートリピート[加速あり]上下限チェックあり 0～10 ループあり"},
        {0, 1, 1, 0, "0", "W0に1を加算上下限チェックあり 0～10 "},
        {1, 0, 0, 1, "", "W0に1を加算:オートリピート"},
        {2, 1, 0, 0, "", "W0に1を加算"},
        {1, 1, 1, 0, "", "!入力にエラーがあります"},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        CSCCalc action(&list);
        Fill(action, c.autoRepeat, c.rangeCheck, c.wrap);
        action.Delta.m_name = "1";
        action.Accelerate = c.accelerate;
        action.Lower.m_name = c.lower;
        EXPECT_EQ(action.GetCaption(), Sj(c.caption)) << c.caption;
    }
}

TEST(CSCCalc, DefaultsComeFromProjectSettings)
{
    CStepchainData list;
    {
        CSCCalc hostless(&list);
        EXPECT_EQ(hostless.AutoRepeat + hostless.Beep + hostless.Accelerate, 0u);
    }
    Settings settings("GP-10");
    settings.host.settings.DefaultAutoRepeat = 1;
    settings.host.settings.DefaultBeep = 1;
    settings.host.settings.DefaultAccelerate = 1;
    std::unique_ptr<IStepchain> created(list.CreateSC(SC_CALC));
    CArchive ar;
    created->Serialize(ar);
    EXPECT_EQ(ToHex(ar.GetStored()), std::string(kEmptyNode) + kEmptyNode + kEmptyNode + kEmptyNode +
                                         "03 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_NE(created->ExportStr("_L0_", nullptr).find("\tDO\n"), std::string::npos);
    EXPECT_EQ(created->GetCaption(), Sj("!入力にエラーがあります"));
}

TEST(CSCCalc, ArchiveRoundTrip)
{
    const std::string bytes = Hex("01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 "  // W0
                                  "01 00 00 00 01 35 01 00 00 00 00 00 00 00 "     // 5
                                  "01 00 00 00 02 31 30 01 00 00 00 00 00 00 00 "  // 10
                                  "01 00 00 00 01 30 01 00 00 00 00 00 00 00 "     // 0
                                  "02 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00");
    CStepchainData list;
    CSCCalc action(&list);
    CArchive in(bytes);
    action.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    EXPECT_EQ(action.Upper.m_name, "10");
    EXPECT_EQ(action.AutoRepeat, 0u);
    EXPECT_EQ(action.Beep, 1u);
    EXPECT_EQ(action.Accelerate, 1u);
    EXPECT_EQ(action.Wrap, 1u);
    CArchive out;
    action.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), ToHex(bytes));
}

TEST(CSCCalc, OddProjectDefaultsSurviveTheArchive)
{
    Settings settings("GP-10");
    settings.host.settings.DefaultAutoRepeat = 2;
    settings.host.settings.DefaultBeep = 2;
    CStepchainData list;
    CSCCalc action(&list);
    CArchive out;
    action.Serialize(out);
    CSCCalc loaded(&list);
    CArchive in(out.GetStored());
    loaded.Serialize(in);
    EXPECT_EQ(loaded.AutoRepeat, 0u);
    EXPECT_EQ(loaded.Beep, 1u);
}

TEST(CSCCalc, NoRepeatLimitSwitchesRepeatOff)
{
    for (const DWORD limit : {0x01u, 0xFFFFFFFFu}) {
        CStepchainData list;
        list.AddSC(list.CreateSC(SC_CALC));
        auto* action = static_cast<CSCCalc*>(list.GetAt(0));
        action->AutoRepeat = action->Accelerate = action->Beep = 1;
        list.SetLimit(limit);
        list.MergeLimit();
        ASSERT_EQ(list.GetCount(), 1u);
        EXPECT_EQ(action->AutoRepeat + action->Accelerate, 0u);
        EXPECT_EQ(action->Beep, 1u);
    }
    CStepchainData list;
    CSCCalc action(&list);
    action.AutoRepeat = action.Accelerate = 1;
    EXPECT_EQ(action.MergeLimit(0xFFFFFFFE), 1);
    EXPECT_EQ(action.AutoRepeat + action.Accelerate, 2u);
}

TEST(CSCCalc, CopyCompareAndNodes)
{
    const std::function<void(CSCCalc&)> changes[] = {
        [](CSCCalc& a) { a.Dest.m_name = "W9"; },  [](CSCCalc& a) { a.Delta.m_name = "2"; },
        [](CSCCalc& a) { a.Upper.m_name = "9"; },  [](CSCCalc& a) { a.Lower.m_name = "1"; },
        [](CSCCalc& a) { a.AutoRepeat = 0; },      [](CSCCalc& a) { a.Beep = 0; },
        [](CSCCalc& a) { a.Accelerate = 0; },      [](CSCCalc& a) { a.RangeCheck = 0; },
        [](CSCCalc& a) { a.Wrap = 0; },
    };
    CStepchainData list;
    CSCCalc source(&list);
    Fill(source, 1, 1, 1);
    source.Beep = source.Accelerate = 1;
    for (const auto& change : changes) {
        CSCCalc copy(&list);
        copy.CopyPropertiesFrom(&source);
        EXPECT_TRUE(copy.CompareProperties(&source));
        change(copy);
        EXPECT_FALSE(copy.CompareProperties(&source));
    }
    MemNodeArray nodes;
    source.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&source.Dest, &source.Lower, &source.Upper, &source.Delta}));
}

TEST(CSCCalc, SectionedListNamesTheRowsTimer)
{
    Settings settings("CAVO");
    settings.host.layers = true;
    FakeObject owner("Btn1");
    CStepchainData list;
    list.SetOwnerObj(&owner);
    auto* action = static_cast<CSCCalc*>(list.CreateSC(SC_CALC));
    list.AddSC(action);
    Fill(*action, 1, 0, 0);
    EXPECT_EQ(list.ExportStr(0), ";![PAGE] [NAME] [EVENT]\n"
                                 "\tADIM _Btn1_[EVENT]_L0_.LoopTime l\n\tADIM _Btn1_[EVENT]_L0_.LoopCount b\n"
                                 "\tVALSET _Btn1_[EVENT]_L0_.LoopTime #0\n"
                                 "\tEXPR _Btn1_[EVENT]_L0_.LoopTime=SYSCOUNT+#100\n"
                                 "\tMOV _Btn1_[EVENT]_L0_.LoopCount #0\n\tEXPR W0=W0+#-1\n"
                                 "\tR_LBL _[NAME]_[EVENT]_Exit\n");
}

}
