#include <gtest/gtest.h>

#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/TestActions.h"

namespace {

CSCLabel* AddLabel(CStepchainData& list, const std::string& name)
{
    auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
    label->m_name = name;
    list.AddSC(label);
    return label;
}

TestAction* AddNodes(CStepchainData& list, const std::string& first, const std::string& second = "")
{
    auto* action = new TestAction();
    action->m_first.m_name = first;
    action->m_second.m_name = second;
    list.AddSC(action);
    return action;
}

TEST(List, CreatesOnlyKnownTypes)
{
    CStepchainData list;
    std::unique_ptr<IStepchain> exit(list.CreateSC(15));
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->GetActionType(), 15);
    EXPECT_EQ(list.CreateSC(16), nullptr);
    EXPECT_EQ(list.CreateSC(-1), nullptr);
    EXPECT_EQ(list.GetCount(), 0u);
}

TEST(List, Caption)
{
    CStepchainData list;
    EXPECT_EQ(list.GetCaption(), Sj("(未設定)"));
    for (int i = 0; i < 3; ++i)
        list.AddSC(list.CreateSC(SC_REFSH));
    EXPECT_EQ(list.GetCaption(), Sj("(3件設定済)"));
}

TEST(List, CopyAndCompare)
{
    FakeObject owner("Btn1");
    FakeObject other("Btn2");
    CStepchainData source;
    source.SetOwnerObj(&other);
    source.SetLimit(0x24);
    AddLabel(source, "A");
    source.AddSC(source.CreateSC(SC_ACTIONEXIT));
    CStepchainData copy;
    copy.SetOwnerObj(&owner);
    copy.AddSC(copy.CreateSC(SC_REFSH));
    copy.CopyPropertiesFrom(&source);
    EXPECT_EQ(copy.GetLimit(), 0x24u);
    EXPECT_EQ(copy.GetOwnerObj(), &owner);
    EXPECT_EQ(copy.CompareProperties(&source), 1);
    copy.CopyPropertiesFrom(&copy);
    EXPECT_EQ(copy.GetCount(), 2u);
    // A prefix is not equal, nor is another kind at the same row; two empty lists are.
    delete copy.GetActions().back();
    copy.GetActions().pop_back();
    EXPECT_EQ(copy.CompareProperties(&source) + source.CompareProperties(&copy), 0);
    copy.AddSC(copy.CreateSC(SC_REFSH));
    EXPECT_EQ(copy.CompareProperties(&source), 0);
    CStepchainData empty1, empty2;
    EXPECT_EQ(empty1.CompareProperties(&empty2), 1);
}

TEST(List, OwnerIsNeverASelection)
{
    FakeObject button("Btn1");
    FakeObject selection("Sel", "SELECT");
    CStepchainData list;
    list.SetOwnerObj(&selection);
    EXPECT_EQ(list.GetOwnerObj(), nullptr);
    list.SetOwnerObj(&button);
    list.SetOwnerObj(&selection);
    list.SetOwnerObj(nullptr);
    EXPECT_EQ(list.GetOwnerObj(), &button);
}

TEST(List, CheckActionFindsDuplicateLabels)
{
    CStepchainData list;
    CSCLabel* a1 = AddLabel(list, "A");
    CSCLabel* b = AddLabel(list, "B");
    CSCLabel* a2 = AddLabel(list, "A");
    AddLabel(list, "a");
    EXPECT_EQ(list.CheckAction(a1, 2), -1);
    EXPECT_EQ(list.CheckAction(a2, 2), -1);
    EXPECT_EQ(list.CheckAction(b, 2), 0);
    EXPECT_EQ(list.CheckAction(b, 3), 0);
    EXPECT_EQ(list.IsInvalid(), 1);
}

TEST(List, MergeLimitDropsWhatTheLimitWordForbids)
{
    // Each kind once in type-id order, then redraw, end, redraw in a row;
    // the type ids left, in hexadecimal.
    const std::pair<DWORD, const char*> cases[] = {
        {0x00, "0123456789ABCDEFBFB"}, {0x01, "0123456789ABCDEFBFB"}, {0x02, "123478ABCDEFBFB"},
        {0x04, "0123456789ACDE"},      {0x08, "0123456789ABCDEFBFB"}, {0x10, "012356789ABCDEFBFB"},
        {0x20, "012456789BCDEFBFB"},   {0x80, "012345678ABCDEFBFB"},  {0x88, "0123456789ABCDEFBFB"},
        {0xFFFFFFFF, "12789CDE"},      {0xFFFFFFF7, "1278CDE"},
    };
    for (const auto& [limit, kept] : cases) {
        CStepchainData list;
        for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 11, 15, 11})
            list.AddSC(list.CreateSC(type));
        for (IStepchain* action : list.GetActions()) {
            if (auto* calc = dynamic_cast<CSCCalc*>(action))
                calc->AutoRepeat = calc->Accelerate = calc->Beep = 1;
            if (auto* clock = dynamic_cast<CSCCalcTime*>(action))
                clock->AutoRepeat = clock->Accelerate = clock->Beep = 1;
        }
        list.SetLimit(limit);
        list.MergeLimit();
        std::string after;
        for (IStepchain* action : list.GetActions())
            after += "0123456789ABCDEF"[action->GetActionType()];
        EXPECT_EQ(after, kept) << std::hex << limit;
        // Bit 0x01 stops the repeating, and leaves the beep.
        const DWORD repeat = (limit & 0x01) != 0 ? 0 : 1;
        for (IStepchain* action : list.GetActions()) {
            if (auto* calc = dynamic_cast<CSCCalc*>(action))
                EXPECT_EQ(calc->AutoRepeat * 100 + calc->Accelerate * 10 + calc->Beep, repeat * 110 + 1);
            if (auto* clock = dynamic_cast<CSCCalcTime*>(action))
                EXPECT_EQ(clock->AutoRepeat * 100 + clock->Accelerate * 10 + clock->Beep, repeat * 110 + 1);
        }
    }
}

TEST(List, MemSyncRenamesExactNames)
{
    CStepchainData list;
    TestAction* a = AddNodes(list, "M1", "M10");
    TestAction* b = AddNodes(list, "M1");
    b->m_first.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    TestAction* c = AddNodes(list, "X", "M1");
    EXPECT_EQ(list.MemSync("M1", "M2"), 1);
    EXPECT_EQ(a->m_first.m_name, "M2");
    EXPECT_EQ(a->m_second.m_name, "M10");
    EXPECT_EQ(b->m_first.m_name, "M1");
    EXPECT_EQ(c->m_second.m_name, "M2");
    EXPECT_TRUE(a->hookCalls.empty());
    EXPECT_EQ(list.MemSync("NONE", "M3"), 0);
}

TEST(List, MemSyncParksAndRestoresTheNamesOfARemovedDevice)
{
    FakeHost host;
    FakeObject owner("Btn1");
    CStepchainData list;
    list.SetOwnerObj(&owner);
    TestAction* a = AddNodes(list, "PLC1.D0", "PLC10.D0");
    TestAction* b = AddNodes(list, "W0", "PLC1.D5");

    EXPECT_EQ(list.MemSync("*PLC1", ""), 0);
    EXPECT_EQ(a->m_first.m_name, "");
    EXPECT_EQ(a->m_first.m_text2, "PLC1.D0");
    EXPECT_EQ(a->m_second.m_name, "PLC10.D0");
    EXPECT_EQ(b->m_second.m_name, "");
    EXPECT_EQ(host.nodesCleared, (std::vector<IPWObject*>{&owner, &owner}));
    EXPECT_EQ(a->hookCalls, std::vector<std::string>{"*PLC1>"});

    list.MemSync("*.", "anything");
    EXPECT_EQ(a->m_first.m_name, "PLC1.D0");
    EXPECT_EQ(a->m_first.m_text2, "");
    EXPECT_EQ(b->m_second.m_name, "PLC1.D5");
}

TEST(List, MemSyncRenamesOnlyTheLeadingDeviceName)
{
    CStepchainData list;
    TestAction* a = AddNodes(list, "PLC1.D0", "PLC10.D0");
    TestAction* b = AddNodes(list, "%SER%PLC1.D0", "W_PLC1.D0");
    TestAction* c = AddNodes(list, "PLC1.PLC1");
    EXPECT_EQ(list.MemSync("*PLC1", "PLC2"), 0);
    EXPECT_EQ(a->m_first.m_name, "PLC2.D0");
    EXPECT_EQ(c->m_first.m_name, "PLC2.PLC1");
    EXPECT_EQ(a->m_second.m_name, "PLC10.D0");
    EXPECT_EQ(b->m_first.m_name, "%SER%PLC1.D0");
    EXPECT_EQ(b->m_second.m_name, "W_PLC1.D0");
}

TEST(List, MemSyncInsideHostMarkedNames)
{
    CStepchainData list;
    TestAction* a = AddNodes(list, "\x1A" "AB+AB");
    EXPECT_EQ(list.MemSync("\x1A" "AB", "CD"), 1);
    EXPECT_EQ(a->m_first.m_name, "\x1A" "CD+CD");
    EXPECT_EQ(list.MemSync("%SER%X", "Y"), 1);
    EXPECT_EQ(a->hookCalls, std::vector<std::string>{"%SER%X>Y"});
}

TEST(List, EditWithoutUserInterfaceIsCancelled)
{
    CStepchainData list;
    list.AddSC(list.CreateSC(SC_ACTIONEXIT));
    EXPECT_EQ(list.Edit(nullptr, 0, "key"), IDCANCEL);
    EXPECT_EQ(list.GetAt(0)->Edit(nullptr, 0), IDOK);
    AddLabel(list, "A");
    EXPECT_EQ(list.GetAt(1)->Edit(nullptr, 0), IDCANCEL);
}

}
