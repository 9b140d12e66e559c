#include <gtest/gtest.h>

#include <functional>

#include "actions/CSCCalcTime.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

void Fill(CSCCalcTime& action, DWORD autoRepeat, DWORD timeLimit)
{
    action.Hour.m_name = "W1";
    action.Minute.m_name = "W2";
    action.Delta.m_name = "-15";
    action.LimitHour.m_name = "23";
    action.LimitMinute.m_name = "W9";
    action.AutoRepeat = autoRepeat;
    action.Accelerate = 0;
    action.TimeLimit = timeLimit;
    action.Beep = 0;
}

struct ScriptCase {
    const char* model;
    DWORD autoRepeat;
    DWORD timeLimit;
    const char* key;
    const char* script;
};

TEST(CSCCalcTime, StepInEveryForm)
{
    const ScriptCase cases[] = {
        {"CAVO", 0, 0, "_L0_",
         "\tVALSET _ClockHour W1\n\tVALSET _ClockMin W2\n\tVALSET _ClockIncVal #-15\n\tVALSET _ClockMinLim #-1\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        {"CAVO", 0, 1, "_L0_",
         "\tVALSET _ClockHour W1\n\tVALSET _ClockMin W2\n\tVALSET _ClockIncVal #-15\n"
         "\tVALSET _ClockHourLim #23\n\tVALSET _ClockMinLim W9\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        {"CAVO", 1, 0, "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0  THEN\n"
         "\t\tVALSET _ClockHour W1\n\t\tVALSET _ClockMin W2\n\t\tVALSET _ClockIncVal #-15\n\t\tVALSET _ClockMinLim #-1\n"
         "\t\tSUB _ClockInc\n\t\tMOV W1 _ClockHour\n\t\tMOV W2 _ClockMin\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#20\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {"CAVO", 1, 1, "INTERVAL",
         "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0  THEN\n"
         "\t\tVALSET _ClockHour W1\n\t\tVALSET _ClockMin W2\n\t\tVALSET _ClockIncVal #-15\n"
         "\t\tVALSET _ClockHourLim #23\n\t\tVALSET _ClockMinLim W9\n"
         "\t\tSUB _ClockInc\n\t\tMOV W1 _ClockHour\n\t\tMOV W2 _ClockMin\n"
         "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+#20\n\t\t\tADD [clsID].LoopCount #1\n\t\tENDIF\n"},
        {"GP-10", 0, 0, "_L0_",
         "\tMOV _ClockHour W1\n\tMOV _ClockMin W2\n\tMOV _ClockIncVal #-15\n\tMOV _ClockMinLim #-1\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        {"GP-10", 0, 1, "_L0_",
         "\tMOV _ClockHour W1\n\tMOV _ClockMin W2\n\tMOV _ClockIncVal #-15\n"
         "\tMOV _ClockHourLim #23\n\tMOV _ClockMinLim W9\n"
         "\tSUB _ClockInc\n\tMOV W1 _ClockHour\n\tMOV W2 _ClockMin\n"},
        {"GP-10", 1, 0, "INITIAL", ""},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        FakeHost host;
        host.settings.ModelName = c.model;
        host.settings.RepeatInterval = 10;
        CSCCalcTime action(&list);
        Fill(action, c.autoRepeat, c.timeLimit);
        EXPECT_EQ(action.ExportStr(c.key, nullptr), c.script) << c.model << " " << c.key << " " << c.timeLimit;
    }
}

struct CaptionCase {
    DWORD autoRepeat;
    DWORD accelerate;
    DWORD timeLimit;
    const char* limitMinute;
    const char* caption;
};

TEST(CSCCalcTime, Caption)
{
    const CaptionCase cases[] = {
        {0, 1, 0, "", "時 (W1):分(W2)を-15(分)加算"},
        {1, 1, 1, "W9", "時 (W1):分(W2)を-15(分)加算オートリピートあり[加速あり]:制限 23時W9分"},
        {1, 0, 1, "W9", "時 (W1):分(W2)を-15(分)加算オートリピートあり:制限 23時W9分"},
        {1, 1, 1, "", "!入力にエラーがあります"},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        CSCCalcTime action(&list);
        Fill(action, c.autoRepeat, c.timeLimit);
        action.Accelerate = c.accelerate;
        action.LimitMinute.m_name = c.limitMinute;
        EXPECT_EQ(action.GetCaption(), Sj(c.caption)) << c.caption;
    }
    CSCCalcTime fresh(&list);
    EXPECT_EQ(fresh.IsInvalid(), 1);
}

TEST(CSCCalcTime, ArchiveRoundTripAndDefaults)
{
    const std::string bytes = Hex("01 00 00 00 02 57 31 01 00 00 00 00 00 00 00 "     // W1
                                  "01 00 00 00 02 57 32 01 00 00 00 00 00 00 00 "     // W2
                                  "01 00 00 00 03 2D 31 35 01 00 00 00 00 00 00 00 "  // -15
                                  "01 00 00 00 00 01 00 00 00 00 00 00 00 "
                                  "01 00 00 00 00 01 00 00 00 00 00 00 00 "
                                  "03 00 00 00 01 00 00 00 00 00 00 00");
    FakeHost host;
    host.settings.DefaultBeep = 1;
    CStepchainData list;
    CSCCalcTime action(&list);
    EXPECT_EQ(action.Beep, 1u);
    EXPECT_EQ(action.AutoRepeat + action.Accelerate + action.TimeLimit, 0u);
    CArchive in(bytes);
    action.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    EXPECT_EQ(action.AutoRepeat, 1u);
    EXPECT_EQ(action.Accelerate, 1u);
    EXPECT_EQ(action.Delta.m_name, "-15");
    CArchive out;
    action.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), ToHex(bytes));
}

TEST(CSCCalcTime, LimitWord)
{
    struct Case {
        DWORD limit;
        size_t kept;
        DWORD repeatLeft;
    };
    for (const Case c : {Case{0x20, 0, 0}, Case{0x21, 0, 0}, Case{0x01, 1, 0}, Case{0xFFFFFFDE, 1, 1}}) {
        CStepchainData list;
        list.AddSC(list.CreateSC(SC_CALCTIME));
        list.AddSC(list.CreateSC(SC_CALCTIME));
        for (size_t i = 0; i < list.GetCount(); ++i) {
            auto* action = static_cast<CSCCalcTime*>(list.GetAt(i));
            action->AutoRepeat = action->Accelerate = action->Beep = 1;
        }
        list.SetLimit(c.limit);
        list.MergeLimit();
        ASSERT_EQ(list.GetCount(), 2 * c.kept) << c.limit;
        for (size_t i = 0; i < list.GetCount(); ++i) {
            auto* action = static_cast<CSCCalcTime*>(list.GetAt(i));
            EXPECT_EQ(action->AutoRepeat, c.repeatLeft);
            EXPECT_EQ(action->Accelerate, c.repeatLeft);
            EXPECT_EQ(action->Beep, 1u);
        }
    }
}

TEST(CSCCalcTime, CopyCompareAndNodes)
{
    const std::function<void(CSCCalcTime&)> changes[] = {
        [](CSCCalcTime& a) { a.Hour.m_name = "W8"; },      [](CSCCalcTime& a) { a.Minute.m_name = "W8"; },
        [](CSCCalcTime& a) { a.Delta.m_name = "15"; },     [](CSCCalcTime& a) { a.LimitHour.m_name = "22"; },
        [](CSCCalcTime& a) { a.LimitMinute.m_name = "0"; }, [](CSCCalcTime& a) { a.AutoRepeat = 0; },
        [](CSCCalcTime& a) { a.Accelerate = 0; },          [](CSCCalcTime& a) { a.TimeLimit = 0; },
        [](CSCCalcTime& a) { a.Beep = 0; },
    };
    CStepchainData list;
    CSCCalcTime source(&list);
    Fill(source, 1, 1);
    source.Accelerate = source.Beep = 1;
    for (const auto& change : changes) {
        CSCCalcTime copy(&list);
        copy.CopyPropertiesFrom(&source);
        EXPECT_TRUE(copy.CompareProperties(&source));
        change(copy);
        EXPECT_FALSE(copy.CompareProperties(&source));
    }
    MemNodeArray nodes;
    source.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&source.Hour, &source.Minute, &source.LimitHour, &source.LimitMinute,
                                   &source.Delta}));
}

}
