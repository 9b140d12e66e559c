#include <gtest/gtest.h>

#include <random>

#include "core/CStepchainData.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/TestActions.h"

namespace {

const std::string kHeading = ";![PAGE] [NAME] [EVENT]\n";
const std::string kExit = "\tR_LBL _[NAME]_[EVENT]_Exit\n";

TestAction* AddText(CStepchainData& list, std::string initial, std::string main, std::string interval)
{
    auto* action = new TestAction();
    action->m_initial = std::move(initial);
    action->m_main = std::move(main);
    action->m_interval = std::move(interval);
    list.AddSC(action);
    return action;
}

TEST(ScriptFrame, EmptyLists)
{
    CStepchainData list;
    EXPECT_EQ(list.ExportStr(0), kHeading + kExit);
    EXPECT_EQ(list.ExportStr(1), kHeading + kExit);
    FakeHost host;
    host.layers = true;
    EXPECT_EQ(list.ExportStr(0), kHeading + kExit);
    EXPECT_EQ(list.ExportStr(1), kHeading);
    EXPECT_EQ(list.ExportStr(2), kHeading);
    EXPECT_EQ(host.Count(hostmsg::LAYER_SUPPORT), 3);
}

TEST(ScriptFrame, PlainFormKeysWithAndWithoutOwner)
{
    CStepchainData list;
    for (int i = 0; i < 4; ++i)
        AddText(list, "I", "\tK ", "V");
    const std::string keys = "\tK [NAME]_0_\tK [NAME]_1_\tK [NAME]_2_\tK [NAME]_3_";
    EXPECT_EQ(list.ExportStr(0), kHeading + keys + kExit);
    EXPECT_EQ(list.ExportStr(1), kHeading + keys + kExit);

    FakeObject owner("Btn1");
    list.SetOwnerObj(&owner);
    EXPECT_EQ(list.ExportStr(7), kHeading + "\tK Btn1_0_\tK Btn1_1_\tK Btn1_2_\tK Btn1_3_" + kExit);
}

TEST(ScriptFrame, PlainFormLeavesClsIdAlone)
{
    CStepchainData list;
    AddText(list, "", "[clsID]:", "");
    EXPECT_EQ(list.ExportStr(0), kHeading + "[clsID]:[NAME]_0_" + kExit);
}

TEST(ScriptFrame, SectionedFormReplacesClsIdByEachRowsLabel)
{
    FakeHost host;
    host.layers = true;
    CStepchainData list;
    AddText(list, "\tADIM [clsID].LoopTime l\n", "\tEXPR [clsID].LoopTime ", "\tIF [clsID]\n");
    AddText(list, "", "\tR_JP _[NAME]_[EVENT]_Exit ", "");
    EXPECT_EQ(list.ExportStr(0), kHeading + "\tADIM _[NAME]_[EVENT]_L0_.LoopTime l\n" +
                                     "\tEXPR _[NAME]_[EVENT]_L0_.LoopTime _[NAME]_[EVENT]_L0_" +
                                     "\tR_JP _[NAME]_[EVENT]_Exit _[NAME]_[EVENT]_L1_" + kExit);
    EXPECT_EQ(list.ExportStr(1), kHeading + "\tIF _[NAME]_[EVENT]_L0_\n");
    // Other modes: the main pass alone, without the exit label line.
    EXPECT_EQ(list.ExportStr(2), kHeading + "\tEXPR _[NAME]_[EVENT]_L0_.LoopTime _[NAME]_[EVENT]_L0_" +
                                     "\tR_JP _[NAME]_[EVENT]_Exit _[NAME]_[EVENT]_L1_");

    FakeObject owner("Btn1");
    list.SetOwnerObj(&owner);
    EXPECT_EQ(list.ExportStr(1), kHeading + "\tIF _Btn1_[EVENT]_L0_\n");
}

// The frame's replacement, exactly as stated: after every row, every
// "[clsID]" in the whole text becomes that row's label.
std::string ReferenceScript(const std::vector<TestAction*>& rows, const std::string* owner, int mode)
{
    std::string out = kHeading;
    auto label = [&](size_t i) {
        return owner ? "_" + *owner + "_[EVENT]_L" + std::to_string(i) + "_"
                     : "_[NAME]_[EVENT]_L" + std::to_string(i) + "_";
    };
    if (mode == 0) {
        for (size_t i = 0; i < rows.size(); ++i)
            out = cp932::ReplaceAll(out + rows[i]->m_initial, "[clsID]", label(i));
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string text = mode == 1 ? rows[i]->m_interval : rows[i]->m_main + label(i);
        out = cp932::ReplaceAll(out + text, "[clsID]", label(i));
    }
    return mode == 0 ? out + kExit : out;
}

TEST(ScriptFrame, IncrementalReplacementMatchesTheWholeTextRule)
{
    const std::vector<std::string> pieces = {"[clsID]", "[cls", "ID]", "[", "]", "x", "\n", "\t",
                                             "\x83", Sj("ゼ"), "\x83[clsID]", "clsID]", "[c"};
    const std::vector<std::string> owners = {"Btn1", "B[clsID]", "\x83", Sj("ゼ"), ""};
    std::mt19937 random(20261206);
    auto text = [&] {
        std::string out;
        for (int n = random() % 6; n > 0; --n)
            out += pieces[random() % pieces.size()];
        return out;
    };
    FakeHost host;
    host.layers = true;
    for (int round = 0; round < 400; ++round) {
        CStepchainData list;
        std::vector<TestAction*> rows;
        for (int n = random() % 8; n > 0; --n)
            rows.push_back(AddText(list, text(), text(), text()));
        const int ownerIndex = static_cast<int>(random() % (owners.size() + 1));
        FakeObject owner(ownerIndex < static_cast<int>(owners.size()) ? owners[ownerIndex] : "");
        const std::string* ownerName = nullptr;
        if (ownerIndex < static_cast<int>(owners.size())) {
            list.SetOwnerObj(&owner);
            ownerName = &owners[ownerIndex];
        }
        for (int mode : {0, 1, 2})
            ASSERT_EQ(ToHex(list.ExportStr(mode)), ToHex(ReferenceScript(rows, ownerName, mode)))
                << "round " << round << " mode " << mode;
    }
}

}
