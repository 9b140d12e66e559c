#include <gtest/gtest.h>

#include "actions/CSCPageJump.h"
#include "support/ActionRoundTrip.h"
#include "support/FakeHost.h"

namespace {

const char* const kError = "!入力にエラーがあります";

// The caption is UTF-8.
struct Case { bool layers; uint32_t mode; const char *page, *script, *caption; int invalid; };

const Case kCases[] = {
    {true, 0x800A0002, "5", "\tCHANGE_PAGE 1 10 #5\n", "LAYER2 ページ5に移動 エフェクト=フェード", 0},
    {true, 0x00010000, "", "\tEDIM tmpW W\n\tEXPR tmpW=LAYER1+#1\n\tCHANGE_PAGE 0 1 tmpW\n", "LAYER1 次ページに移動 エフェクト=スクロール ←", 0},
    {true, 0x00080001, "", "\tEDIM tmpW W\n\tEXPR tmpW=LAYER1-#1\n\tCHANGE_PAGE 0 8 tmpW\n", "LAYER1 前ページに移動 エフェクト=スライド ↓", 0},
    {true, 0x00000002, "W100", "\tCHANGE_PAGE 0 0 W100\n", "LAYER1 ページW100に移動 エフェクト=なし", 0},
    {true, 0xFFFFFFFF, "5", "", kError, 1},
    // An effect beyond the table is written as stored but never named.
    {true, 0x7FFF0002, "5", "\tCHANGE_PAGE 0 127 #5\n", kError, 2},
    {false, 0, "", "\tEXPR LAYER1=LAYER1+#1\n", "次ページに移動", 0},
    {false, 2, "12", "\tMOV LAYER1 #12\n", "ページ 12に移動", 0},
    {false, 0x800A0002, "5", "", kError, 1},
};

}

TEST(PageJump, ScriptCaptionAndValidityFollowTheModel)
{
    FakeHost host;
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.layers << " " << std::hex << c.mode);
        host.layers = c.layers;
        CSCPageJump jump(nullptr);
        jump.m_mode = static_cast<int32_t>(c.mode);
        jump.m_page.m_name = c.page;
        EXPECT_EQ(jump.ExportStr("_Btn_[EVENT]_L0_", nullptr), c.script);
        EXPECT_EQ(jump.ExportStr("INITIAL", nullptr) + jump.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(jump.GetCaption(), Sj(c.caption));
        EXPECT_EQ(jump.IsInvalid(), c.invalid);
    }
}

TEST(PageJump, ArchiveRoundTrip)
{
    FakeHost host;
    CSCPageJump fresh(nullptr);
    CSCPageJump loaded(nullptr);
    ExpectRoundTrip(fresh, loaded, "01 00 00 00 00 01 00 00 00 00 00 00 00 FF FF FF FF");
    CSCPageJump jump(nullptr);
    jump.m_mode = static_cast<int32_t>(0x800A0002);
    jump.m_page.m_name = "5";
    ExpectRoundTrip(jump, loaded, "01 00 00 00 01 35 01 00 00 00 00 00 00 00 02 00 0A 80");
    EXPECT_TRUE(loaded.CompareProperties(&jump));
    EXPECT_EQ(host.nodesLoaded, std::vector<uintptr_t>{reinterpret_cast<uintptr_t>(&loaded.m_page)});
}

TEST(PageJump, CopyCompareLimitAndNodes)
{
    CSCPageJump source(nullptr);
    source.m_mode = 2;
    source.m_page.m_kind = CVXMemNode::KIND_GRAPH;
    CSCPageJump copy(nullptr);
    copy.CopyPropertiesFrom(&source);
    EXPECT_EQ(copy.m_page.m_kind, CVXMemNode::KIND_GRAPH);
    // Operands held as numbers compare by value, not by name.
    source.m_page.m_isText = copy.m_page.m_isText = 0;
    copy.m_page.m_name = "W2";
    EXPECT_TRUE(copy.CompareProperties(&source));
    copy.m_mode = 0x00010002;
    EXPECT_FALSE(copy.CompareProperties(&source));

    EXPECT_EQ(std::make_pair(source.MergeLimit(0x02), source.MergeLimit(~DWORD{0x02})), std::make_pair(0, 1));
    MemNodeArray nodes;
    source.GetMemNodes(nodes);
    EXPECT_EQ(nodes, MemNodeArray{&source.m_page});
}
