// What each command gives on the sample lists, and the tool in Git.
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "tools/ToolFixture.h"

namespace {

const std::string kExamples = STEPCHAIN_EXAMPLES;
const std::string kFlow = kExamples + "/flow.stepchain";
// A label "A", a redraw, a label "A" again, the end of actions.
const std::string kDuplicate = Hex("04 00 0D 01 41 0B 0D 01 41 0F");

TEST_F(Tool, CommandsGiveTheirOutput)
{
    const fs::path layers = File("layers.json", R"({"layers": true})");
    const fs::path duplicate = File("dup.stepchain", kDuplicate);
    const struct {
        std::string args;
        std::string input;
        std::string out;  // the whole output, or its start when `prefix`
        bool prefix = false;
    } cases[] = {
        {"script " + kFlow + " --owner Btn1", "",
         Sj(";![PAGE] [NAME] [EVENT]\n\tR_LBL _[NAME]_[EVENT]_Retry\n\tREFSH\n\tR_LBL _[NAME]_[EVENT]_完了\n"
            "\tR_JP _[NAME]_[EVENT]_Exit\n\tR_LBL _[NAME]_[EVENT]_Exit\n")},
        {"script - --mode 1 --host " + layers.string(), ReadFile(kFlow), ";![PAGE] [NAME] [EVENT]\n"},
        {"show " + duplicate.string(), "",
         "(4件設定済)\n1  ラベル  分岐先ラベル:'A'同名ラベルは定義できません  (invalid)\n2  描画更新  \n"
         "3  ラベル  分岐先ラベル:'A'同名ラベルは定義できません  (invalid)\n4  アクション終了  \n"},
        {"spec " + kFlow + " --name 'A&B'", "", "    <tr>\n        <td>\n            A&amp;B\n", true},
        {"spec " + kFlow + " --raw", "", "                <tr>\n", true},
        {"keywords " + kFlow, "", "分岐先ラベル:'Retry'::分岐先ラベル:'完了'::\n"},
        {"keywords " + kFlow + " --raw", "", Sj("分岐先ラベル:'Retry'::分岐先ラベル:'完了'::\n")},
        {"merge-limit " + kFlow + " --limit 0x04 -o -", "", Hex("02 00 0D 05 52 65 74 72 79 0D 04 8A AE 97 B9")},
        {"merge-limit " + kFlow + " --limit 4 -o -", "", Hex("02 00 0D 05 52 65 74 72 79 0D 04 8A AE 97 B9")},
    };
    for (const auto& c : cases) {
        const Result result = Run(c.args, c.input);
        EXPECT_EQ(result.code, 0) << c.args << ": " << result.err;
        EXPECT_EQ(c.prefix ? result.out.substr(0, c.out.size()) : result.out, c.out) << c.args;
    }
}

// Exit code of the schema check of `files`: 0 when each is as `expected` says.
int CheckSchema(const std::string& expected, const std::vector<fs::path>& files)
{
    std::string command = std::string(STEPCHAIN_CHECK_SCHEMA) + " " + STEPCHAIN_SCHEMA + " " + expected;
    for (const fs::path& file : files)
        command += " " + file.string();
    return WEXITSTATUS(std::system(command.c_str()));
}

// The text form that dump writes is valid, builds the bytes that store
// writes, and gives every command what the binary list gives.
TEST_F(Tool, TextFormStandsForTheBinaryList)
{
    std::vector<fs::path> dumps;
    for (const std::string name : {"flow", "calc", "mixed", "every"}) {
        const std::string bytes = name == "every" ? EveryKindStored() : ReadFile(kExamples + "/" + name + ".stepchain");
        const fs::path list = File(name + ".stepchain", bytes);
        const fs::path text = m_dir / (name + ".json");
        const fs::path built = m_dir / "built";
        EXPECT_EQ(Run("dump - -o " + text.string(), bytes).code, 0);
        EXPECT_EQ(Run("build " + text.string() + " -o " + built.string()).code, 0);
        EXPECT_EQ(ToHex(ReadFile(built)), ToHex(Run("store " + list.string() + " -o -").out)) << name;
        for (const std::string command : {"script --mode 1 --owner Btn1", "show", "spec --raw"}) {
            const std::string host = " --host " + kExamples + "/host.json";
            const Result fromBinary = Run(command + " " + list.string() + host);
            EXPECT_EQ(fromBinary.code, 0) << command << ": " << fromBinary.err;
            EXPECT_EQ(Run(command + " " + text.string() + host).out, fromBinary.out) << name << ": " << command;
        }
        dumps.push_back(text);
    }
    EXPECT_EQ(CheckSchema("valid", dumps), 0);
    std::vector<fs::path> refused;
    for (const std::string actions : {R"({"kind": "goto"})", R"({"kind": "label"})",
                                      R"({"kind": "label", "m_name": "A", "Name": "B"})",
                                      R"({"kind": "label", "m_name": {"bytes": "8G"}})", R"({"kind": "call", "m_routine": 1})"}) {
        refused.push_back(File("bad" + std::to_string(refused.size()) + ".json",
                               R"({"format": "stepchain-list", "version": 1, "actions": [)" + actions + "]}"));
        EXPECT_EQ(Run("build " + refused.back().string() + " -o -").code, 2) << actions;
    }
    EXPECT_EQ(CheckSchema("invalid", refused), 0);
}

// The set-up that the README gives: Git shows a list's rows, as `show`
// writes them, in `git diff` and `git log -p`, for any file name Git passes.
TEST_F(Tool, GitShowsTheRowsOfLists)
{
    const fs::path repo = m_dir / "repo";
    fs::create_directory(repo);
    File("repo/-first.stepchain", ReadFile(kFlow));
    File("repo/.gitattributes", "*.stepchain diff=stepchain\n");
    // A host description in the repository is never read unless asked for.
    File("repo/host.json", "not JSON");
    const std::string git =
        "cd " + repo.string() + " && git -c user.name=T -c user.email=t@example.com -c commit.gpgsign=false ";
    ASSERT_EQ(std::system((git + "init -q && " + git + "config diff.stepchain.textconv '" + STEPCHAIN_TOOL +
                           " show --' && " + git + "add . && " + git + "commit -qm one")
                              .c_str()),
              0);
    ASSERT_EQ(Run("merge-limit " + kFlow + " --limit 4 -o " + (repo / "-first.stepchain").string()).code, 0);
    const std::string changed = "-(4件設定済)\n+(2件設定済)\n 1  ラベル  分岐先ラベル:'Retry'\n-2  描画更新  \n"
                                "-3  ラベル  分岐先ラベル:'完了'\n-4  アクション終了  \n"
                                "+2  ラベル  分岐先ラベル:'完了'\n";
    for (const std::string& command : {std::string("diff"), "commit -qam two && " + git + "log -p -1"}) {
        ASSERT_EQ(std::system((git + command + " >" + (m_dir / "git.out").string()).c_str()), 0) << command;
        const std::string out = ReadFile(m_dir / "git.out");
        EXPECT_NE(out.find(changed), std::string::npos) << command << ":\n" << out;
    }
}

}
