#include <gtest/gtest.h>

#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"

namespace {

CSCLabel* AddLabel(CStepchainData& list, const std::string& name)
{
    auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
    label->m_name = name;
    list.AddSC(label);
    return label;
}

struct PassCase {
    int type;
    const char* main;
};

class FlowControlScript : public testing::TestWithParam<PassCase> {};

TEST_P(FlowControlScript, MainPassOnly)
{
    CStepchainData list;
    std::unique_ptr<IStepchain> action(list.CreateSC(GetParam().type));
    if (GetParam().type == SC_LABEL)
        static_cast<CSCLabel*>(action.get())->m_name = Sj("終 了");
    EXPECT_EQ(action->ExportStr("INITIAL", nullptr), "");
    EXPECT_EQ(action->ExportStr("INTERVAL", nullptr), "");
    EXPECT_EQ(action->ExportStr("_[NAME]_[EVENT]_L0_", nullptr), Sj(GetParam().main));
    EXPECT_EQ(action->ExportStr("initial", nullptr), Sj(GetParam().main));
}

INSTANTIATE_TEST_SUITE_P(Kinds, FlowControlScript,
                         testing::Values(PassCase{SC_ACTIONEXIT, "\tR_JP _[NAME]_[EVENT]_Exit\n"},
                                         PassCase{SC_REFSH, "\tREFSH\n"},
                                         PassCase{SC_LABEL, "\tR_LBL _[NAME]_[EVENT]_終 了\n"}));

TEST(Label, CaptionsAndChecks)
{
    CStepchainData list;
    CSCLabel* a = AddLabel(list, "A");
    CSCLabel* empty = AddLabel(list, "");
    EXPECT_EQ(a->IsInvalid(), 0);
    EXPECT_EQ(a->GetCaption(), Sj("分岐先ラベル:'A'"));
    EXPECT_EQ(empty->IsInvalid(), 1);
    EXPECT_EQ(empty->GetCaption(), Sj("!入力にエラーがあります"));
    EXPECT_EQ(empty->ExportStr("k", nullptr), "\tR_LBL _[NAME]_[EVENT]_\n");

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

TEST(FlowControl, Equality)
{
    CStepchainData list;
    CSCLabel* a = AddLabel(list, "A");
    CSCLabel* b = AddLabel(list, "a");
    std::unique_ptr<IStepchain> exit(list.CreateSC(SC_ACTIONEXIT));
    std::unique_ptr<IStepchain> redraw(list.CreateSC(SC_REFSH));
    EXPECT_FALSE(a->CompareProperties(b));
    b->CopyPropertiesFrom(a);
    EXPECT_TRUE(a->CompareProperties(b));
    EXPECT_FALSE(exit->CompareProperties(redraw.get()));
    EXPECT_FALSE(redraw->CompareProperties(a));
    EXPECT_TRUE(redraw->CompareProperties(redraw.get()));
}

}
