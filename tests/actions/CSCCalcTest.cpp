#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "actions/CSCCalc.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"

namespace {

std::string Store(IStepchain& action)
{
    return ToHex(StoredBytes(action));
}

void Fill(CSCCalc& action, DWORD autoRepeat, DWORD rangeCheck, DWORD wrap)
{
    action.Dest.m_name = "W0";
    action.Delta.m_name = "-1";
    action.Lower.m_name = "0";
    action.Upper.m_name = "10";
    action.AutoRepeat = autoRepeat;
    action.Beep = action.Accelerate = 0;
    action.RangeCheck = rangeCheck;
    action.Wrap = wrap;
}

TEST(CSCCalc, StepForms)
{
    struct Case {
        const char* model;
        DWORD autoRepeat, rangeCheck, wrap;
        const char* key;
        const char* script;
    };
    const Case cases[] = {
        {"CAVO", 0, 0, 1, "_L0_", "\tEXPR W0=W0+#-1\n"},
        {"CAVO", 0, 1, 0, "_L0_",
         "\tVALSET _AutoRepCHKMAX #10\n\tVALSET _AutoRepCHKMIN #0\n\tVALSET _AutoRepCHKVAL W0\n"
         "\tVALSET _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHK\n\tMOV W0 _AutoRepRETVAL\n"},
        {"CAVO", 1, 1, 1, "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n"
         "\t\t\tVALSET _AutoRepCHKMAX #10\n\t\t\tVALSET _AutoRepCHKMIN #0\n\t\t\tVALSET _AutoRepCHKVAL W0\n"
         "\t\t\tVALSET _AutoRepINCVAL #-1\n\t\t\tSUB _AutoRepRANGECHKLOOP\n\t\t\tMOV W0 _AutoRepRETVAL\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#0\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {"CAVO", 1, 0, 0, "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n\t\t\tEXPR W0=W0+#-1\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#0\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {"GP-10", 0, 0, 0, "_L0_", "\tADD W0 #-1\n"},
        {"GP-10", 0, 1, 1, "_L0_",
         "\tMOV _AutoRepCHKMAX #10\n\tMOV _AutoRepCHKMIN #0\n\tMOV _AutoRepCHKVAL W0\n"
         "\tMOV _AutoRepINCVAL #-1\n\tSUB _AutoRepRANGECHKLOOP\n\tMOV W0 _AutoRepRETVAL\n"},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        FakeHost host;
        host.settings.ModelName = c.model;
        CSCCalc action(&list);
        Fill(action, c.autoRepeat, c.rangeCheck, c.wrap);
        EXPECT_EQ(action.ExportStr(c.key, nullptr), c.script) << c.model << " " << c.key << " " << c.rangeCheck;
    }
}

TEST(CSCCalc, Caption)
{
    struct Case {
        DWORD autoRepeat, accelerate, rangeCheck, wrap;
        const char* lower;
        const char* caption;
    };
    const Case cases[] = {
        {1, 1, 1, 1, "0", "W0に1を加算:オートリピート[加速あり]上下限チェックあり 0～10 ループあり"},
        {0, 1, 1, 0, "0", "W0に1を加算上下限チェックあり 0～10 "},
        {1, 0, 0, 1, "", "W0に1を加算:オートリピート"},
        {1, 1, 1, 0, "", "!入力にエラーがあります"},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        CSCCalc action(&list);
        Fill(action, c.autoRepeat, c.rangeCheck, c.wrap);
        action.Delta.m_name = "1";
        action.Accelerate = c.accelerate;
        action.Lower.m_name = c.lower;
        EXPECT_EQ(action.GetCaption(), Sj(c.caption));
    }
}

TEST(CSCCalc, DefaultsArchiveAndCopy)
{
    FakeHost host;
    host.settings.DefaultAutoRepeat = host.settings.DefaultBeep = 2;  // 2: repeat off, beep on
    CStepchainData list;
    std::unique_ptr<IStepchain> created(list.CreateSC(SC_CALC));
    const std::string empty = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";
    EXPECT_EQ(Store(*created), empty + empty + empty + empty + "02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");

    const std::string bytes = "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 " + empty + empty + empty +
                              "03 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00";
    CSCCalc loaded(&list);
    CArchive in(Hex(bytes));
    loaded.Serialize(in);
    EXPECT_EQ(loaded.AutoRepeat * 100 + loaded.Beep * 10 + loaded.Wrap, 111u);
    EXPECT_EQ(Store(loaded), bytes);

    CSCCalc copy(&list);
    copy.CopyPropertiesFrom(&loaded);
    EXPECT_EQ(Store(copy), bytes);
    EXPECT_TRUE(copy.CompareProperties(&loaded));
    copy.Beep = 0;
    EXPECT_FALSE(copy.CompareProperties(&loaded));
    MemNodeArray nodes;
    copy.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&copy.Dest, &copy.Lower, &copy.Upper, &copy.Delta}));
}

TEST(CSCCalc, NoRepeatLimitKeepsActionAndBeep)
{
    // limit, auto-repeat and acceleration left
    for (const auto& c : {std::pair<DWORD, DWORD>{0x01, 0}, {0xFFFFFFFF, 0}, {0xFFFFFFFE, 1}}) {
        CStepchainData list;
        auto* action = static_cast<CSCCalc*>(list.CreateSC(SC_CALC));
        list.AddSC(action);
        action->AutoRepeat = action->Accelerate = action->Beep = 1;
        list.SetLimit(c.first);
        list.MergeLimit();
        ASSERT_EQ(list.GetCount(), 1u);
        EXPECT_EQ(action->AutoRepeat * 100 + action->Accelerate * 10 + action->Beep, c.second * 110 + 1);
    }
}

TEST(CSCCalc, SectionedListNamesTheRowsTimer)
{
    FakeHost host;
    host.layers = true;
    host.settings = {1, 0, 0, 50, 10, 25, 0, "CAVO"};
    FakeObject owner("Btn1");
    CStepchainData list;
    list.SetOwnerObj(&owner);
    auto* action = static_cast<CSCCalc*>(list.CreateSC(SC_CALC));
    list.AddSC(action);
    action->Dest.m_name = "W0";  // auto-repeat is on from the project default
    action->Delta.m_name = "-1";
    EXPECT_EQ(list.ExportStr(0), ";![PAGE] [NAME] [EVENT]\n"
                                 "\tADIM _Btn1_[EVENT]_L0_.LoopTime l\n\tADIM _Btn1_[EVENT]_L0_.LoopCount b\n"
                                 "\tVALSET _Btn1_[EVENT]_L0_.LoopTime #0\n"
                                 "\tEXPR _Btn1_[EVENT]_L0_.LoopTime=SYSCOUNT+#100\n"
                                 "\tMOV _Btn1_[EVENT]_L0_.LoopCount #0\n\tEXPR W0=W0+#-1\n"
                                 "\tR_LBL _[NAME]_[EVENT]_Exit\n");
}

}
