// What each command gives on lists, and the tool in Git.
#include "actions/CSCActionLink.h"
#include "actions/CSCKeypad.h"
#include "tools/ToolFixture.h"

namespace {

const std::string kExamples = STEPCHAIN_EXAMPLES;
const std::string kFlow = kExamples + "/flow.stepchain";
const std::string kHost = " --host " + kExamples + "/host.json";

TEST_F(Tool, CommandsGiveTheirOutput)
{
    // A label "A", a redraw, a label "A" again, the end of actions.
    const fs::path duplicate = File("dup.stepchain", Hex("04 00 0D 01 41 0B 0D 01 41 0F"));
    const std::string merged = Hex("02 00 0D 05 52 65 74 72 79 0D 04 8A AE 97 B9");
    // The arguments, the standard input, the whole output (its start for spec).
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"script " + kFlow + " --owner Btn1", "",
         Sj(";![PAGE] [NAME] [EVENT]\n\tR_LBL _[NAME]_[EVENT]_Retry\n\tREFSH\n\tR_LBL _[NAME]_[EVENT]_完了\n"
            "\tR_JP _[NAME]_[EVENT]_Exit\n\tR_LBL _[NAME]_[EVENT]_Exit\n")},
        // The host has layers: a periodic code is the heading alone.
        {"script - --mode 1" + kHost, FileBytes(kFlow), ";![PAGE] [NAME] [EVENT]\n"},
        {"show " + duplicate.string(), "",
         "(4件設定済)\n1  ラベル  分岐先ラベル:'A'同名ラベルは定義できません  (invalid)\n2  描画更新  \n"
         "3  ラベル  分岐先ラベル:'A'同名ラベルは定義できません  (invalid)\n4  アクション終了  \n"},
        {"spec " + kFlow + " --name 'A&B'", "", "    <tr>\n        <td>\n            A&amp;B\n"},
        {"spec " + kFlow + " --raw", "", "                <tr>\n"},
        {"keywords " + kFlow, "", "分岐先ラベル:'Retry'::分岐先ラベル:'完了'::\n"},
        {"keywords " + kFlow + " --raw", "", Sj("分岐先ラベル:'Retry'::分岐先ラベル:'完了'::\n")},
        {"merge-limit " + kFlow + " --limit 0X04 -o -", "", merged},
        {"merge-limit " + kFlow + " --limit 4 -o -", "", merged},
    };
    for (const auto& [args, input, out] : cases) {
        const Result result = Run(args, input);
        EXPECT_EQ(result.code, 0) << args << ": " << result.err;
        EXPECT_EQ(args.starts_with("spec") ? result.out.substr(0, out.size()) : result.out, out) << args;
    }
}

// Whether the schema check finds each of the files as `expected` says.
bool SchemaFinds(const std::string& expected, const std::string& files)
{
    return std::system((std::string(STEPCHAIN_CHECK_SCHEMA) + " " + STEPCHAIN_SCHEMA + " " + expected + files).c_str()) == 0;
}

// The text form that dump writes is valid, builds the bytes that store
// writes, and gives the commands what the binary list gives.
TEST_F(Tool, TextFormStandsForTheBinaryList)
{
    const fs::path every = File("every.stepchain", StoredBytes(*EveryKind()));
    std::string dumps;
    for (const fs::path& list : {fs::path(kExamples + "/mixed.stepchain"), every}) {
        const std::string text = (m_dir / list.stem()).string() + ".json";
        EXPECT_EQ(Run("dump - -o " + text, FileBytes(list)).code, 0);
        EXPECT_EQ(ToHex(Run("build " + text + " -o -").out), ToHex(Run("store " + list.string() + " -o -").out));
        for (const std::string command : {"script --owner Btn1 ", "show "}) {
            const Result fromBinary = Run(command + list.string() + kHost);
            EXPECT_EQ(fromBinary.code, 0) << command << ": " << fromBinary.err;
            EXPECT_EQ(Run(command + text + kHost).out, fromBinary.out) << list << ": " << command;
        }
        dumps += " " + text;
    }
    EXPECT_TRUE(SchemaFinds("valid", dumps));
    std::string refused;
    for (const std::string actions : {R"({"kind": "goto"})", R"({"kind": "label"})",
                                      R"({"kind": "label", "m_name": "A", "Name": "B"})",
                                      R"({"kind": "label", "m_name": {"bytes": "8G"}})", R"({"kind": "call", "m_routine": 1})"}) {
        const fs::path bad = File("bad" + std::to_string(refused.size()) + ".json",
                                  R"({"format": "stepchain-list", "version": 1, "actions": [)" + actions + "]}");
        EXPECT_EQ(Run("build " + bad.string() + " -o -").code, 2) << actions;
        refused += " " + bad.string();
    }
    EXPECT_TRUE(SchemaFinds("invalid", refused));
}

// An invalid row says why under it; a warning is a row of its own, and
// leaves the exit code alone when no row is invalid.
TEST_F(Tool, CheckSaysWhyUnderTheRowAndWarnsAfterIt)
{
    const fs::path list = File("list.stepchain", Stored("W0= Exit"));
    const Result check = Run("check " + list.string());
    EXPECT_EQ(check.code, 1);
    const std::string at = list.string() + ": row ";
    EXPECT_EQ(check.out, at + "1: 値セット: !入力にエラーがあります\n  - the value to set is empty / セット値が未入力です\n" +
                             at + "2: warning: ラベル: the label 'Exit' is the same as the exit label "
                                  "_[NAME]_[EVENT]_Exit that ends the event's code / "
                                  "ラベル'Exit'はイベントの終了ラベル_[NAME]_[EVENT]_Exitと同じです\n");
    EXPECT_EQ(Run("check " + File("warned.stepchain", Stored("Exit")).string()).code, 0);
}

TEST_F(Tool, DiffShowsRowsAddedRemovedMovedAndChanged)
{
    const fs::path a = File("a.stepchain", Stored("W0=1 A W2=3 B"));
    const fs::path b = File("b.stepchain", Stored("A W0=1 W2=3 完了 R"));
    const Result result = Run("diff " + a.string() + " " + b.string());
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, "moved A1 → B2: 値セット: W0へ1を書込み\n"
                          "changed A4 → B4: ラベル\n  - 分岐先ラベル:'B'\n  + 分岐先ラベル:'完了'\n"
                          "added B5: 描画更新\n");
    EXPECT_TRUE(Run("diff " + b.string() + " " + a.string()).out.ends_with("removed A5: 描画更新\n"));
    EXPECT_EQ(Run("diff - " + a.string(), FileBytes(a)).code, 0);
}

// Lists that differ throughout are paired up as well as a bounded search
// finds, and the output says so.
TEST_F(Tool, DiffSaysWhenRowsMayNotBePairedUpBest)
{
    std::string labels;
    std::string redraws;
    for (int row = 0; row < 600; ++row) {
        labels += " A" + std::to_string(row);
        redraws += " R";
    }
    const Result result = Run("diff " + File("a", Stored(labels)).string() + " " + File("b", Stored(redraws)).string());
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.out.starts_with("note: the lists differ in too many rows to pair them all up; some rows shown "
                                       "as removed and added may be equal, moved or changed ones\nremoved A1: ラベル: "))
        << result.out.substr(0, 300);
}

// Two lists that name W0 and one that does not: a dry run tells each change
// and writes nothing; in place writes the lists that change, and only them.
TEST_F(Tool, RenameTellsAndWritesTheListsThatChange)
{
    const fs::path first = File("first.stepchain", Stored("W0=1"));
    const fs::path second = File("second.stepchain", Stored("A W1=W0"));
    const fs::path other = File("other.stepchain", Stored("W10=W1"));
    const std::string lists = first.string() + " " + second.string() + " " + other.string();
    EXPECT_EQ(ToHex(Run("rename " + first.string() + " W0 W9 -o -").out), ToHex(Stored("W9=1")));
    const Result dry = Run("rename W0 W9 " + lists + " --dry-run");
    EXPECT_EQ(dry.code, 0);
    EXPECT_EQ(dry.out, first.string() + ": row 1: 値セット: 'W0' → 'W9'\n" + second.string() +
                           ": row 2: 値セット: 'W0' → 'W9'\n2 of 3 lists would change; nothing written\n");
    EXPECT_EQ(FileBytes(first), Stored("W0=1"));

    const auto untouched = fs::last_write_time(other);
    const Result result = Run("rename W0 W9 " + lists + " --in-place");
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.out.ends_with("\n2 of 3 lists changed and written\n")) << result.out;
    EXPECT_EQ(FileBytes(first) + FileBytes(second), Stored("W9=1") + Stored("A W1=W9"));
    EXPECT_EQ(fs::last_write_time(other), untouched);
}

// A device prefix renames every name on the device, links included.
TEST_F(Tool, RenameOfADeviceReachesLinksAndHiddenSettings)
{
    const fs::path device = File("device.stepchain", Stored([](CStepchainData& l) {
                                     SetValue(l, "PLC1.D0", "5");
                                     Add<CSCActionLink>(l, SC_ACTIONLINK).m_target = "PLC1!Btn1!Push";
                                     auto& keypad = Add<CSCKeypad>(l, SC_KEYPAD);
                                     keypad.UseActLink = 1;
                                     keypad.ActLink = "PLC1";
                                 }));
    const std::string at = device.string() + ": row ";
    EXPECT_EQ(Run("rename '*PLC1' PLC2 " + device.string() + " --dry-run").out,
              at + "1: 値セット: 'PLC1.D0' → 'PLC2.D0'\n" + at +
                  "2: アクションリンク: アクションリンクの設定:'PLC1!Btn1' → アクションリンクの設定:'PLC2!Btn1'\n" + at +
                  "3: キーパッド呼出: settings not shown in the caption changed\n"
                  "1 of 1 list would change; nothing written\n");
}

// The set-up that the README gives: Git shows a list's rows, as `show`
// writes them, in `git diff` and `git log -p`, for any file name Git passes.
TEST_F(Tool, GitShowsTheRowsOfLists)
{
    const fs::path repo = m_dir / "repo";
    fs::create_directory(repo);
    File("repo/-first.stepchain", FileBytes(kFlow));
    File("repo/.gitattributes", "*.stepchain diff=stepchain\n");
    // A host description in the repository is never read unless asked for.
    File("repo/host.json", "not JSON");
    const std::string git =
        "cd " + repo.string() + " && git -c user.name=T -c user.email=t@example.com -c commit.gpgsign=false ";
    ASSERT_EQ(std::system((git + "init -q && " + git + "config diff.stepchain.textconv '" + m_tool + " show --' && " +
                           git + "add . && " + git + "commit -qm one")
                              .c_str()),
              0);
    ASSERT_EQ(Run("merge-limit " + kFlow + " --limit 4 -o " + (repo / "-first.stepchain").string()).code, 0);
    const std::string changed = "-(4件設定済)\n+(2件設定済)\n 1  ラベル  分岐先ラベル:'Retry'\n-2  描画更新  \n"
                                "-3  ラベル  分岐先ラベル:'完了'\n-4  アクション終了  \n"
                                "+2  ラベル  分岐先ラベル:'完了'\n";
    for (const std::string& command : {std::string("diff"), "commit -qam two && " + git + "log -p -1"}) {
        ASSERT_EQ(std::system((git + command + " >" + (m_dir / "git.out").string()).c_str()), 0) << command;
        EXPECT_NE(FileBytes(m_dir / "git.out").find(changed), std::string::npos) << command;
    }
}

}
