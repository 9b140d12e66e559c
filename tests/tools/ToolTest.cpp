#include <gtest/gtest.h>

#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "tools/ToolFixture.h"

namespace {

const std::string kFlow = std::string(STEPCHAIN_EXAMPLES) + "/flow.stepchain";
// A label "A", a redraw, a label "A" again, the end of actions.
const std::string kDuplicate = Hex("04 00 0D 01 41 0B 0D 01 41 0F");

TEST_F(Tool, ScriptOfASampleList)
{
    const Result plain = Run("script " + kFlow + " --owner Btn1");
    EXPECT_EQ(plain.code, 0);
    EXPECT_EQ(plain.out, Sj(";![PAGE] [NAME] [EVENT]\n\tR_LBL _[NAME]_[EVENT]_Retry\n\tREFSH\n"
                            "\tR_LBL _[NAME]_[EVENT]_完了\n\tR_JP _[NAME]_[EVENT]_Exit\n"
                            "\tR_LBL _[NAME]_[EVENT]_Exit\n"));
    const fs::path host = File("host.json", R"({"layers": true})");
    const Result periodic = Run("script - --mode 1 --host " + host.string(), ReadFile(kFlow));
    EXPECT_EQ(periodic.code, 0);
    EXPECT_EQ(periodic.out, ";![PAGE] [NAME] [EVENT]\n");
}

TEST_F(Tool, ShowAndCheck)
{
    const fs::path list = File("dup.stepchain", kDuplicate);
    const Result show = Run("show " + list.string());
    EXPECT_EQ(show.code, 0);
    EXPECT_EQ(show.out, "(4件設定済)\n1  ラベル  分岐先ラベル:'A'同名ラベルは定義できません  (invalid)\n2  描画更新  \n"
                        "3  ラベル  分岐先ラベル:'A'同名ラベルは定義できません  (invalid)\n4  アクション終了  \n");

    const Result check = Run("check " + kFlow + " " + list.string());
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.out, list.string() + ": row 1: ラベル: 分岐先ラベル:'A'同名ラベルは定義できません\n"
                                         "  - the label name 'A' is used again in row 3 / ラベル名'A'は3行目でも使われています\n" +
                             list.string() + ": row 3: ラベル: 分岐先ラベル:'A'同名ラベルは定義できません\n"
                                             "  - the label name 'A' is used again in row 1 / ラベル名'A'は1行目でも使われています\n");
    EXPECT_EQ(Run("check " + kFlow).code, 0);
}

TEST_F(Tool, SpecificationAndKeywords)
{
    const Result row = Run("spec " + kFlow + " --name 'A&B'");
    EXPECT_EQ(row.code, 0);
    EXPECT_EQ(row.out.rfind("    <tr>\n        <td>\n            A&amp;B\n", 0), 0u);
    const Result raw = Run("spec " + kFlow + " --raw");
    EXPECT_EQ(raw.out.rfind("                <tr>\n", 0), 0u);
    EXPECT_NE(raw.out.find(Sj("完了")), std::string::npos);
    EXPECT_EQ(Run("keywords " + kFlow).out, "分岐先ラベル:'Retry'::分岐先ラベル:'完了'::\n");
    EXPECT_EQ(Run("keywords " + kFlow + " --raw").out, Sj("分岐先ラベル:'Retry'::分岐先ラベル:'完了'::\n"));
}

TEST_F(Tool, StoreMergeAndRename)
{
    const fs::path out = m_dir / "out.stepchain";
    EXPECT_EQ(Run("store " + kFlow + " -o " + out.string()).code, 0);
    EXPECT_EQ(ReadFile(out), ReadFile(kFlow));

    EXPECT_EQ(Run("merge-limit " + kFlow + " --limit 0x04 -o " + out.string()).code, 0);
    EXPECT_EQ(ToHex(ReadFile(out)), "02 00 0D 05 52 65 74 72 79 0D 04 8A AE 97 B9");
    EXPECT_EQ(Run("merge-limit " + kFlow + " --limit 4 -o " + out.string()).code, 0);
    EXPECT_EQ(ToHex(ReadFile(out)), "02 00 0D 05 52 65 74 72 79 0D 04 8A AE 97 B9");

    const Result rename = Run("rename " + kFlow + " W0 W1 -o " + out.string());
    EXPECT_EQ(rename.code, 0);
    EXPECT_EQ(rename.out, "no plain name changed\n");
    EXPECT_EQ(ReadFile(out), ReadFile(kFlow));
}

TEST_F(Tool, EveryCommandTakesEveryKind)
{
    const std::string hostJson = std::string(STEPCHAIN_EXAMPLES) + "/host.json";
    for (const std::string& bytes : {EveryKindStored(), ReadFile(std::string(STEPCHAIN_EXAMPLES) + "/mixed.stepchain")}) {
        const fs::path list = File("list.stepchain", bytes);
        const fs::path out = m_dir / "out.stepchain";
        for (const std::string& host : {std::string(), " --host " + hostJson}) {
            for (const std::string command : {"script", "script --mode 1 --owner Btn1", "spec --raw", "spec --name P",
                                              "keywords", "keywords --raw", "show"}) {
                const Result result = Run(command + " " + list.string() + host);
                EXPECT_EQ(result.code, 0) << command << host << ": " << result.err;
                EXPECT_FALSE(result.out.empty()) << command;
            }
            EXPECT_LE(Run("check " + list.string() + host).code, 1);
        }
        EXPECT_EQ(Run("store " + list.string() + " -o " + out.string()).code, 0);
        EXPECT_EQ(ToHex(ReadFile(out)), ToHex(bytes));
        EXPECT_EQ(Run("merge-limit " + list.string() + " --limit 0xFFFFFFFF -o " + out.string()).code, 0);
        EXPECT_EQ(Run("rename " + list.string() + " W0 W9 -o " + out.string()).code, 0);
    }
}

TEST_F(Tool, RenameReachesEveryOperand)
{
    const fs::path out = m_dir / "out.stepchain";
    const Result result = Run("rename " + std::string(STEPCHAIN_EXAMPLES) + "/mixed.stepchain W0 W9 -o " + out.string());
    EXPECT_EQ(result.out, "plain names changed\n");
    const Result script = Run("script " + out.string());
    EXPECT_NE(script.out.find("\tMOV W9 #5\n\tCMP = W9 #5\n"), std::string::npos) << script.out;
    EXPECT_EQ(script.out.find("W0"), std::string::npos);
}

struct BadInput {
    const char* name;
    const char* bytes;
    const char* message;
};

class ToolBadInput : public Tool, public testing::WithParamInterface<BadInput> {};

TEST_P(ToolBadInput, OneLineAndNothingWritten)
{
    const fs::path list = File("bad.stepchain", Hex(GetParam().bytes));
    const fs::path out = File("out.stepchain", "old");
    const Result result = Run("store " + list.string() + " -o " + out.string());
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err, "stepchain: " + list.string() + ": " + GetParam().message + "\n");
    EXPECT_EQ(ReadFile(out), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolBadInput,
    testing::Values(
        BadInput{"Truncated", "03 00 0F 0B", "end of file while reading row 3 at byte offset 4"},
        BadInput{"UnknownType", "02 00 0B 1F", "bad format while reading row 2 (unknown action type 31) at byte offset 4"},
        BadInput{"ShortString", "01 00 0D 09 41",
                 "end of file while reading row 1 (string of 9 bytes, 1 bytes left) at byte offset 3"},
        BadInput{"Trailing", "00 00 0F", "1 bytes after the end of the list at byte offset 2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Tool, UsageErrors)
{
    EXPECT_EQ(Run("").code, 2);
    EXPECT_EQ(Run("script").code, 2);
    EXPECT_EQ(Run("spec " + kFlow).code, 2);
    const Result missing = Run("script " + (m_dir / "none").string());
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "stepchain: " + (m_dir / "none").string() + ": cannot open: No such file or directory\n");
    const Result limit = Run("merge-limit " + kFlow + " --limit 0x1G -o " + (m_dir / "o").string());
    EXPECT_EQ(limit.code, 2);
    EXPECT_FALSE(fs::exists(m_dir / "o"));
    const fs::path host = File("host.json", R"({"settings": {"repeat_interval": -1}})");
    const Result badHost = Run("script " + kFlow + " --host " + host.string());
    EXPECT_EQ(badHost.code, 2);
    EXPECT_EQ(badHost.err, "stepchain: " + host.string() +
                               ": settings.repeat_interval must be a whole number from 0 to 4294967295\n");
    EXPECT_EQ(Run("--help").code, 0);
}

}
