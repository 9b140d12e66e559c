#include <gtest/gtest.h>

#include "actions/CSCSetValue.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"

namespace {

std::string Store(IStepchain& action)
{
    return ToHex(StoredBytes(action));
}

TEST(CSCSetValue, ScriptAndCaption)
{
    struct Case {
        const char* dest;
        const char* source;
        const char* key;
        const char* script;
        const char* caption;
    };
    const Case cases[] = {
        {"", "", "_L0_", "\tMOV  \n", "!入力にエラーがあります"},
        {"W0", "", "_L0_", "\tMOV W0 \n", "!入力にエラーがあります"},
        {"W0", "10", "[NAME]_0_", "\tMOV W0 #10\n", "W0へ10を書込み\n"},
        {"温度", "W1", "_L0_", "\tMOV 温度 W1\n", "温度へW1を書込み\n"},
        {"W0", "-3", "INITIAL", "", "W0へ-3を書込み\n"},
        {"W0", "1.5", "INTERVAL", "", "W0へ1.5を書込み\n"},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        CSCSetValue action(&list);
        action.Dest.m_name = Sj(c.dest);
        action.Source.m_name = c.source;
        EXPECT_EQ(action.ExportStr(c.key, nullptr), Sj(c.script)) << c.dest << c.source << c.key;
        EXPECT_EQ(action.GetCaption(), Sj(c.caption));
    }
}

TEST(CSCSetValue, LoadsTagsAndOlderTextNodes)
{
    // GR1[GRAPH] <- 5, then T[TEXT] <- 5 stored without the second text of a text node.
    const char* const graph = "01 00 00 00 0A 47 52 31 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 ";
    const char* const five = "01 00 00 00 01 35 01 00 00 00 00 00 00 00";
    const char* const olderText = "01 00 00 00 07 54 5B 54 45 58 54 5D 01 00 00 00 00 00 00 00 ";
    const char* const text = "01 00 00 00 07 54 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
    struct Case {
        std::string bytes;
        std::string stored;
        const char* script;
    };
    for (const Case& c : {Case{graph + std::string(five), graph + std::string(five), "\tMOV GR1 #5\n"},
                          Case{olderText + std::string(five), text + std::string(five), "\tMOV T #5\n"}}) {
        FakeHost host;
        CStepchainData list;
        CSCSetValue action(&list);
        CArchive in(Hex(c.bytes));
        action.Serialize(in);
        EXPECT_EQ(in.GetRemaining(), 0u);
        EXPECT_EQ(host.nodesLoaded.size(), 2u);
        EXPECT_EQ(action.ExportStr("_L0_", nullptr), c.script);
        EXPECT_EQ(Store(action), c.stored);
    }
}

TEST(CSCSetValue, CopyCompareAndNodes)
{
    CStepchainData list;
    CSCSetValue source(&list);
    source.Source.m_isText = 0;
    source.Source.m_value = 7;
    CSCSetValue copy(&list);
    copy.CopyPropertiesFrom(&source);
    EXPECT_TRUE(copy.CompareProperties(&source));
    copy.Source.m_value = 8;
    EXPECT_FALSE(copy.CompareProperties(&source));
    MemNodeArray nodes;
    source.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&source.Dest, &source.Source}));
}

}
