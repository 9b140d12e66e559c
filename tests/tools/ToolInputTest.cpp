// What the tool is given: hostile inputs, names that would break the
// script, and what it says about its own usage.
#include "support/Bytes.h"
#include "tools/ToolFixture.h"

namespace {

// AddressSanitizer reserves more address space than a memory limit leaves.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

const std::string kW0 = Stored([](CStepchainData& l) { SetValue(l, "W0", "1"); });

std::string TextForm(const std::string& actions)
{
    return R"({"format": "stepchain-list", "version": 1, "actions": [)" + actions + "]}";
}

// A run of the tool in the test's folder, whose path $D stands for in the
// texts. The folder holds list.stepchain and, when `in` is given, the file
// in, made `size` bytes long (sparse, taking no disk) when `size` is given.
struct Case {
    const char* name;
    std::string in;
    uint64_t size;
    std::string args;
    int code;
    std::string err;
    std::string before = "";
    std::string out = "";
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::string InDir(std::string text, const fs::path& dir)
{
    for (size_t at = text.find("$D"); at != std::string::npos; at = text.find("$D", at))
        text.replace(at, 2, dir.string());
    return text;
}

class ToolCases : public Tool, public testing::WithParamInterface<Case> {};

TEST_P(ToolCases, RunAsExpected)
{
    const Case& c = GetParam();
    if (kSanitized && c.before.starts_with("ulimit -v"))
        GTEST_SKIP() << "a memory limit under AddressSanitizer";
    File("list.stepchain", kW0);
    if (!c.in.empty())
        File("in", c.in);
    if (c.size != 0)
        fs::resize_file(m_dir / "in", c.size);
    const Result result = Run(InDir(c.args, m_dir), "", c.before);
    EXPECT_EQ(result.code, c.code) << result.err;
    EXPECT_EQ(result.err, InDir(c.err, m_dir));
    EXPECT_TRUE(result.out.starts_with(InDir(c.out, m_dir))) << result.out;
    // A refused run writes nothing.
    EXPECT_FALSE(fs::exists(m_dir / "out"));
    EXPECT_EQ(ReadFile(m_dir / "list.stepchain"), kW0);
}

const auto kName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    HostileInputs, ToolCases,
    testing::Values(
        Case{"TruncatedList", Hex("03 00 0F 0B"), 0, "show $D/in", 2,
             "stepchain: $D/in: end of file while reading row 3 at byte offset 4\n"},
        Case{"TrailingByte", Hex("00 00 0F"), 0, "store $D/in -o $D/out", 2,
             "stepchain: $D/in: 1 byte after the end of the list at byte offset 2\n"},
        Case{"NumberOutOfRangeInEveryCommand", TextForm(R"({"kind": "label", "m_name": 1e999})"), 0, "show $D/in", 2,
             "stepchain: $D/in: bad format while reading row 1 (unknown action type 102) at byte offset 3; as the "
             "text form: actions[0].m_name: number overflow parsing '1e999'\n"},
        Case{"DuplicateKey", TextForm(R"({"kind": "label", "m_name": "A", "m_name": "B"})"), 0,
             "build $D/in -o $D/out", 2, "stepchain: $D/in: actions[0].m_name: is given twice\n"},
        Case{"SyntaxError", "{\"format\": \"stepchain-list\",\n \"version\" 1}", 0, "build $D/in -o $D/out", 2,
             "stepchain: $D/in: version: parse error at line 2, column 12: syntax error while parsing object "
             "separator - unexpected number literal; expected ':'\n"},
        Case{"DeepNesting", "{\"actions\": " + std::string(100000, '['), 0, "build $D/in -o $D/out", 2,
             "stepchain: $D/in: actions[0][0][0][0][0][0][0]: nests deeper than 8 levels\n"},
        Case{"HugeFileRefusedUnread", Hex("FF FF"), 200'000'000, "show $D/in", 2,
             "stepchain: $D/in: is 200000000 bytes long, more than a list can need (at most 174519707 bytes)\n"},
        Case{"HugeTextFormRefusedUnread", " {", 2'000'000'000, "show $D/in", 2,
             "stepchain: $D/in: is 2000000000 bytes long, more than a list can need (at most 1073729536 bytes)\n"},
        Case{"HugePipeRefusedWhenTooLong", "", 0, "show -", 2,
             "stepchain: standard input: is longer than a list can need (at most 174519707 bytes)\n",
             "yes | head -c 180000000 |"},
        Case{"OutOfMemory", Hex("01 00 0D FF FF FF 80 C3 C9 01"), 10 + 30'000'000, "show $D/in", 2,
             "stepchain: out of memory\n", "ulimit -v 60000;"},
        Case{"CheckReadsWhatItCan", Hex("02 00 0D 01 41 0D 01 41"), 0, "check $D/missing $D/in /dev/null $D/list.stepchain",
             2, "stepchain: $D/missing: cannot open: No such file or directory\n"
             "stepchain: /dev/null: end of file at byte offset 0\n", "", "$D/in: row 1: ラベル: "},
        Case{"HostUnknownKey", R"({"layres": true})", 0, "show $D/list.stepchain --host $D/in", 2,
             "stepchain: $D/in: layres: is not a key of a host description (the keys are layers, font_builder, "
             "settings, memories, objects, subroutines)\n"},
        Case{"HostValueOutOfRange", R"({"settings": {"repeat_interval": -1}})", 0,
             "show $D/list.stepchain --host $D/in", 2,
             "stepchain: $D/in: settings.repeat_interval: must be a whole number from 0 to 4294967295\n"}),
    kName);

// Names go into script lines as they are: a line break or a tab would
// split the line or its fields, and an empty old name would name every
// empty operand.
INSTANTIATE_TEST_SUITE_P(
    ScriptBreakingNames, ToolCases,
    testing::Values(
        Case{"EmptyOldName", "", 0, "rename $D/list.stepchain '' W1 -o $D/out", 2,
             "stepchain: the old name is empty, which would name every empty operand\n"},
        Case{"LineBreakInOldName", "", 0, "rename \"$(printf 'W\\n0')\" W1 $D/list.stepchain --in-place", 2,
             "stepchain: the old name 'W\\n0' holds a line break, which would break the script line it goes into\n"},
        Case{"CarriageReturnInNewName", "", 0, "rename $D/list.stepchain W0 \"$(printf 'W\\r1')\" -o $D/out", 2,
             "stepchain: the new name 'W\\r1' holds a line break, which would break the script line it goes into\n"},
        Case{"TabInOwner", "", 0, "script $D/list.stepchain --owner \"$(printf 'Btn\\t1')\"", 2,
             "stepchain: the owner name 'Btn\\t1' holds a tab, which would break the script line it goes into\n"}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Messages, ToolCases,
    testing::Values(
        Case{"UnknownCommand", "", 0, "frob", 2,
             "stepchain: unknown command 'frob'; the commands are script, spec, keywords, show, check, diff, store, "
             "merge-limit, rename, dump, build (see stepchain --help)\n"},
        Case{"UnknownOption", "", 0, "show $D/list.stepchain --frob", 2,
             "stepchain: unknown option '--frob' (see stepchain --help)\n"},
        Case{"MissingArgument", "", 0, "script", 2, "stepchain: LIST is required (see stepchain --help)\n"},
        Case{"SpecNeedsAForm", "", 0, "spec $D/list.stepchain", 2, "stepchain: spec needs --name NAME or --raw\n"},
        Case{"BadLimitWord", "", 0, "merge-limit $D/list.stepchain --limit 0x1G -o $D/out", 2,
             "stepchain: the limit word '0x1G' is not a decimal or 0x hexadecimal number of 32 bits\n"},
        Case{"BuildGivenABinaryList", "", 0, "build $D/list.stepchain -o $D/out", 2,
             "stepchain: $D/list.stepchain: a binary list, not a text form (stepchain dump turns it into one, "
             "stepchain store copies it)\n"},
        Case{"RenameInPlaceOfAMissingList", "", 0, "rename W0 W9 $D/list.stepchain $D/missing --in-place", 2,
             "stepchain: $D/missing: cannot open: No such file or directory\n"},
        Case{"RenameInPlaceOfStandardInput", "", 0, "rename W0 W9 $D/list.stepchain - --in-place", 2,
             "stepchain: standard input cannot be renamed in place\n"},
        Case{"RenameWithoutAForm", "", 0, "rename W0 W9 $D/list.stepchain", 2,
             "stepchain: rename takes LIST OLD NEW -o OUT, or OLD NEW LIST... with --in-place or --dry-run\n"},
        Case{"RenameToAFileOfManyLists", "", 0, "rename $D/list.stepchain W0 W9 $D/list.stepchain -o $D/out", 2,
             "stepchain: rename with -o takes exactly LIST OLD NEW\n"},
        Case{"RenameNameOutsideCp932", "", 0, "rename W0 W€9 $D/list.stepchain --in-place", 2,
             "stepchain: the new name 'W€9' holds a character that CP932 cannot hold\n"}),
    kName);

TEST_F(Tool, UsageNamesTheToolWhateverItIsCalled)
{
    fs::create_symlink(STEPCHAIN_TOOL, m_dir / "renamed-tool");
    m_tool = (m_dir / "renamed-tool").string();
    for (const std::string args : {"--help", "rename --help"}) {
        const Result help = Run(args);
        EXPECT_EQ(help.code, 0);
        EXPECT_NE(help.out.find("Usage: stepchain "), std::string::npos) << help.out;
        EXPECT_EQ(help.out.find("renamed-tool"), std::string::npos) << help.out;
    }
}

}
