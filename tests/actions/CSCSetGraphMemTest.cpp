#include <gtest/gtest.h>

#include <memory>

#include "actions/CSCSetGraphMem.h"
#include "core/CStepchainData.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

// GR1 (graph memory), position IDX, value 5, write.
const char* const kExampleBytes =
    "01 00 00 00 0A 47 52 31 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 "
    "01 00 00 00 03 49 44 58 01 00 00 00 00 00 00 00 "
    "01 00 00 00 01 35 01 00 00 00 00 00 00 00 "
    "00 00 00 00";

std::string Stored(IStepchain& action)
{
    CArchive ar;
    action.Serialize(ar);
    return ar.GetStored();
}

void Load(IStepchain& action, const std::string& bytes)
{
    CArchive ar(bytes);
    action.Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
}

void Set(CSCSetGraphMem& action, const char* graph, const char* position, const char* value, int access)
{
    action.GraphMem.m_name = graph;
    action.Position.m_name = position;
    action.Value.m_name = value;
    action.Access = access;
}

}

TEST(CSCSetGraphMem, NewActionIsEmptyAndInvalid)
{
    CStepchainData list;
    std::unique_ptr<IStepchain> created(list.CreateSC(SC_SETGRAPHMEM));
    ASSERT_NE(created, nullptr);
    auto& action = static_cast<CSCSetGraphMem&>(*created);
    EXPECT_EQ(action.GetActionType(), 12);
    EXPECT_EQ(action.IsInvalid(), 1);
    EXPECT_EQ(action.GetCaption(), T(Txt::InputError));
    EXPECT_EQ(ToHex(Stored(action)), "01 00 00 00 07 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 "
                                     "01 00 00 00 00 01 00 00 00 00 00 00 00 "
                                     "01 00 00 00 00 01 00 00 00 00 00 00 00 "
                                     "00 00 00 00");
    EXPECT_EQ(action.ExportStr("R1", nullptr),
              "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&+\n\tMOV b(tmpAddr) \n\tUPDATE_MEMLINK \n");
}

TEST(CSCSetGraphMem, Script)
{
    struct Case {
        const char* graph;
        const char* position;
        const char* value;
        int access;
        const char* script;
    };
    const Case cases[] = {
        {"GR1", "IDX", "5", 0,
         "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+IDX\n\tMOV b(tmpAddr) #5\n\tUPDATE_MEMLINK GR1\n"},
        {"GR1", "IDX", "W0", 1, "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+IDX\n\tMOV W0 b(tmpAddr)\n"},
        {"GR1", "3", "W0", 7, "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+#3\n\tMOV b(tmpAddr) W0\n\tUPDATE_MEMLINK GR1\n"},
        {"GR2[GRAPH]", "-1", "W0", 0,
         "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR2+#-1\n\tMOV b(tmpAddr) W0\n\tUPDATE_MEMLINK GR2\n"},
    };
    for (const Case& c : cases) {
        CSCSetGraphMem action(nullptr);
        Set(action, c.graph, c.position, c.value, c.access);
        EXPECT_EQ(action.ExportStr("R1", nullptr), c.script) << c.graph << " " << c.access;
        EXPECT_EQ(action.ExportStr("INITIAL", nullptr), "");
        EXPECT_EQ(action.ExportStr("INTERVAL", nullptr), "");
    }
}

TEST(CSCSetGraphMem, Caption)
{
    CSCSetGraphMem write(nullptr);
    Set(write, "GR1", "IDX", "5", 0);
    CSCSetGraphMem read(nullptr);
    Set(read, "GR1", "3", "W0", 1);
    EXPECT_EQ(write.GetCaption(), Sj("GR1[位置指定:IDX]#5 を書き込み\n"));
    const std::string& second = read.GetCaption();
    EXPECT_EQ(second, Sj("GR1[位置指定:#3]W0 に読み出し\n"));
    EXPECT_EQ(&write.GetCaption(), &second);
}

TEST(CSCSetGraphMem, EachOperandIsRequired)
{
    for (int missing = 0; missing < 3; ++missing) {
        CSCSetGraphMem action(nullptr);
        Set(action, missing == 0 ? "" : "GR1", missing == 1 ? "" : "IDX", missing == 2 ? "" : "5", 0);
        EXPECT_EQ(action.IsInvalid(), 1) << missing;
    }
}

TEST(CSCSetGraphMem, ArchiveOfTheExampleRoundTrips)
{
    CSCSetGraphMem action(nullptr);
    Set(action, "GR1", "IDX", "5", 0);
    ASSERT_EQ(ToHex(Stored(action)), ToHex(Hex(kExampleBytes)));

    FakeHost host;
    CSCSetGraphMem loaded(nullptr);
    Load(loaded, Hex(kExampleBytes));
    EXPECT_EQ(loaded.GraphMem.m_name, "GR1");
    EXPECT_EQ(loaded.GraphMem.m_kind, CVXMemNode::KIND_GRAPH);
    EXPECT_EQ(loaded.Value.m_name, "5");
    EXPECT_EQ(host.Count(hostmsg::NODE_LOADED), 3);
    EXPECT_TRUE(loaded.CompareProperties(&action));
    EXPECT_EQ(ToHex(Stored(loaded)), ToHex(Hex(kExampleBytes)));
}

TEST(CSCSetGraphMem, ShortRecordFails)
{
    const std::string bytes = Hex(kExampleBytes);
    CSCSetGraphMem action(nullptr);
    CArchive ar(bytes.substr(0, bytes.size() - 1));
    try {
        action.Serialize(ar);
        FAIL() << "loaded a short record";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
    }
}

TEST(CSCSetGraphMem, CompareAndCopy)
{
    CSCSetGraphMem base(nullptr);
    Set(base, "GR1", "IDX", "5", 0);
    using Change = void (*)(CSCSetGraphMem&);
    const Change changes[] = {
        [](CSCSetGraphMem& a) { a.GraphMem.m_name = "GR2"; },
        [](CSCSetGraphMem& a) { a.Position.m_name = "IDY"; },
        [](CSCSetGraphMem& a) { a.Value.m_name = "6"; },
        [](CSCSetGraphMem& a) { a.Access = 1; },
    };
    for (Change change : changes) {
        CSCSetGraphMem other(nullptr);
        other.CopyPropertiesFrom(&base);
        EXPECT_TRUE(other.CompareProperties(&base));
        change(other);
        EXPECT_FALSE(other.CompareProperties(&base));
        EXPECT_FALSE(base.CompareProperties(&other));
    }
    CStepchainData list;
    std::unique_ptr<IStepchain> exit(list.CreateSC(SC_ACTIONEXIT));
    EXPECT_FALSE(base.CompareProperties(exit.get()));
}

TEST(CSCSetGraphMem, OperandsAndLimit)
{
    CSCSetGraphMem action(nullptr);
    MemNodeArray nodes;
    action.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&action.GraphMem, &action.Position, &action.Value}));
    EXPECT_TRUE(action.MergeLimit(0xFFFFFFFF));
}
