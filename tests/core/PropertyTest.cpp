// Properties of the list that must hold for any settings, checked over
// seeded random lists of every kind of action.
#include <gtest/gtest.h>

#include <algorithm>

#include "actions/CSCAction.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/RandomList.h"
#include "support/Stored.h"

namespace {

TEST(ListProperties, StoreLoadCopyCompareScriptAndRenameBack)
{
    FakeHost host;
    for (uint32_t seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomList random(seed);
        // Host answers that change the scripts: model variant, interval, layer check, font feature.
        host.hasSettings = random.Chance(90);
        host.settings.ModelName = random.Pick({"PW-CAVO10", "PW-X5", ""});
        host.settings.RepeatInterval = random.Below(20);
        host.settings.LayerCheck = random.Code(0, 1);
        host.features.clear();
        if (random.Chance(30))
            host.features["WIZ_FONTBUILDER"] = {};
        FakeObject owner(random.Pick({"Btn1", "\x83\x5B\x83\x8D", "B[clsID]"}));
        CStepchainData list;
        list.SetOwnerObj(&owner);
        list.SetLimit(random.Word());
        random.Fill(list, random.Below(61));
        const std::string stored = StoredBytes(list);

        CStepchainData loaded;
        CArchive in(stored);
        loaded.Serialize(in);
        ASSERT_EQ(in.GetRemaining(), 0u);
        ASSERT_EQ(ToHex(StoredBytes(loaded)), ToHex(stored));

        CStepchainData copy;
        copy.SetOwnerObj(&owner);
        copy.CopyPropertiesFrom(&list);
        ASSERT_EQ(copy.CompareProperties(&list) + list.CompareProperties(&copy), 2);
        ASSERT_EQ(copy.GetLimit(), list.GetLimit());
        for (bool layers : {false, true}) {
            host.layers = layers;
            for (int mode : {0, 1, 2})
                ASSERT_EQ(copy.ExportStr(mode), list.ExportStr(mode)) << "mode " << mode << " layers " << layers;
            ASSERT_EQ(copy.ExportSpecStr(), list.ExportSpecStr());
        }
        ASSERT_EQ(ToHex(StoredBytes(copy)), ToHex(stored));

        // A rename to a fresh name and back: exactly the plain operands of that name change, then all return.
        MemNodeArray nodes;
        for (IStepchain* action : list.GetActions())
            action->GetMemNodes(nodes);
        std::vector<std::string> before;
        for (const CVXMemNode* node : nodes)
            before.push_back(node->m_name);
        std::string from = nodes.empty() || random.Chance(20) ? random.MemoryName() : before[random.Below(nodes.size())];
        from = from.empty() ? "W0" : from;
        const std::string to = random.FreshMemoryName();
        int renamed = 0;
        const int result = list.MemSync(from, to);
        for (size_t i = 0; i < nodes.size(); ++i) {
            const bool hit = nodes[i]->m_kind != CVXMemNode::KIND_LITERAL_TEXT && before[i] == from;
            renamed += hit ? 1 : 0;
            ASSERT_EQ(nodes[i]->m_name, hit ? to : before[i]);
        }
        ASSERT_EQ(result, renamed > 0 ? 1 : 0);
        ASSERT_EQ(list.MemSync(to, from), result);
        ASSERT_EQ(ToHex(StoredBytes(list)), ToHex(stored));
    }
}

// A text field or operand holds a mark of its own; a mark is in the script
// exactly when the action names it among the texts of its script lines.
TEST(ScriptTexts, AreEveryTextTheScriptHolds)
{
    FakeHost host;
    for (uint32_t seed = 0; seed < 60; ++seed) {
        RandomList random(seed);
        host.layers = random.Chance(50);
        host.settings.ModelName = random.Pick({"PW-CAVO10", "GP-10"});
        CStepchainData list;
        for (int type = 0; type < SC_TYPE_COUNT; ++type) {
            CSCAction& action = *CSCAction::AsAction(random.Action(list, type));
            list.AddSC(&action);
            std::vector<std::string> marks;
            for (const ActionField& field : action.GetFields().fields) {
                const std::string mark = "~" + std::to_string(marks.size()) + "~";
                if (field.Type() == FieldType::Operand)
                    field.Operand(action).m_name = mark;
                else if (field.Type() == FieldType::Text)
                    field.Text(action) = mark;
                else
                    continue;
                marks.push_back(mark);
            }
            const std::string script = action.ExportStr(PASS_INITIAL, nullptr) + action.ExportStr("_L0_", nullptr) +
                                       action.ExportStr(PASS_INTERVAL, nullptr);
            const std::vector<ScriptText> texts = action.GetScriptTexts();
            for (const std::string& mark : marks) {
                const bool named = std::ranges::any_of(texts, [&](const ScriptText& t) { return t.text.find(mark) != std::string::npos; });
                EXPECT_EQ(named, script.find(mark) != std::string::npos)
                    << "seed " << seed << " kind " << type << " " << mark << "\n" << script;
            }
        }
    }
}

}
