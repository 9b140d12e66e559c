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

// Every kind, in a binary list and in the text form, under no host and a
// full one; the text form gives what the binary list gives.
TEST_F(Tool, EveryCommandTakesEveryKindInEitherForm)
{
    const std::string hostJson = kExamples + "/host.json";
    for (const std::string& bytes : {EveryKindStored(), ReadFile(kExamples + "/mixed.stepchain")}) {
        const fs::path binary = File("list.stepchain", bytes);
        const fs::path text = File("list.json", Run("dump " + binary.string()).out);
        for (const std::string& host : {std::string(), " --host " + hostJson}) {
            for (const std::string command : {"script", "script --mode 1 --owner Btn1", "spec --raw", "spec --name P",
                                              "keywords", "keywords --raw", "show", "check"}) {
                const Result fromBinary = Run(command + " " + binary.string() + host);
                Result fromText = Run(command + " " + text.string() + host);
                for (size_t at = fromText.out.find(text.string()); at != std::string::npos;
                     at = fromText.out.find(text.string(), at))
                    fromText.out.replace(at, text.string().size(), binary.string());
                EXPECT_LE(fromBinary.code, command == "check" ? 1 : 0) << command << host << ": " << fromBinary.err;
                EXPECT_FALSE(fromBinary.out.empty() && command != "check") << command;
                EXPECT_EQ(fromText.code, fromBinary.code) << command << host;
                EXPECT_EQ(fromText.out, fromBinary.out) << command << host;
            }
        }
        EXPECT_EQ(Run("rename " + binary.string() + " W0 W9 -o " + (m_dir / "out").string()).code, 0);
    }
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
