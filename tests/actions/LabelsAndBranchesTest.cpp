#include <gtest/gtest.h>

#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Settings.h"

namespace {

CSCLabel* AddLabel(CStepchainData& list, const std::string& name)
{
    list.AddSC(Make(list, SC_LABEL, "m_name=" + name));
    return static_cast<CSCLabel*>(list.GetActions().back());
}

TEST(Label, ASecondLabelOfTheNameIsInvalidAndSaysSo)
{
    CStepchainData list;
    CSCLabel* a = AddLabel(list, "A");
    CSCLabel* empty = AddLabel(list, "");
    EXPECT_EQ(a->IsInvalid(), 0);
    CSCLabel* twin = AddLabel(list, "A");
    const std::string duplicate = Sj("分岐先ラベル:'A'同名ラベルは定義できません");
    EXPECT_EQ(a->IsInvalid(), -1);
    EXPECT_EQ(twin->GetCaption(), duplicate);
    EXPECT_EQ(a->GetCaption(), duplicate);
    // One buffer for the class: the first reference now shows the last call.
    const std::string& first = empty->GetCaption();
    a->GetCaption();
    EXPECT_EQ(first, duplicate);
}

TEST(Branch, ScriptCaptionAndLabelCheck)
{
    const char* const jump = "\tR_JP _[NAME]_[EVENT]_A\n";
    // Label names with "*" for the branch to label A, its settings, script, caption and IsInvalid code.
    const std::tuple<std::vector<std::string>, const char*, const char*, const char*, int> cases[] = {
        {{"*", "A"}, "Condition=2|Subject=W0|Reference=5", "\tCMP >= W0 #5\n\tR_BR _[NAME]_[EVENT]_A\n",
         "条件\tW0 >= #5　を満たすときラベル Aに分岐\n", 0},
        {{"*", "A"}, "Condition=4|Subject=G1[GRAPH]|Reference=W1", "\tCMP != G1 W1\n\tR_BR _[NAME]_[EVENT]_A\n",
         "条件\tG1 != W1　を満たすときラベル Aに分岐\n", 0},
        {{"*", "A"}, "Condition=1|Reference=5", "\tCMP =  #5\n\tR_BR _[NAME]_[EVENT]_A\n", "!入力にエラーがあります", -1},
        {{"*", "A"}, "Condition=3|Subject=W0", "\tCMP <= W0 \n\tR_BR _[NAME]_[EVENT]_A\n", "!入力にエラーがあります", -1},
        {{"*", "A"}, "Condition=5|Subject=W0|Reference=5", jump, "!入力にエラーがあります", -1},
        {{"*", "A"}, "", jump, "ラベル\tA に分岐\n", 0},
        {{"A", "*"}, "", jump, "ラベル\tA に分岐\n !前方分岐はできません", 2},
        {{"A", "*", "A"}, "", jump, "ラベル\tA に分岐\n !前方分岐はできません", 2},
        {{"B", "*", "a"}, "", jump, "ラベル\tA に分岐\n !分岐先ラベル未定義", 1},
        {{"*", "A"}, "Label=", "\tR_JP _[NAME]_[EVENT]_\n", "!入力にエラーがあります", -1},
    };
    for (const auto& [rows, settings, script, caption, code] : cases) {
        SCOPED_TRACE(settings);
        CStepchainData list;
        IStepchain* branch = nullptr;
        for (const std::string& row : rows) {
            if (row == "*")
                list.AddSC(branch = Make(list, SC_BRANCH, "Label=A|" + std::string(settings)));
            else
                AddLabel(list, row);
        }
        EXPECT_EQ(branch->ExportStr("_L1_", nullptr), script);
        EXPECT_EQ(branch->ExportStr("INITIAL", nullptr) + branch->ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(branch->GetCaption(), Sj(caption));
        EXPECT_EQ(branch->IsInvalid(), code);
    }
}

}
