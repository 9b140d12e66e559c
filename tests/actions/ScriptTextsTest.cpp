#include <gtest/gtest.h>

#include "actions/CSCAction.h"
#include "support/FakeHost.h"
#include "support/RandomList.h"

namespace {

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
            const std::string script =
                action.ExportStr(PASS_INITIAL, nullptr) + action.ExportStr("_L0_", nullptr) +
                action.ExportStr(PASS_INTERVAL, nullptr);
            const std::vector<ScriptText> texts = action.GetScriptTexts();
            for (const std::string& mark : marks) {
                bool named = false;
                for (const ScriptText& text : texts)
                    named = named || text.text.find(mark) != std::string::npos;
                EXPECT_EQ(named, script.find(mark) != std::string::npos)
                    << "seed " << seed << " kind " << type << " " << mark << "\n" << script;
            }
        }
    }
}

}
