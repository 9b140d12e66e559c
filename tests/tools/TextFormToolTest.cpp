#include "tools/ToolFixture.h"

#include <vector>

#include "core/CStepchainData.h"
#include "support/Bytes.h"

namespace {

const std::string kExamples = STEPCHAIN_EXAMPLES;

// Exit code of the schema check of `files`: 0 when each is as `expected` says.
int CheckSchema(const std::string& expected, const std::vector<fs::path>& files)
{
    std::string command = std::string(STEPCHAIN_CHECK_SCHEMA) + " " + STEPCHAIN_SCHEMA + " " + expected;
    for (const fs::path& file : files)
        command += " " + file.string();
    return WEXITSTATUS(std::system(command.c_str()));
}

std::string Document(const std::string& actions)
{
    return R"({"format": "stepchain-list", "version": 1, "actions": [)" + actions + "]}";
}

}

TEST_F(Tool, DumpThenBuildGivesTheBytesThatStoreGives)
{
    const std::pair<std::string, std::string> lists[] = {
        {"flow", ReadFile(kExamples + "/flow.stepchain")},
        {"calc", ReadFile(kExamples + "/calc.stepchain")},
        {"mixed", ReadFile(kExamples + "/mixed.stepchain")},
        {"every", EveryKindStored()},
    };
    std::vector<fs::path> dumps;
    for (const auto& [name, bytes] : lists) {
        const fs::path list = File(name + ".stepchain", bytes);
        const fs::path text = m_dir / (name + ".json");
        const fs::path stored = m_dir / (name + ".stored");
        const fs::path built = m_dir / (name + ".built");
        EXPECT_EQ(Run("dump - -o " + text.string(), bytes).code, 0);
        EXPECT_EQ(Run("store " + list.string() + " -o " + stored.string()).code, 0);
        EXPECT_EQ(Run("build " + text.string() + " -o " + built.string()).code, 0);
        EXPECT_EQ(ToHex(ReadFile(built)), ToHex(ReadFile(stored))) << name;
        EXPECT_EQ(Run("store " + text.string() + " -o " + built.string()).code, 0);
        EXPECT_EQ(ToHex(ReadFile(built)), ToHex(ReadFile(stored))) << name;
        dumps.push_back(text);
    }
    EXPECT_EQ(CheckSchema("valid", dumps), 0);
}

TEST_F(Tool, SchemaRefusesWhatBuildRefuses)
{
    const std::string documents[] = {
        Document(R"({"kind": "goto"})"),
        Document(R"({"kind": "label"})"),
        Document(R"({"kind": "label", "m_name": "A", "Name": "B"})"),
        Document(R"({"kind": "label", "m_name": {"bytes": "8G"}})"),
        Document(R"({"kind": "call", "m_routine": 1})"),
        R"({"format": "stepchain-list", "version": 2, "actions": []})",
    };
    std::vector<fs::path> files;
    for (const std::string& document : documents) {
        files.push_back(File("bad" + std::to_string(files.size()) + ".json", document));
        EXPECT_EQ(Run("build " + files.back().string() + " -o " + (m_dir / "out").string()).code, 2) << document;
    }
    EXPECT_EQ(CheckSchema("invalid", files), 0);
}
