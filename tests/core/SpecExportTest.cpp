#include <gtest/gtest.h>

#include <sstream>

#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "core/SpecExport.h"
#include "support/Bytes.h"
#include "support/TestActions.h"

namespace {

const std::string kR1 = "                <tr>\n";

std::string R2(int number, const std::string& kind, const std::string& caption)
{
    return "                    <td>\n                        " + std::to_string(number) +
           "\n                    </td>\n                    <td>\n                        " + kind +
           "\n                    </td>\n                    <td>\n                        " + caption +
           "\n                    </td>\n                </tr>\n";
}

TestAction* AddCaption(CStepchainData& list, const std::string& caption, int type = SC_SETVALUE)
{
    auto* action = new TestAction(type);
    action->m_caption = caption;
    list.AddSC(action);
    return action;
}

TEST(SpecExport, PropertyRowOfTwoActions)
{
    CStepchainData list;
    auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
    label->m_name = "A";
    list.AddSC(label);
    list.AddSC(list.CreateSC(SC_ACTIONEXIT));

    const std::string expected =
        "    <tr>\n        <td>\n            押下時\n        </td>\n        <td >\n"
        "            <table border='1' cellspacing='0' cellpadding='0'>\n                <tr>\n"
        "                    <td>No.</td>\n                    <td>動作種類</td>\n"
        "                    <td>詳細</td>\n                </tr>\n" +
        kR1 + R2(1, "ラベル", "分岐先ラベル:'A'") + kR1 + R2(2, "アクション終了", "") +
        "            </table>\n\t\t</td>\n    </tr>\n";
    EXPECT_EQ(ExportPropertySpec(list, Sj("押下時")), expected);

    std::ostringstream rows;
    list.ExportSpec(rows);
    EXPECT_EQ(rows.str(), kR1 + R2(1, "ラベル", "分岐先ラベル:'A'") + kR1 + R2(2, "アクション終了", ""));
    EXPECT_EQ(list.ExportSpecStr(), Sj(rows.str()));
}

TEST(SpecExport, EmptyList)
{
    CStepchainData list;
    EXPECT_EQ(ExportPropertySpec(list, "Push"),
              "    <tr>\n        <td>\n            Push\n        </td>\n        <td >\n            未設定\n"
              "\u3000\u3000\u3000\u3000</td>\n    </tr>\n");
    EXPECT_EQ(list.ExportSpecStr(), "");
    EXPECT_EQ(list.ExportSpecKeywordRaw(), "");
}

TEST(SpecExport, MarkupInNamesIsEscaped)
{
    CStepchainData list;
    AddCaption(list, "a<b>&c");
    EXPECT_EQ(list.ExportSpecStr(), kR1 + R2(1, Sj("値セット"), "a&lt;b&gt;&amp;c"));
    const std::string row = ExportPropertySpec(list, "<i>");
    EXPECT_NE(row.find("            &lt;i&gt;\n"), std::string::npos);
    EXPECT_EQ(row.find("<i>"), std::string::npos);
    // The keyword text keeps its own rule.
    EXPECT_EQ(list.ExportSpecKeywordRaw(), "a<b>&c:");
}

struct KeywordCase {
    std::vector<std::string> captions;
    std::string expected;
};

class SpecKeyword : public testing::TestWithParam<KeywordCase> {};

TEST_P(SpecKeyword, RawText)
{
    CStepchainData list;
    for (const std::string& caption : GetParam().captions)
        AddCaption(list, caption);
    EXPECT_EQ(list.ExportSpecKeywordRaw(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpecKeyword,
                         testing::Values(KeywordCase{{"a\nb", "c"}, "ab:c:"},
                                         KeywordCase{{"say \"hi", "x", "y"}, "say \\\"hi:x:y:"},
                                         KeywordCase{{"", ""}, "::"}));

TEST(SpecExport, KeywordInUtf8)
{
    CStepchainData list;
    AddCaption(list, Sj("ゼ\""));
    EXPECT_EQ(list.ExportSpecKeyword(), "ゼ\\\":");
}

}
