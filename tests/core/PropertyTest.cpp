// Properties of the list that must hold for any settings, checked over
// seeded random lists of every kind of action.
#include <gtest/gtest.h>

#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"
#include "support/RandomList.h"

namespace {

constexpr uint32_t kLists = 300;

// Equal bytes, or where they part and what follows there.
testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    const size_t from = at < 16 ? 0 : at - 16;
    return testing::AssertionFailure() << "bytes part at offset " << at << " of " << actual.size() << " and "
                                       << expected.size() << "\n  actual   ... " << ToHex(actual.substr(from, 48))
                                       << "\n  expected ... " << ToHex(expected.substr(from, 48));
}

// Fills a list of up to 60 random actions.
void FillRandom(RandomList& random, CStepchainData& list) { random.Fill(list, random.Below(61)); }

// Host answers that change the scripts: model variant, timing, layer check, font feature.
void RandomHostSettings(RandomList& random, FakeHost& host)
{
    host.hasSettings = random.Chance(90);
    host.settings.ModelName = random.Pick({"PW-CAVO10", "PW-X5", ""});
    host.settings.RepeatStartTime = random.Below(100);
    host.settings.RepeatInterval = random.Below(20);
    host.settings.AccelerationTime = random.Below(100);
    host.settings.LayerCheck = random.Code(0, 1);
    if (random.Chance(30))
        host.features["WIZ_FONTBUILDER"] = {};
}

TEST(ListProperties, StoreLoadStoreIsByteIdentical)
{
    FakeHost host;
    for (uint32_t seed = 0; seed < kLists; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomList random(seed);
        CStepchainData list;
        FillRandom(random, list);
        const std::string first = StoredBytes(list);

        CStepchainData loaded;
        CArchive in(first);
        loaded.Serialize(in);
        ASSERT_EQ(in.GetRemaining(), 0u);
        ASSERT_EQ(loaded.GetCount(), list.GetCount());
        ASSERT_TRUE(SameBytes(StoredBytes(loaded), first));
    }
}

TEST(ListProperties, CopyComparesEqualScriptsAndStoresTheSame)
{
    FakeHost host;
    for (uint32_t seed = 0; seed < kLists; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomList random(seed);
        RandomHostSettings(random, host);
        FakeObject owner(random.Pick({"Btn1", "\x83\x5B\x83\x8D", "B[clsID]"}));
        CStepchainData list;
        list.SetOwnerObj(&owner);
        list.SetLimit(random.Word());
        FillRandom(random, list);

        CStepchainData copy;
        copy.SetOwnerObj(&owner);
        copy.CopyPropertiesFrom(&list);
        ASSERT_EQ(copy.CompareProperties(&list), 1);
        ASSERT_EQ(list.CompareProperties(&copy), 1);
        ASSERT_EQ(copy.GetLimit(), list.GetLimit());
        for (bool layers : {false, true}) {
            host.layers = layers;
            for (int mode : {0, 1, 2})
                ASSERT_EQ(copy.ExportStr(mode), list.ExportStr(mode)) << "mode " << mode << " layers " << layers;
            ASSERT_EQ(copy.ExportSpecStr(), list.ExportSpecStr());
        }
        ASSERT_TRUE(SameBytes(StoredBytes(copy), StoredBytes(list)));
    }
}

// Which kinds a limit word forbids, written out independently of the actions.
bool Forbidden(int type, DWORD limit)
{
    switch (type) {
    case SC_PAGEJUMP:
    case SC_PASSPAGE:
    case SC_KEYPAD: return (limit & 0x02) != 0;
    case SC_CALCTIME:
    case SC_STRING: return (limit & 0x20) != 0;
    case SC_COMM: return (limit & 0x10) != 0;
    case SC_ACTIONLINK: return (limit & 0x82) != 0 && (limit & 0x08) == 0;
    case SC_REFSH:
    case SC_ACTIONEXIT: return (limit & 0x04) != 0;
    default: return false;
    }
}

// The list as the limit word should leave it: the allowed actions in their
// order, kinds 2 and 3 without repeating when bit 0x01 is set.
void ExpectedAfterLimit(CStepchainData& list, DWORD limit, CStepchainData& expected)
{
    for (IStepchain* action : list.GetActions()) {
        if (Forbidden(action->GetActionType(), limit))
            continue;
        IStepchain* copy = expected.CreateSC(action->GetActionType());
        copy->CopyPropertiesFrom(action);
        if ((limit & 0x01) != 0 && action->GetActionType() == SC_CALC) {
            static_cast<CSCCalc*>(copy)->AutoRepeat = 0;
            static_cast<CSCCalc*>(copy)->Accelerate = 0;
        }
        if ((limit & 0x01) != 0 && action->GetActionType() == SC_CALCTIME) {
            static_cast<CSCCalcTime*>(copy)->AutoRepeat = 0;
            static_cast<CSCCalcTime*>(copy)->Accelerate = 0;
        }
        expected.AddSC(copy);
    }
}

TEST(ListProperties, MergeLimitKeepsExactlyTheAllowedKinds)
{
    for (uint32_t seed = 0; seed < kLists; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomList random(seed);
        CStepchainData list;
        FillRandom(random, list);
        // Every bit half the time, and now and then a word of a single bit.
        const DWORD limit = random.Chance(80) ? random.Word() : 1u << random.Below(8);
        CStepchainData expected;
        ExpectedAfterLimit(list, limit, expected);

        list.SetLimit(limit);
        list.MergeLimit();
        ASSERT_EQ(list.GetCount(), expected.GetCount()) << std::hex << limit;
        for (size_t i = 0; i < list.GetCount(); ++i)
            ASSERT_EQ(list.GetAt(i)->GetActionType(), expected.GetAt(i)->GetActionType()) << i;
        ASSERT_EQ(list.CompareProperties(&expected), 1);
        ASSERT_TRUE(SameBytes(StoredBytes(list), StoredBytes(expected)));
    }
}

TEST(ListProperties, MergeLimitBitOneStopsRepeating)
{
    RandomList random(7);
    CStepchainData list;
    for (int i = 0; i < 20; ++i) {
        auto* calc = static_cast<CSCCalc*>(random.Action(list, SC_CALC));
        calc->AutoRepeat = 1;
        calc->Accelerate = 1;
        list.AddSC(calc);
        auto* clock = static_cast<CSCCalcTime*>(random.Action(list, SC_CALCTIME));
        clock->AutoRepeat = 1;
        clock->Accelerate = 1;
        list.AddSC(clock);
    }
    list.SetLimit(0xFFFFFFDF);
    list.MergeLimit();
    ASSERT_EQ(list.GetCount(), 40u);
    for (size_t i = 0; i < list.GetCount(); i += 2) {
        const auto* calc = static_cast<CSCCalc*>(list.GetAt(i));
        const auto* clock = static_cast<CSCCalcTime*>(list.GetAt(i + 1));
        EXPECT_EQ(calc->AutoRepeat + calc->Accelerate + clock->AutoRepeat + clock->Accelerate, 0u) << i;
    }
}

struct NodeName {
    CVXMemNode* node;
    std::string name;
};

std::vector<NodeName> Names(CStepchainData& list)
{
    std::vector<NodeName> names;
    MemNodeArray nodes;
    for (IStepchain* action : list.GetActions())
        action->GetMemNodes(nodes);
    for (CVXMemNode* node : nodes)
        names.push_back({node, node->m_name});
    return names;
}

TEST(ListProperties, MemSyncThereAndBackRestoresEveryName)
{
    for (uint32_t seed = 0; seed < kLists; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomList random(seed);
        CStepchainData list;
        FillRandom(random, list);
        const std::vector<NodeName> before = Names(list);
        const std::string stored = StoredBytes(list);
        std::string from = random.MemoryName();
        if (!before.empty() && random.Chance(80))
            from = before[random.Below(static_cast<uint32_t>(before.size()))].node->m_name;
        if (from.empty())
            from = "W0";
        const std::string to = random.FreshMemoryName();

        int renamed = 0;
        const int result = list.MemSync(from, to);
        for (const NodeName& was : before) {
            const bool plain = was.node->m_kind != CVXMemNode::KIND_LITERAL_TEXT;
            if (plain && was.name == from) {
                ++renamed;
                ASSERT_EQ(was.node->m_name, to);
            } else {
                ASSERT_EQ(was.node->m_name, was.name);
            }
        }
        ASSERT_EQ(result, renamed > 0 ? 1 : 0);

        ASSERT_EQ(list.MemSync(to, from), result);
        for (const NodeName& was : before)
            ASSERT_EQ(was.node->m_name, was.name);
        ASSERT_TRUE(SameBytes(StoredBytes(list), stored));
    }
}

}
