#include <gtest/gtest.h>

#include <sstream>

#include "core/CStepchainData.h"
#include "core/SpecExport.h"
#include "support/Bytes.h"
#include "support/Settings.h"
#include "support/TestActions.h"

namespace {

std::string Row(int number, const std::string& kind, const std::string& caption)
{
    const std::string cell = "                    <td>\n                        ";
    const std::string end = "\n                    </td>\n";
    return "                <tr>\n" + cell + std::to_string(number) + end + cell + kind + end + cell + caption + end +
           "                </tr>\n";
}

void AddCaptions(CStepchainData& list, const std::vector<std::string>& captions)
{
    for (const std::string& caption : captions) {
        auto* action = new TestAction();
        action->m_caption = caption;
        list.AddSC(action);
    }
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
        AddCaptions(list, captions);
        EXPECT_TRUE(list.ExportSpecStr().starts_with(Row(1, Sj("値セット"), cell))) << cell;
        EXPECT_EQ(list.ExportSpecKeywordRaw(), keyword);
    }
    CStepchainData list;
    AddCaptions(list, {Sj("ゼ\"")});
    EXPECT_EQ(list.ExportSpecKeyword(), "ゼ\\\":");
    const std::string row = ExportPropertySpec(list, "<i>");
    EXPECT_NE(row.find("            &lt;i&gt;\n"), std::string::npos);
    EXPECT_EQ(row.find("<i>"), std::string::npos);
}

}
