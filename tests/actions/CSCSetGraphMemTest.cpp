#include <gtest/gtest.h>

#include "actions/CSCSetGraphMem.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/Stored.h"

namespace {

CSCSetGraphMem Make(const char* graph, const char* position, const char* value, int access)
{
    CSCSetGraphMem a(nullptr);
    a.GraphMem.m_name = graph;
    a.Position.m_name = position;
    a.Value.m_name = value;
    a.Access = access;
    return a;
}

std::string Stored(CSCSetGraphMem a)
{
    return ToHex(StoredBytes(a));
}

}

TEST(CSCSetGraphMem, ScriptAndCaption)
{
    const struct {
        CSCSetGraphMem a;
        const char* script;
        const char* caption;  // null: invalid
    } cases[] = {
        {Make("GR1", "IDX", "5", 0), "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+IDX\n\tMOV b(tmpAddr) #5\n\tUPDATE_MEMLINK GR1\n",
         "GR1[位置指定:IDX]#5 を書き込み\n"},
        {Make("GR1[GRAPH]", "3", "W0", 1), "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+#3\n\tMOV W0 b(tmpAddr)\n",
         "GR1[位置指定:#3]W0 に読み出し\n"},
        {Make("GR1", "", "W0", 1), "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+\n\tMOV W0 b(tmpAddr)\n", nullptr},
    };
    for (auto c : cases) {
        EXPECT_EQ(c.a.ExportStr("R1", nullptr), c.script);
        EXPECT_EQ(c.a.ExportStr("INITIAL", nullptr) + c.a.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(c.a.GetCaption(), c.caption ? Sj(c.caption) : T(Txt::InputError));
    }
}

TEST(CSCSetGraphMem, ArchiveRoundTrip)
{
    EXPECT_EQ(Stored(CSCSetGraphMem(nullptr)), "01 00 00 00 07 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 "
                                               "01 00 00 00 00 01 00 00 00 00 00 00 00 "
                                               "01 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00");
    const std::string example = "01 00 00 00 0A 47 52 31 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 "
                                "01 00 00 00 03 49 44 58 01 00 00 00 00 00 00 00 "
                                "01 00 00 00 01 35 01 00 00 00 00 00 00 00 01 00 00 00";
    CSCSetGraphMem loaded(nullptr);
    CArchive ar(Hex(example));
    loaded.Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    EXPECT_EQ(loaded.GraphMem.m_name, "GR1");
    EXPECT_EQ(loaded.Access, 1);
    EXPECT_EQ(Stored(loaded), example);
}

TEST(CSCSetGraphMem, CompareAndOperands)
{
    CSCSetGraphMem base = Make("GR1", "IDX", "5", 0);
    CSCSetGraphMem same = Make("GR1", "IDX", "5", 0);
    EXPECT_TRUE(base.CompareProperties(&same));
    for (CSCSetGraphMem other :
         {Make("GR2", "IDX", "5", 0), Make("GR1", "IDY", "5", 0), Make("GR1", "IDX", "6", 0), Make("GR1", "IDX", "5", 1)})
        EXPECT_FALSE(base.CompareProperties(&other));
    MemNodeArray nodes;
    base.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&base.GraphMem, &base.Position, &base.Value}));
    EXPECT_TRUE(base.MergeLimit(0xFFFFFFFF));
}
