#include <gtest/gtest.h>

#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"

namespace {

CSCBranch* AddBranch(CStepchainData& list, int32_t condition, const char* subject, const char* reference,
                     const char* label)
{
    auto* branch = static_cast<CSCBranch*>(list.CreateSC(SC_BRANCH));
    branch->Condition = condition;
    branch->Subject.m_name = subject;
    branch->Reference.m_name = reference;
    branch->Label = label;
    list.AddSC(branch);
    return branch;
}

void AddLabel(CStepchainData& list, const char* name)
{
    auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
    label->m_name = name;
    list.AddSC(label);
}

}

TEST(CSCBranch, ScriptAndCaption)
{
    struct Case {
        int32_t condition;
        const char* subject;
        const char* reference;
        const char* script;
        const char* caption;  // UTF-8
    };
    const Case cases[] = {
        {2, "W0", "5", "\tCMP >= W0 #5\n\tR_BR _[NAME]_[EVENT]_A\n", "条件\tW0 >= #5　を満たすときラベル Aに分岐\n"},
        {1, "W0", "#5", "\tCMP = W0 #5\n\tR_BR _[NAME]_[EVENT]_A\n", "条件\tW0 = #5　を満たすときラベル Aに分岐\n"},
        {3, "G1[GRAPH]", "W1", "\tCMP <= G1 W1\n\tR_BR _[NAME]_[EVENT]_A\n",
         "条件\tG1 <= W1　を満たすときラベル Aに分岐\n"},
        {4, "W0", "-1", "\tCMP != W0 #-1\n\tR_BR _[NAME]_[EVENT]_A\n", "条件\tW0 != #-1　を満たすときラベル Aに分岐\n"},
        {0, "", "", "\tR_JP _[NAME]_[EVENT]_A\n", "ラベル\tA に分岐\n"},
        {4, "", "5", "\tCMP !=  #5\n\tR_BR _[NAME]_[EVENT]_A\n", "!入力にエラーがあります"},
        {-1, "W0", "5", "\tR_JP _[NAME]_[EVENT]_A\n", "!入力にエラーがあります"},
        {5, "W0", "5", "\tR_JP _[NAME]_[EVENT]_A\n", "!入力にエラーがあります"},
    };
    for (const Case& c : cases) {
        CStepchainData list;
        CSCBranch* branch = AddBranch(list, c.condition, c.subject, c.reference, "A");
        AddLabel(list, "A");
        EXPECT_EQ(branch->ExportStr("_L0_", nullptr), c.script) << c.condition;
        EXPECT_EQ(branch->ExportStr("INITIAL", nullptr), "");
        EXPECT_EQ(branch->ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(branch->GetCaption(), Sj(c.caption)) << c.condition;
    }
}

TEST(CSCBranch, LabelPosition)
{
    struct Case {
        const char* before;  // label name in the row above the branch, or null
        const char* after;   // label name in the row below it, or null
        int invalid;
        const char* caption;  // UTF-8
    };
    const Case cases[] = {
        {nullptr, "A", 0, "ラベル\tA に分岐\n"},
        {"A", nullptr, 2, "ラベル\tA に分岐\n !前方分岐はできません"},
        {"A", "A", 2, "ラベル\tA に分岐\n !前方分岐はできません"},
        {"B", "a", 1, "ラベル\tA に分岐\n !分岐先ラベル未定義"},
        {nullptr, nullptr, 1, "ラベル\tA に分岐\n !分岐先ラベル未定義"},
    };
    for (const Case& c : cases) {
        CStepchainData list;
        if (c.before != nullptr)
            AddLabel(list, c.before);
        CSCBranch* branch = AddBranch(list, 0, "", "", "A");
        if (c.after != nullptr)
            AddLabel(list, c.after);
        EXPECT_EQ(branch->IsInvalid(), c.invalid);
        EXPECT_EQ(branch->GetCaption(), Sj(c.caption));
        EXPECT_EQ(branch->ExportStr("_L1_", nullptr), "\tR_JP _[NAME]_[EVENT]_A\n");
    }
    CStepchainData list;
    EXPECT_EQ(AddBranch(list, 1, "W0", "5", "")->IsInvalid(), -1);
}

TEST(CSCBranch, ArchiveHoldsComparisonValueFirst)
{
    CStepchainData list;
    CSCBranch* branch = AddBranch(list, 2, "W0", "5", "A");
    CArchive out;
    branch->Serialize(out);
    const std::string bytes = "01 00 00 00 01 35 01 00 00 00 00 00 00 00 "
                              "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 "
                              "01 41 02 00 00 00";
    EXPECT_EQ(ToHex(out.GetStored()), bytes);

    CSCBranch loaded(&list);
    CArchive in(Hex(bytes));
    loaded.Serialize(in);
    EXPECT_TRUE(loaded.CompareProperties(branch));
    CArchive again;
    loaded.Serialize(again);
    EXPECT_EQ(ToHex(again.GetStored()), bytes);
}

TEST(CSCBranch, CopyCompareAndNodes)
{
    CStepchainData list;
    CSCBranch* a = AddBranch(list, 2, "W0", "5", "A");
    CSCBranch b(&list);
    b.CopyPropertiesFrom(a);
    EXPECT_TRUE(b.CompareProperties(a));
    b.Label = "a";
    EXPECT_FALSE(b.CompareProperties(a));
    CSCLabel label(&list);
    EXPECT_FALSE(a->CompareProperties(&label));

    MemNodeArray nodes;
    a->GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&a->Reference, &a->Subject}));
    EXPECT_EQ(*GetBranchTarget(a), "A");
    EXPECT_EQ(a->MergeLimit(0xFFFFFFFF), 1);
}
