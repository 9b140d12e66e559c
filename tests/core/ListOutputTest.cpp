#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/CStepchainData.h"
#include "core/Cp932.h"
#include "core/SpecExport.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"
#include "support/TestActions.h"

namespace {

const std::string kHeading = ";![PAGE] [NAME] [EVENT]\n";
const std::string kExit = "\tR_LBL _[NAME]_[EVENT]_Exit\n";

TestAction* AddText(CStepchainData& list, std::string initial, std::string main, std::string interval,
                    std::string caption = {})
{
    auto* action = new TestAction();
    action->m_initial = std::move(initial);
    action->m_main = std::move(main);
    action->m_interval = std::move(interval);
    action->m_caption = std::move(caption);
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
    // The last one stands for no owner.
    const std::vector<std::string> owners = {"Btn1", "B[clsID]", "\x83", Sj("ゼ"), "", "[NAME]"};
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
        const std::string& name = owners[random() % owners.size()];
        FakeObject owner(name);
        if (&name != &owners.back())
            list.SetOwnerObj(&owner);
        auto label = [&](size_t i) { return "_" + name + "_[EVENT]_L" + std::to_string(i) + "_"; };
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

std::string Row(int number, const std::string& kind, const std::string& caption)
{
    const std::string cell = "                    <td>\n                        ";
    const std::string end = "\n                    </td>\n";
    return "                <tr>\n" + cell + std::to_string(number) + end + cell + kind + end + cell + caption + end +
           "                </tr>\n";
}

TEST(SpecExport, PropertyRowOfTwoActions)
{
    CStepchainData list;
    list.AddSC(Make(list, SC_LABEL, "m_name=A"));
    list.AddSC(list.CreateSC(SC_ACTIONEXIT));
    const std::string rows = Row(1, "ラベル", "分岐先ラベル:'A'") + Row(2, "アクション終了", "");
    EXPECT_EQ(ExportPropertySpec(list, Sj("押下時")),
              "    <tr>\n        <td>\n            押下時\n        </td>\n        <td >\n"
              "            <table border='1' cellspacing='0' cellpadding='0'>\n                <tr>\n"
              "                    <td>No.</td>\n                    <td>動作種類</td>\n"
              "                    <td>詳細</td>\n                </tr>\n" +
                  rows + "            </table>\n\t\t</td>\n    </tr>\n");
    std::ostringstream out;
    list.ExportSpec(out);
    EXPECT_EQ(out.str(), rows);
    EXPECT_EQ(list.ExportSpecStr(), Sj(rows));
    CStepchainData empty;
    EXPECT_EQ(empty.ExportSpecStr() + empty.ExportSpecKeywordRaw(), "");
}

TEST(SpecExport, MarkupIsEscapedAndKeywordsDropLineFeedsAndEscapeQuotes)
{
    // Captions, the detail cell, the keyword text.
    const std::tuple<std::vector<std::string>, const char*, const char*> cases[] = {
        {{"a<b>&c"}, "a&lt;b&gt;&amp;c", "a<b>&c:"},
        {{"a\nb", ""}, "a\nb", "ab::"},
        {{"say \"hi"}, "say \"hi", "say \\\"hi:"}};
    for (const auto& [captions, cell, keyword] : cases) {
        CStepchainData list;
        for (const std::string& caption : captions)
            AddText(list, "", "", "", caption);
        EXPECT_TRUE(list.ExportSpecStr().starts_with(Row(1, Sj("値セット"), cell))) << cell;
        EXPECT_EQ(list.ExportSpecKeywordRaw(), keyword);
    }
    CStepchainData list;
    AddText(list, "", "", "", Sj("ゼ\""));
    EXPECT_EQ(list.ExportSpecKeyword(), "ゼ\\\":");
    const std::string row = ExportPropertySpec(list, "<i>");
    EXPECT_NE(row.find("            &lt;i&gt;\n"), std::string::npos);
    EXPECT_EQ(row.find("<i>"), std::string::npos);
}

}
