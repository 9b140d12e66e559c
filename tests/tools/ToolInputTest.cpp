// What the tool is given: hostile inputs, names that would break the
// script, and what it says about its own usage.
#include <unistd.h>

#include "support/Bytes.h"
#include "tools/ListBuilder.h"
#include "tools/ToolFixture.h"

namespace {

// AddressSanitizer reserves more address space than a memory limit leaves.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

const std::string kW0 = Stored([](CStepchainData& l) { SetValue(l, "W0", "1"); });
const std::string kDuplicateLabels = Hex("02 00 0D 01 41 0D 01 41");

std::string TextForm(const std::string& actions)
{
    return R"({"format": "stepchain-list", "version": 1, "actions": [)" + actions + "]}";
}

// A file that claims `size` bytes without taking them on disk.
void Sparse(const fs::path& path, const std::string& start, uint64_t size)
{
    WriteFile(path, start);
    fs::resize_file(path, size);
}

// A run of the tool: files it is given, made by `prepare` in the test's
// folder, whose path $D stands for in the other texts.
struct Case {
    const char* name;
    std::function<void(const fs::path& dir)> prepare;
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
    if (c.prepare)
        c.prepare(m_dir);
    const Result result = Run(InDir(c.args, m_dir), "", c.before);
    EXPECT_EQ(result.code, c.code) << result.err;
    EXPECT_EQ(result.err, InDir(c.err, m_dir));
    EXPECT_TRUE(result.out.starts_with(InDir(c.out, m_dir))) << result.out;
    // A refused run writes nothing.
    EXPECT_FALSE(fs::exists(m_dir / "out"));
    EXPECT_EQ(ReadFile(m_dir / "list.stepchain"), kW0);
}

void Put(const fs::path& dir, const std::string& name, const std::string& bytes) { WriteFile(dir / name, bytes); }

INSTANTIATE_TEST_SUITE_P(
    HostileInputs, ToolCases,
    testing::Values(
        Case{"TruncatedList", [](auto& d) { Put(d, "bad", Hex("03 00 0F 0B")); }, "show $D/bad", 2,
             "stepchain: $D/bad: end of file while reading row 3 at byte offset 4\n"},
        Case{"UnknownType", [](auto& d) { Put(d, "bad", Hex("02 00 0B 1F")); }, "store $D/bad -o $D/out", 2,
             "stepchain: $D/bad: bad format while reading row 2 (unknown action type 31) at byte offset 4\n"},
        Case{"TrailingByte", [](auto& d) { Put(d, "bad", Hex("00 00 0F")); }, "store $D/bad -o $D/out", 2,
             "stepchain: $D/bad: 1 byte after the end of the list at byte offset 2\n"},
        Case{"EmptyInput", nullptr, "show /dev/null", 2, "stepchain: /dev/null: end of file at byte offset 0\n"},
        Case{"NumberOutOfRangeInEveryCommand",
             [](auto& d) { Put(d, "in.json", TextForm(R"({"kind": "label", "m_name": 1e999})")); }, "show $D/in.json",
             2,
             "stepchain: $D/in.json: bad format while reading row 1 (unknown action type 102) at byte offset 3; as the "
             "text form: actions[0].m_name: number overflow parsing '1e999'\n"},
        Case{"DuplicateKey",
             [](auto& d) { Put(d, "in.json", TextForm(R"({"kind": "label", "m_name": "A", "m_name": "B"})")); },
             "build $D/in.json -o $D/out", 2, "stepchain: $D/in.json: actions[0].m_name: is given twice\n"},
        Case{"SyntaxError", [](auto& d) { Put(d, "in.json", "{\"format\": \"stepchain-list\",\n \"version\" 1}"); },
             "build $D/in.json -o $D/out", 2,
             "stepchain: $D/in.json: version: parse error at line 2, column 12: syntax error while parsing object "
             "separator - unexpected number literal; expected ':'\n"},
        Case{"DeepNesting", [](auto& d) { Put(d, "in.json", "{\"actions\": " + std::string(100000, '[')); },
             "build $D/in.json -o $D/out", 2,
             "stepchain: $D/in.json: actions[0][0][0][0][0][0][0]: nests deeper than 8 levels\n"},
        Case{"HugeFileRefusedUnread", [](auto& d) { Sparse(d / "huge", Hex("FF FF"), 200'000'000); },
             "show $D/huge", 2,
             "stepchain: $D/huge: is 200000000 bytes long, more than a list can need (at most 174519707 bytes)\n"},
        Case{"HugeTextFormRefusedUnread", [](auto& d) { Sparse(d / "huge", " {", 2'000'000'000); },
             "show $D/huge", 2,
             "stepchain: $D/huge: is 2000000000 bytes long, more than a list can need (at most 1073729536 bytes)\n"},
        Case{"HugePipeRefusedWhenTooLong", nullptr, "show -", 2,
             "stepchain: standard input: is longer than a list can need (at most 174519707 bytes)\n",
             "yes | head -c 180000000 |"},
        Case{"OutOfMemory",
             [](auto& d) { Sparse(d / "big", Hex("01 00 0D FF FF FF 80 C3 C9 01"), 10 + 30'000'000); },
             "show $D/big", 2, "stepchain: out of memory\n", "ulimit -v 60000;"},
        Case{"CheckReadsWhatItCan",
             [](auto& d) { Put(d, "dup", kDuplicateLabels); }, "check $D/missing $D/dup /dev/null $D/list.stepchain", 2,
             "stepchain: $D/missing: cannot open: No such file or directory\n"
             "stepchain: /dev/null: end of file at byte offset 0\n",
             "", "$D/dup: row 1: ラベル: "},
        Case{"HostUnknownKey", [](auto& d) { Put(d, "host.json", R"({"layres": true})"); },
             "show $D/list.stepchain --host $D/host.json", 2,
             "stepchain: $D/host.json: layres: is not a key of a host description (the keys are layers, font_builder, "
             "settings, memories, objects, subroutines)\n"},
        Case{"HostSyntaxError", [](auto& d) { Put(d, "host.json", "{\n\"layers\": tru}"); },
             "show $D/list.stepchain --host $D/host.json", 2,
             "stepchain: $D/host.json: layers: parse error at line 2, column 14: syntax error while parsing value - "
             "invalid literal; last read: '\"layers\": tru}'\n"},
        Case{"HostDuplicateKey", [](auto& d) { Put(d, "host.json", R"({"layers": true, "layers": false})"); },
             "show $D/list.stepchain --host $D/host.json", 2, "stepchain: $D/host.json: layers: is given twice\n"},
        Case{"HostValueOutOfRange",
             [](auto& d) { Put(d, "host.json", R"({"settings": {"repeat_interval": -1}})"); },
             "show $D/list.stepchain --host $D/host.json", 2,
             "stepchain: $D/host.json: settings.repeat_interval: must be a whole number from 0 to 4294967295\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Names go into script lines as they are: a line break or a tab would
// split the line or its fields, and an empty old name would name every
// empty operand.
INSTANTIATE_TEST_SUITE_P(
    ScriptBreakingNames, ToolCases,
    testing::Values(
        Case{"EmptyOldName", nullptr, "rename $D/list.stepchain '' W1 -o $D/out", 2,
             "stepchain: the old name is empty, which would name every empty operand\n"},
        Case{"LineBreakInOldName", nullptr, "rename \"$(printf 'W\\n0')\" W1 $D/list.stepchain --in-place", 2,
             "stepchain: the old name 'W\\n0' holds a line break, which would break the script line it goes into\n"},
        Case{"CarriageReturnInNewName", nullptr, "rename $D/list.stepchain W0 \"$(printf 'W\\r1')\" -o $D/out", 2,
             "stepchain: the new name 'W\\r1' holds a line break, which would break the script line it goes into\n"},
        Case{"TabInNewName", nullptr, "rename W0 \"$(printf 'W\\t1')\" $D/list.stepchain --dry-run", 2,
             "stepchain: the new name 'W\\t1' holds a tab, which would break the script line it goes into\n"},
        Case{"TabInOwner", nullptr, "script $D/list.stepchain --owner \"$(printf 'Btn\\t1')\"", 2,
             "stepchain: the owner name 'Btn\\t1' holds a tab, which would break the script line it goes into\n"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Messages, ToolCases,
    testing::Values(
        Case{"UnknownCommand", nullptr, "frob", 2,
             "stepchain: unknown command 'frob'; the commands are script, spec, keywords, show, check, diff, store, "
             "merge-limit, rename, dump, build (see stepchain --help)\n"},
        Case{"UnknownOption", nullptr, "show $D/list.stepchain --frob", 2,
             "stepchain: unknown option '--frob' (see stepchain --help)\n"},
        Case{"MissingArgument", nullptr, "script", 2, "stepchain: LIST is required (see stepchain --help)\n"},
        Case{"SpecNeedsAForm", nullptr, "spec $D/list.stepchain", 2, "stepchain: spec needs --name NAME or --raw\n"},
        Case{"BadLimitWord", nullptr, "merge-limit $D/list.stepchain --limit 0x1G -o $D/out", 2,
             "stepchain: the limit word '0x1G' is not a decimal or 0x hexadecimal number of 32 bits\n"},
        Case{"BuildGivenABinaryList", nullptr, "build $D/list.stepchain -o $D/out", 2,
             "stepchain: $D/list.stepchain: a binary list, not a text form (stepchain dump turns it into one, "
             "stepchain store copies it)\n"},
        Case{"OneList", nullptr, "rename W0 W9 $D/list.stepchain --dry-run", 0, "",
             "", "$D/list.stepchain: row 1: 値セット: 'W0' → 'W9'\n1 of 1 list would change; nothing written\n"},
        Case{"RenameInPlaceOfAMissingList", nullptr, "rename W0 W9 $D/list.stepchain $D/missing --in-place", 2,
             "stepchain: $D/missing: cannot open: No such file or directory\n"},
        Case{"RenameInPlaceOfStandardInput", nullptr, "rename W0 W9 $D/list.stepchain - --in-place", 2,
             "stepchain: standard input cannot be renamed in place\n"},
        Case{"RenameWithoutAForm", nullptr, "rename W0 W9 $D/list.stepchain", 2,
             "stepchain: rename takes LIST OLD NEW -o OUT, or OLD NEW LIST... with --in-place or --dry-run\n"},
        Case{"RenameToAFileOfManyLists", nullptr, "rename $D/list.stepchain W0 W9 $D/list.stepchain -o $D/out", 2,
             "stepchain: rename with -o takes exactly LIST OLD NEW\n"},
        Case{"RenameNameOutsideCp932", nullptr, "rename W0 W€9 $D/list.stepchain --in-place", 2,
             "stepchain: the new name 'W€9' holds a character that CP932 cannot hold\n"}),
    [](const auto& info) { return std::string(info.param.name); });

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
