// Properties of the list that must hold for any settings, checked over
// seeded random lists of every kind of action.
#include <gtest/gtest.h>

#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"
#include "support/RandomList.h"

namespace {

constexpr uint32_t kLists = 300;

// Compared as hexadecimal, so that a failure shows where the bytes part.
testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << ToHex(actual) << "\n  is not\n" << ToHex(expected);
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
