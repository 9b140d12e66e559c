// What the tool refuses: hostile inputs, names that would break the
// script, usage mistakes and writes that fail early; and its usage text.
#include "tools/ToolFixture.h"

namespace {

const std::string kW0 = Stored("W0=1");

// A list longer than the file size limit of kSmallFiles, and than a pipe holds unread (64 KiB).
const std::string kLong = Stored([](CStepchainData& l) {
    for (int row = 0; row < 5000; ++row)
        SetValue(l, "W0", "1");
});

// A file size limit of 4 to 8 KiB (the shell counts in blocks of 512 or
// 1024 bytes) that makes a longer write fail instead of stopping the tool.
const std::string kSmallFiles = "trap '' XFSZ; ulimit -f 8;";

std::string TextForm(const std::string& actions)
{
    return R"({"format": "stepchain-list", "version": 1, "actions": [)" + actions + "]}";
}

// A refused run of the tool in the test's folder, whose path $D stands for in the
// texts. The folder holds list.stepchain and, when `in` is given, the file
// in, made `size` bytes long (sparse, taking no disk) when `size` is given.
struct Refusal {
    std::string args;
    std::string err;
    std::string in = "";
    uint64_t size = 0;
    std::string before = "";
    std::string out = "";
};

const Refusal kRefusals[] = {
    // Hostile inputs.
    {"show $D/in", "stepchain: $D/in: end of file while reading row 3 at byte offset 4\n", Hex("03 00 0F 0B")},
    {"store $D/in -o $D/out", "stepchain: $D/in: 1 byte after the end of the list at byte offset 2\n", Hex("00 00 0F")},
    {"show $D/in", "stepchain: $D/in: bad format while reading row 1 (unknown action type 102) at byte offset 3; as the "
                   "text form: actions[0].m_name: number overflow parsing '1e999'\n",
     TextForm(R"({"kind": "label", "m_name": 1e999})")},
    {"build $D/in -o $D/out", "stepchain: $D/in: actions[0].m_name: is given twice\n",
     TextForm(R"({"kind": "label", "m_name": "A", "m_name": "B"})")},
    {"build $D/in -o $D/out", "stepchain: $D/in: version: parse error at line 2, column 12: syntax error while parsing "
                              "object separator - unexpected number literal; expected ':'\n",
     "{\"format\": \"stepchain-list\",\n \"version\" 1}"},
    {"build $D/in -o $D/out", "stepchain: $D/in: actions[0][0][0][0][0][0][0]: nests deeper than 8 levels\n",
     "{\"actions\": " + std::string(100000, '[')},
    {"show $D/in", "stepchain: $D/in: is 200000000 bytes long, more than a list can need (at most 174519707 bytes)\n",
     Hex("FF FF"), 200'000'000},
    {"show $D/in", "stepchain: $D/in: is 2000000000 bytes long, more than a list can need (at most 1073729536 bytes)\n",
     " {", 2'000'000'000},
    {"show -", "stepchain: standard input: is longer than a list can need (at most 174519707 bytes)\n", "", 0,
     "yes | head -c 180000000 |"},
// AddressSanitizer reserves more address space than a memory limit leaves.
#if !defined(__SANITIZE_ADDRESS__)
    {"show $D/in", "stepchain: out of memory\n", Hex("01 00 0D FF FF FF 80 C3 C9 01"), 10 + 30'000'000, "ulimit -v 60000;"},
#endif
    // Check reports on the lists it can read and says why it cannot read the others.
    {"check $D/missing $D/in /dev/null $D/list.stepchain",
     "stepchain: $D/missing: cannot open: No such file or directory\nstepchain: /dev/null: end of file at byte offset 0\n",
     Hex("02 00 0D 01 41 0D 01 41"), 0, "", "$D/in: row 1: ラベル: "},
    {"show $D/list.stepchain --host $D/in", "stepchain: $D/in: layres: is not a key of a host description (the keys "
                                            "are layers, font_builder, settings, memories, objects, subroutines)\n",
     R"({"layres": true})"},
    {"show $D/list.stepchain --host $D/in",
     "stepchain: $D/in: settings.repeat_interval: must be a whole number from 0 to 4294967295\n",
     R"({"settings": {"repeat_interval": -1}})"},
    // Writes that fail before any list is written.
    {"store $D/in -o -", "stepchain: standard output: cannot write: File too large\n", kLong, 0, kSmallFiles},
    {"rename W0 W9 $D/list.stepchain $D/in --in-place",
     "stepchain: $D/in: cannot write a temporary file beside it: File too large; nothing written\n", kLong, 0, kSmallFiles},
    // Names go into script lines as they are: a line break or a tab would split
    // the line or its fields, and an empty old name would name every empty operand.
    {"rename $D/list.stepchain '' W1 -o $D/out", "stepchain: the old name is empty, which would name every empty operand\n"},
    {"rename \"$(printf 'W\\n0')\" W1 $D/list.stepchain --in-place",
     "stepchain: the old name 'W\\n0' holds a line break, which would break the script line it goes into\n"},
    {"rename $D/list.stepchain W0 \"$(printf 'W\\r1')\" -o $D/out",
     "stepchain: the new name 'W\\r1' holds a line break, which would break the script line it goes into\n"},
    {"script $D/list.stepchain --owner \"$(printf 'Btn\\t1')\"",
     "stepchain: the owner name 'Btn\\t1' holds a tab, which would break the script line it goes into\n"},
    {"rename W0 W€9 $D/list.stepchain --in-place", "stepchain: the new name 'W€9' holds a character that CP932 cannot hold\n"},
    // Usage mistakes.
    {"frob", "stepchain: unknown command 'frob'; the commands are script, spec, keywords, show, check, diff, store, "
             "merge-limit, rename, dump, build (see stepchain --help)\n"},
    {"show $D/list.stepchain --frob", "stepchain: unknown option '--frob' (see stepchain --help)\n"},
    {"script", "stepchain: LIST is required (see stepchain --help)\n"},
    {"spec $D/list.stepchain", "stepchain: spec needs --name NAME or --raw\n"},
    {"merge-limit $D/list.stepchain --limit 0x1G -o $D/out",
     "stepchain: the limit word '0x1G' is not a decimal or 0x hexadecimal number of 32 bits\n"},
    {"build $D/list.stepchain -o $D/out", "stepchain: $D/list.stepchain: a binary list, not a text form (stepchain dump "
                                          "turns it into one, stepchain store copies it)\n"},
    {"rename W0 W9 $D/list.stepchain $D/missing --in-place", "stepchain: $D/missing: cannot open: No such file or directory\n"},
    {"rename W0 W9 $D/list.stepchain - --in-place", "stepchain: standard input cannot be renamed in place\n"},
    {"rename W0 W9 $D/list.stepchain",
     "stepchain: rename takes LIST OLD NEW -o OUT, or OLD NEW LIST... with --in-place or --dry-run\n"},
    {"rename $D/list.stepchain W0 W9 $D/list.stepchain -o $D/out", "stepchain: rename with -o takes exactly LIST OLD NEW\n"},
};

std::string InDir(std::string text, const fs::path& dir)
{
    for (size_t at = text.find("$D"); at != std::string::npos; at = text.find("$D", at))
        text.replace(at, 2, dir.string());
    return text;
}

TEST_F(Tool, RefusesWhatItCannotDoAndSaysWhy)
{
    for (const Refusal& c : kRefusals) {
        Empty();
        File("list.stepchain", kW0);
        if (!c.in.empty())
            File("in", c.in);
        if (c.size != 0)
            fs::resize_file(m_dir / "in", c.size);
        const Result result = Run(InDir(c.args, m_dir), "", c.before);
        EXPECT_EQ(result.code, 2) << c.args;
        EXPECT_EQ(result.err, InDir(c.err, m_dir));
        EXPECT_TRUE(result.out.starts_with(InDir(c.out, m_dir))) << c.args << ": " << result.out;
        // A refused run writes nothing.
        EXPECT_FALSE(fs::exists(m_dir / "out") || TemporaryLeft()) << c.args;
        EXPECT_EQ(FileBytes(m_dir / "list.stepchain"), kW0) << c.args;
    }
}

TEST_F(Tool, UsageNamesTheToolWhateverItIsCalled)
{
    fs::create_symlink(STEPCHAIN_TOOL, m_dir / "renamed-tool");
    m_tool = (m_dir / "renamed-tool").string();
    const Result help = Run("rename --help");
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.find("Usage: stepchain rename ") != std::string::npos) << help.out;
    EXPECT_EQ(help.out.find("renamed-tool"), std::string::npos) << help.out;
}

}
