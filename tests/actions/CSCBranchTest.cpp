#include <gtest/gtest.h>

#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"

namespace {

// A list of labels around one branch to label A; "*" marks the branch's row.
CSCBranch* Build(CStepchainData& list, std::initializer_list<const char*> rows, int32_t condition,
                 const char* subject, const char* reference)
{
    CSCBranch* branch = nullptr;
    for (const char* row : rows) {
        if (std::string(row) == "*") {
            branch = static_cast<CSCBranch*>(list.CreateSC(SC_BRANCH));
            branch->Condition = condition;
            branch->Subject.m_name = subject;
            branch->Reference.m_name = reference;
            branch->Label = "A";
            list.AddSC(branch);
        } else {
            auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
            label->m_name = row;
            list.AddSC(label);
        }
    }
    return branch;
}

}

TEST(CSCBranch, ScriptCaptionAndLabelCheck)
{
    const char* const jump = "\tR_JP _[NAME]_[EVENT]_A\n";
    struct Case {
        std::initializer_list<const char*> rows;
        int32_t condition;
        const char* subject;
        const char* reference;
        const char* script;
        const char* caption;  // UTF-8
    };
    const Case cases[] = {
        {{"*", "A"}, 2, "W0", "5", "\tCMP >= W0 #5\n\tR_BR _[NAME]_[EVENT]_A\n", "条件\tW0 >= #5　を満たすときラベル Aに分岐\n"},
        {{"*", "A"}, 4, "G1[GRAPH]", "W1", "\tCMP != G1 W1\n\tR_BR _[NAME]_[EVENT]_A\n", "条件\tG1 != W1　を満たすときラベル Aに分岐\n"},
        {{"*", "A"}, 1, "", "5", "\tCMP =  #5\n\tR_BR _[NAME]_[EVENT]_A\n", "!入力にエラーがあります"},
        {{"*", "A"}, 5, "W0", "5", jump, "!入力にエラーがあります"},
        {{"*", "A"}, 0, "", "", jump, "ラベル\tA に分岐\n"},
        {{"A", "*"}, 0, "", "", jump, "ラベル\tA に分岐\n !前方分岐はできません"},
        {{"A", "*", "A"}, 0, "", "", jump, "ラベル\tA に分岐\n !前方分岐はできません"},
        {{"B", "*", "a"}, 0, "", "", jump, "ラベル\tA に分岐\n !分岐先ラベル未定義"},
    };
    for (const Case& c : cases) {
        CStepchainData list;
        CSCBranch* branch = Build(list, c.rows, c.condition, c.subject, c.reference);
        EXPECT_EQ(branch->ExportStr("_L1_", nullptr), c.script);
        EXPECT_EQ(branch->ExportStr("INITIAL", nullptr) + branch->ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(branch->GetCaption(), Sj(c.caption));
    }
}

TEST(CSCBranch, ArchiveHoldsComparisonValueFirst)
{
    const std::string bytes = "01 00 00 00 01 35 01 00 00 00 00 00 00 00 "
                              "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 01 41 02 00 00 00";
    CStepchainData list;
    CArchive out;
    Build(list, {"*"}, 2, "W0", "5")->Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), bytes);
    CSCBranch loaded(&list);
    CArchive in(out.GetStored());
    loaded.Serialize(in);
    CArchive again;
    loaded.Serialize(again);
    EXPECT_EQ(ToHex(again.GetStored()), bytes);
}
