#include <gtest/gtest.h>

#include <random>

#include "core/CStepchainData.h"
#include "core/Cp932.h"
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

TEST(ScriptFrame, PlainForm)
{
    FakeHost host;
    CStepchainData list;
    EXPECT_EQ(list.ExportStr(0) + list.ExportStr(1), kHeading + kExit + kHeading + kExit);
    for (int i = 0; i < 3; ++i)
        AddText(list, "I", "\tK ", "V");
    AddText(list, "", "[clsID]:", "");
    const std::string keys = "\tK [NAME]_0_\tK [NAME]_1_\tK [NAME]_2_[clsID]:[NAME]_3_";
    EXPECT_EQ(list.ExportStr(0), kHeading + keys + kExit);
    EXPECT_EQ(list.ExportStr(1), kHeading + keys + kExit);
    FakeObject owner("Btn1");
    list.SetOwnerObj(&owner);
    EXPECT_EQ(list.ExportStr(7), kHeading + "\tK Btn1_0_\tK Btn1_1_\tK Btn1_2_[clsID]:Btn1_3_" + kExit);
}

// The script is built row by row; the rule it must give is stated on the
// whole text: after every row, every "[clsID]" in it becomes that row's label.
TEST(ScriptFrame, IncrementalReplacementMatchesTheWholeTextRule)
{
    const std::vector<std::string> pieces = {"[clsID]", "[cls", "ID]", "[", "]", "x", "\n", "\t",
                                             "\x83", Sj("ゼ"), "\x83[clsID]", "clsID]", "[c", "[clsID"};
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
        const size_t ownerIndex = random() % (owners.size() + 1);
        FakeObject owner(ownerIndex < owners.size() ? owners[ownerIndex] : "");
        if (ownerIndex < owners.size())
            list.SetOwnerObj(&owner);
        auto label = [&](size_t i) {
            const std::string name = ownerIndex < owners.size() ? owners[ownerIndex] : "[NAME]";
            return "_" + name + "_[EVENT]_L" + std::to_string(i) + "_";
        };
        for (int mode : {0, 1, 2}) {
            std::string expected = kHeading;
            for (size_t i = 0; mode == 0 && i < rows.size(); ++i)
                expected = cp932::ReplaceAll(expected + rows[i]->m_initial, "[clsID]", label(i));
            for (size_t i = 0; i < rows.size(); ++i) {
                const std::string row = mode == 1 ? rows[i]->m_interval : rows[i]->m_main + label(i);
                expected = cp932::ReplaceAll(expected + row, "[clsID]", label(i));
            }
            ASSERT_EQ(ToHex(list.ExportStr(mode)), ToHex(mode == 0 ? expected + kExit : expected))
                << "round " << round << " mode " << mode;
        }
    }
}

}
