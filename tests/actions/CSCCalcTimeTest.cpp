#include <gtest/gtest.h>

#include "actions/CSCCalcTime.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

void Fill(CSCCalcTime& action, DWORD autoRepeat, DWORD accelerate, DWORD timeLimit)
{
    action.Hour.m_name = "W1";
    action.Minute.m_name = "W2";
    action.Delta.m_name = "-15";
    action.LimitHour.m_name = "23";
    action.LimitMinute.m_name = "W9";
    action.AutoRepeat = autoRepeat;
    action.Accelerate = accelerate;
    action.TimeLimit = timeLimit;
    action.Beep = 0;
}

TEST(CSCCalcTime, StepForms)
{
    struct Case {
        const char* model;
        DWORD autoRepeat, timeLimit;
        const char* key;
        const char* script;
    };
    const Case cases[] = {
        {"CAVO", 0, 0, "_L0_",
         "\tVALSET _ClockHour W1\n\tVALSET _ClockMin W2\n\tVALSET _ClockIncVal #-15\n\tVALSET _ClockMinLim #-1\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        {"CAVO", 1, 1, "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0  THEN\n"
         "\t\tVALSET _ClockHour W1\n\t\tVALSET _ClockMin W2\n\t\tVALSET _ClockIncVal #-15\n"
         "\t\tVALSET _ClockHourLim #23\n\t\tVALSET _ClockMinLim W9\n"
         "\t\tSUB _ClockInc\n\t\tMOV W1 _ClockHour\n\t\tMOV W2 _ClockMin\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#0\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {"GP-10", 0, 0, "_L0_",
         "\tMOV _ClockHour W1\n\tMOV _ClockMin W2\n\tMOV _ClockIncVal #-15\n\tMOV _ClockMinLim #-1\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        {"GP-10", 0, 1, "_L0_",
         "\tMOV _ClockHour W1\n\tMOV _ClockMin W2\n\tMOV _ClockIncVal #-15\n\tMOV _ClockHourLim #23\n"
         "\tMOV _ClockMinLim W9\n\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        FakeHost host;
        host.settings.ModelName = c.model;
        CSCCalcTime action(&list);
        Fill(action, c.autoRepeat, 0, c.timeLimit);
        EXPECT_EQ(action.ExportStr(c.key, nullptr), c.script) << c.model << " " << c.key << " " << c.timeLimit;
    }
}

TEST(CSCCalcTime, Caption)
{
    const char* const base = "時 (W1):分(W2)を-15(分)加算";
    CStepchainData list;
    CSCCalcTime action(&list);
    EXPECT_EQ(action.GetCaption(), Sj("!入力にエラーがあります"));
    Fill(action, 0, 1, 0);
    EXPECT_EQ(action.GetCaption(), Sj(base));
    Fill(action, 1, 1, 1);
    EXPECT_EQ(action.GetCaption(), Sj(base + std::string("オートリピートあり[加速あり]:制限 23時W9分")));
    action.LimitHour.m_name.clear();
    EXPECT_EQ(action.IsInvalid(), 1);
}

TEST(CSCCalcTime, ArchiveCopyAndNodes)
{
    const std::string bytes = "01 00 00 00 02 57 31 01 00 00 00 00 00 00 00 "     // W1
                              "01 00 00 00 02 57 32 01 00 00 00 00 00 00 00 "     // W2
                              "01 00 00 00 03 2D 31 35 01 00 00 00 00 00 00 00 "  // -15
                              "01 00 00 00 00 01 00 00 00 00 00 00 00 "
                              "01 00 00 00 00 01 00 00 00 00 00 00 00 "
                              "03 00 00 00 01 00 00 00 00 00 00 00";
    CStepchainData list;
    CSCCalcTime loaded(&list);
    CArchive in(Hex(bytes));
    loaded.Serialize(in);
    EXPECT_EQ(loaded.AutoRepeat * 100 + loaded.Accelerate * 10 + loaded.Beep, 111u);
    CSCCalcTime copy(&list);
    copy.CopyPropertiesFrom(&loaded);
    CArchive out;
    copy.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), bytes);
    EXPECT_TRUE(copy.CompareProperties(&loaded));
    copy.TimeLimit = 1;
    EXPECT_FALSE(copy.CompareProperties(&loaded));
    MemNodeArray nodes;
    copy.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&copy.Hour, &copy.Minute, &copy.LimitHour, &copy.LimitMinute, &copy.Delta}));
}

TEST(CSCCalcTime, LimitWord)
{
    // limit, actions kept, auto-repeat and acceleration left
    const DWORD cases[][3] = {{0x20, 0, 0}, {0x21, 0, 0}, {0x01, 1, 0}, {0xFFFFFFDE, 1, 1}};
    for (const auto& c : cases) {
        CStepchainData list;
        auto* action = static_cast<CSCCalcTime*>(list.CreateSC(SC_CALCTIME));
        list.AddSC(action);
        action->AutoRepeat = action->Accelerate = action->Beep = 1;
        list.SetLimit(c[0]);
        list.MergeLimit();
        ASSERT_EQ(list.GetCount(), c[1]) << c[0];
        if (c[1] != 0) {
            EXPECT_EQ(action->AutoRepeat * 100 + action->Accelerate * 10 + action->Beep, c[2] * 110 + 1);
        }
    }
}

}
