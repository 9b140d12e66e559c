#include <gtest/gtest.h>

#include <memory>

#include "actions/CSCSetValue.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

// W0 <- 5: each node is flags, name, m_aux 1, m_value 0.
const char* const kW0From5 = "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 "
                             "01 00 00 00 01 35 01 00 00 00 00 00 00 00";

std::string Store(IStepchain& action)
{
    CArchive ar;
    action.Serialize(ar);
    return ar.GetStored();
}

struct ScriptCase {
    const char* dest;
    const char* source;
    const char* key;
    const char* script;
};

TEST(CSCSetValue, Script)
{
    const ScriptCase cases[] = {
        {"", "", "_L0_", "\tMOV  \n"},
        {"W0", "5", "[NAME]_0_", "\tMOV W0 #5\n"},
        {"W0", "-3", "_L0_", "\tMOV W0 #-3\n"},
        {"W0", "W1", "_L0_", "\tMOV W0 W1\n"},
        {"W0", "1.5", "_L0_", "\tMOV W0 1.5\n"},
        {"W0", "5", "INITIAL", ""},
        {"W0", "5", "INTERVAL", ""},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        CSCSetValue action(&list);
        action.Dest.m_name = c.dest;
        action.Source.m_name = c.source;
        EXPECT_EQ(action.ExportStr(c.key, nullptr), c.script) << c.dest << " " << c.source << " " << c.key;
    }
}

TEST(CSCSetValue, Caption)
{
    CStepchainData list;
    CSCSetValue action(&list);
    EXPECT_EQ(action.GetCaption(), Sj("!入力にエラーがあります"));
    EXPECT_EQ(action.IsInvalid(), 1);
    action.Dest.m_name = "W0";
    EXPECT_EQ(action.IsInvalid(), 1);
    action.Source.m_name = "10";
    EXPECT_EQ(action.IsInvalid(), 0);
    EXPECT_EQ(action.GetCaption(), Sj("W0へ10を書込み\n"));

    CSCSetValue other(&list);
    other.Dest.m_name = Sj("温度");
    other.Source.m_name = "W1";
    const std::string* first = &action.GetCaption();
    EXPECT_EQ(first, &other.GetCaption());
    EXPECT_EQ(*first, Sj("温度へW1を書込み\n"));
}

TEST(CSCSetValue, ArchiveRoundTrip)
{
    CStepchainData list;
    CSCSetValue action(&list);
    action.Dest.m_name = "W0";
    action.Source.m_name = "5";
    EXPECT_EQ(ToHex(Store(action)), kW0From5);

    CSCSetValue loaded(&list);
    CArchive in(Hex(kW0From5));
    loaded.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    EXPECT_TRUE(loaded.CompareProperties(&action));
    EXPECT_EQ(ToHex(Store(loaded)), kW0From5);
}

TEST(CSCSetValue, LoadTellsHostAndDropsGraphTag)
{
    // GR1[GRAPH] <- W1
    const std::string bytes = Hex("01 00 00 00 0A 47 52 31 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 "
                                  "01 00 00 00 02 57 31 01 00 00 00 00 00 00 00");
    FakeHost host;
    CStepchainData list;
    CSCSetValue action(&list);
    CArchive in(bytes);
    action.Serialize(in);
    EXPECT_EQ(action.Dest.m_kind, CVXMemNode::KIND_GRAPH);
    EXPECT_EQ(host.nodesLoaded, (std::vector<uintptr_t>{reinterpret_cast<uintptr_t>(&action.Dest),
                                                        reinterpret_cast<uintptr_t>(&action.Source)}));
    EXPECT_EQ(action.ExportStr("_L0_", nullptr), "\tMOV GR1 W1\n");
    EXPECT_EQ(ToHex(Store(action)), ToHex(bytes));
}

TEST(CSCSetValue, OlderTextNodeWithoutSecondText)
{
    // T[TEXT] directly followed by m_aux 1; stored again with an empty second text.
    const std::string older = Hex("01 00 00 00 07 54 5B 54 45 58 54 5D 01 00 00 00 00 00 00 00 "
                                  "01 00 00 00 01 35 01 00 00 00 00 00 00 00");
    const std::string current = Hex("01 00 00 00 07 54 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 "
                                    "01 00 00 00 01 35 01 00 00 00 00 00 00 00");
    CStepchainData list;
    for (const std::string& bytes : {older, current}) {
        CSCSetValue action(&list);
        CArchive in(bytes);
        action.Serialize(in);
        EXPECT_EQ(action.Dest.m_kind, CVXMemNode::KIND_TEXT);
        EXPECT_EQ(action.Source.m_name, "5");
        EXPECT_EQ(ToHex(Store(action)), ToHex(current));
    }
}

TEST(CSCSetValue, CopyCompareNodesAndLimits)
{
    CStepchainData list;
    list.AddSC(list.CreateSC(SC_SETVALUE));
    auto* action = static_cast<CSCSetValue*>(list.GetAt(0));
    action->Dest.m_name = "W0";
    action->Source.m_isText = 0;
    action->Source.m_value = 7;

    CStepchainData copy;
    copy.CopyPropertiesFrom(&list);
    EXPECT_EQ(copy.CompareProperties(&list), 1);
    auto* copied = static_cast<CSCSetValue*>(copy.GetAt(0));
    copied->Source.m_value = 8;
    EXPECT_FALSE(copied->CompareProperties(action));
    const std::unique_ptr<IStepchain> label(list.CreateSC(SC_LABEL));
    EXPECT_FALSE(action->CompareProperties(label.get()));

    MemNodeArray nodes;
    action->GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&action->Dest, &action->Source}));

    list.SetLimit(0xFFFFFFFF);
    list.MergeLimit();
    EXPECT_EQ(list.GetCount(), 1u);
}

}
