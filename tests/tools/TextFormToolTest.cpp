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
        const Result dump = Run("dump " + list.string());
        EXPECT_EQ(dump.code, 0) << dump.err;
        EXPECT_EQ(Run("dump - -o " + text.string(), bytes).code, 0);
        EXPECT_EQ(ReadFile(text), dump.out);
        EXPECT_EQ(Run("store " + list.string() + " -o " + stored.string()).code, 0);
        EXPECT_EQ(Run("build " + text.string() + " -o " + built.string()).code, 0);
        EXPECT_EQ(ToHex(ReadFile(built)), ToHex(ReadFile(stored))) << name;
        EXPECT_EQ(Run("store " + text.string() + " -o " + built.string()).code, 0);
        EXPECT_EQ(ToHex(ReadFile(built)), ToHex(ReadFile(stored))) << name;
        dumps.push_back(text);
    }
    EXPECT_EQ(CheckSchema("valid", dumps), 0);
}

TEST_F(Tool, EveryCommandReadsTheTextForm)
{
    const std::string binary = kExamples + "/mixed.stepchain";
    const fs::path text = File("mixed.json", Run("dump " + binary).out);
    const std::string host = " --host " + kExamples + "/host.json";
    for (const std::string command : {"script --owner Btn1", "script --mode 1", "spec --raw", "spec --name P",
                                       "keywords", "show", "check"}) {
        const Result fromBinary = Run(command + " " + binary + host);
        const Result fromText = Run(command + " " + text.string() + host);
        EXPECT_EQ(fromText.code, fromBinary.code) << command;
        EXPECT_EQ(fromText.out, fromBinary.out) << command;
    }
    EXPECT_EQ(Run("script -" + host, ReadFile(text)).out, Run("script " + binary + host).out);
}

TEST_F(Tool, RefusalsNameTheJsonPath)
{
    const struct {
        const char* command;
        std::string input;
        std::string message;
    } cases[] = {
        {"build", Document(R"({"kind": "label", "m_name": "A"}, {"kind": "label", "m_name": "é"})"),
         "actions[1].m_name: holds a character that CP932 cannot hold"},
        {"build", Hex("01 00 0F"), "a zero byte at byte offset 1, which JSON text cannot hold"},
        {"store", Document(R"({"kind": "end", "m_name": ""})"), R"(actions[0].m_name: is not a field of kind "end")"},
        {"store", "{\"kind\": 1}",
         "bad format while reading row 1 (unknown action type 107) at byte offset 3; as the text form: a JSON object "
         "without \"format\": \"stepchain-list\""},
    };
    for (const auto& c : cases) {
        const fs::path in = File("in.json", c.input);
        const fs::path out = File("out.stepchain", "old");
        const Result result = Run(std::string(c.command) + " " + in.string() + " -o " + out.string());
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.err, "stepchain: " + in.string() + ": " + c.message + "\n");
        EXPECT_EQ(ReadFile(out), "old");
    }
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
