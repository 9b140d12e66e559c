#include <gtest/gtest.h>

#include "actions/CSCLabel.h"
#include "actions/CSCPageJump.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

const char* const kError = "!入力にエラーがあります";

struct ModeCase {
    bool layers;
    uint32_t mode;
    const char* page;
    const char* script;
    const char* caption;  // UTF-8
    int invalid;
};

const ModeCase kModeCases[] = {
    {true, 0x800A0002, "5", "\tCHANGE_PAGE 1 10 #5\n", "LAYER2 ページ5に移動 エフェクト=フェード", 0},
    {true, 0x00010000, "", "\tEDIM tmpW W\n\tEXPR tmpW=LAYER1+#1\n\tCHANGE_PAGE 0 1 tmpW\n", "LAYER1 次ページに移動 エフェクト=スクロール ←", 0},
    {true, 0x00080001, "", "\tEDIM tmpW W\n\tEXPR tmpW=LAYER1-#1\n\tCHANGE_PAGE 0 8 tmpW\n", "LAYER1 前ページに移動 エフェクト=スライド ↓", 0},
    {true, 0x00000002, "W100", "\tCHANGE_PAGE 0 0 W100\n", "LAYER1 ページW100に移動 エフェクト=なし", 0},
    {true, 0x00000002, "", "\tCHANGE_PAGE 0 0 \n", kError, 1},
    {true, 0xFFFFFFFF, "5", "", kError, 1},
    {true, 0x00000003, "5", "", kError, 1},
    // An effect beyond the table is written as stored but never named.
    {true, 0x000B0002, "5", "\tCHANGE_PAGE 0 11 #5\n", kError, 2},
    {true, 0x7FFF0000, "", "\tEDIM tmpW W\n\tEXPR tmpW=LAYER1+#1\n\tCHANGE_PAGE 0 127 tmpW\n", kError, 2},
    {false, 0, "", "\tEXPR LAYER1=LAYER1+#1\n", "次ページに移動", 0},
    {false, 1, "", "\tEXPR LAYER1=LAYER1-#1\n", "前ページに移動", 0},
    {false, 2, "12", "\tMOV LAYER1 #12\n", "ページ 12に移動", 0},
    {false, 2, "", "\tMOV LAYER1 \n", kError, 1},
    {false, 0xFFFFFFFF, "5", "", kError, 1},
    {false, 0x800A0002, "5", "", kError, 1},
};

}

TEST(PageJump, ScriptCaptionAndValidityFollowTheModel)
{
    FakeHost host;
    for (const ModeCase& c : kModeCases) {
        SCOPED_TRACE(testing::Message() << c.layers << " " << std::hex << c.mode << " " << c.page);
        host.layers = c.layers;
        CSCPageJump jump(nullptr);
        jump.m_mode = static_cast<int32_t>(c.mode);
        jump.m_page.m_name = c.page;
        EXPECT_EQ(jump.ExportStr("_Btn_[EVENT]_L0_", nullptr), c.script);
        EXPECT_EQ(jump.ExportStr("INITIAL", nullptr), "");
        EXPECT_EQ(jump.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(jump.GetCaption(), Sj(c.caption));
        EXPECT_EQ(jump.IsInvalid(), c.invalid);
    }
}

TEST(PageJump, ArchiveRoundTrip)
{
    const struct {
        int32_t mode;
        const char* page;
        const char* bytes;
    } cases[] = {
        {-1, "", "01 00 00 00 00 01 00 00 00 00 00 00 00 FF FF FF FF"},
        {static_cast<int32_t>(0x800A0002), "5", "01 00 00 00 01 35 01 00 00 00 00 00 00 00 02 00 0A 80"},
    };
    for (const auto& c : cases) {
        FakeHost host;
        CSCPageJump jump(nullptr);
        jump.m_mode = c.mode;
        jump.m_page.m_name = c.page;
        CArchive out;
        jump.Serialize(out);
        EXPECT_EQ(ToHex(out.GetStored()), c.bytes);

        CSCPageJump loaded(nullptr);
        CArchive in(Hex(c.bytes));
        loaded.Serialize(in);
        EXPECT_EQ(loaded.m_mode, c.mode);
        EXPECT_EQ(loaded.m_page.m_name, c.page);
        EXPECT_EQ(host.nodesLoaded.size(), *c.page != '\0' ? 1u : 0u);
        CArchive again;
        loaded.Serialize(again);
        EXPECT_EQ(again.GetStored(), out.GetStored());
    }
    CSCPageJump cut(nullptr);
    CArchive shortIn(Hex("01 00 00 00 01 35 01 00 00 00 00 00 00 00 02 00"));
    EXPECT_THROW(cut.Serialize(shortIn), CArchiveException);
}

TEST(PageJump, CopyCompareLimitAndNodes)
{
    CSCPageJump source(nullptr);
    source.m_mode = 2;
    source.m_page.m_name = "W1";
    source.m_page.m_text2 = "PLC1.W1";
    source.m_page.m_kind = CVXMemNode::KIND_GRAPH;
    CSCPageJump copy(nullptr);
    copy.CopyPropertiesFrom(&source);
    EXPECT_EQ(copy.m_page.m_text2, "PLC1.W1");
    EXPECT_EQ(copy.m_page.m_kind, CVXMemNode::KIND_GRAPH);
    EXPECT_TRUE(copy.CompareProperties(&source));

    // Operands held as numbers compare by value, not by name.
    source.m_page.m_isText = copy.m_page.m_isText = 0;
    copy.m_page.m_name = "W2";
    EXPECT_TRUE(copy.CompareProperties(&source));
    copy.m_mode = 0x00010002;
    EXPECT_FALSE(copy.CompareProperties(&source));
    CSCLabel label(nullptr);
    EXPECT_FALSE(source.CompareProperties(&label));

    EXPECT_FALSE(source.MergeLimit(0x02));
    EXPECT_TRUE(source.MergeLimit(~DWORD{0x02}));
    MemNodeArray nodes;
    source.GetMemNodes(nodes);
    EXPECT_EQ(nodes, MemNodeArray{&source.m_page});
}

TEST(PageJump, CaptionAsksForLayersEachTimeInOneSharedBuffer)
{
    FakeHost host;
    CSCPageJump next(nullptr);
    next.m_mode = 0;
    CSCPageJump given(nullptr);
    given.m_mode = 2;
    given.m_page.m_name = "3";
    const std::string& caption = next.GetCaption();
    EXPECT_EQ(caption, Sj("次ページに移動"));
    EXPECT_EQ(&given.GetCaption(), &caption);
    EXPECT_EQ(caption, Sj("ページ 3に移動"));
    host.layers = true;
    EXPECT_EQ(next.GetCaption(), Sj("LAYER1 次ページに移動 エフェクト=なし"));
}
