#include <gtest/gtest.h>

#include "actions/CSCString.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"

namespace {

CSCString Make(int op, const std::string& target = "TXT1", const std::string& text = "", const char* source = "",
               int32_t aux = 96)
{
    CSCString a(nullptr);
    a.Operation = op;
    a.Target.m_name = target;
    a.Text = text;
    a.Source.m_name = source;
    a.Source.m_aux = aux;
    return a;
}

std::string Stored(CSCString& a)
{
    return ToHex(StoredBytes(a));
}

}

TEST(CSCString, ScriptAndCaption)
{
    const struct {
        CSCString a;
        const char* script;
        const char* caption;  // null: invalid
    } cases[] = {
        {Make(-1), "", nullptr},
        {Make(0), "BS TXT1\n", "TXT1の末尾削除"},
        {Make(1, "TXT1", "a b\nc"), "APD 80 TXT1 $a b\nc\n", "TXT1に'a b\nc'を追加"},
        {Make(2, "TXT1[TEXT]", "abc"), "CP 80 TXT1 $abc\n", "TXT1[TEXT]に'abc'をセット"},
        {Make(3, "TXT1", "", "TXT2"), "APD 80 TXT1 TXT2\n", "TXT1にTXT2を追加"},
        {Make(4, "TXT1", "", ""), "CP 80 TXT1 \n", nullptr},
        {Make(5, "TXT1", "", "W0", CSCString::PackDigits(4, 2)), "FMT 7 2 3 TXT1 W0\n", "TXT1にW0を書式化してセット"},
        {Make(5, "TXT1", "", "12", 96), "FMT 6 0 3 TXT1 #12\n", "TXT1に#12を書式化してセット"},
        {Make(5, "TXT1", "", "W0", CSCString::PackDigits(10, 2)), "FMT 13 2 3 TXT1 W0\n", nullptr},
        {Make(5, "TXT1", "", "W0", 0), "FMT 0 0 3 TXT1 W0\n", nullptr},
        {Make(5, "TXT1", "", "W0", CSCString::PackDigits(1, 16)), "FMT 2 0 3 TXT1 W0\n", "TXT1にW0を書式化してセット"},
        {Make(6, "TXT1", "", "", 0), "BS_ESC TXT1\n", "TXT1の末尾削除(ESC対応)"},
        {Make(6, ""), "BS_ESC \n", nullptr},
        {Make(7, "TXT1", "", "W0"), "", ""},
    };
    for (auto c : cases) {
        EXPECT_EQ(c.a.ExportStr("R1", nullptr), c.script);
        EXPECT_EQ(c.a.ExportStr("INITIAL", nullptr) + c.a.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(c.a.GetCaption(), c.caption ? Sj(c.caption) : T(Txt::InputError)) << c.script;
    }
    EXPECT_EQ(CSCString::PackDigits(4, 2), 66);
    EXPECT_EQ(CSCString::PackDigits(1, 16), 32);
}

TEST(CSCString, FontBuilderTurnsTheLiteralIntoUtf8)
{
    CSCString a = Make(1, Sj("文字"), Sj("表示"));
    FakeHost host;
    EXPECT_EQ(a.ExportStr("R1", nullptr), "APD 80 " + Sj("文字") + " $" + Sj("表示") + "\n");
    host.features["WIZ_FONTBUILDER"] = {};
    EXPECT_EQ(a.ExportStr("R1", nullptr), "APD 80 " + Sj("文字") + " $表示\n");
}

TEST(CSCString, LoadsEveryLayoutAndStoresTheCurrentOne)
{
    const std::string target = "01 00 00 00 0A 54 58 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
    const std::string other = "01 00 00 00 0A 54 58 54 32 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
    const std::string v3 = "0E 40 40 40 56 33 46 6F 72 6D 61 74 40 40 40 ";
    const std::string v2 = "0E 40 40 40 56 32 46 6F 72 6D 61 74 40 40 40 ";
    const std::string abcSet = "03 61 62 63 02 00 00 00 ";
    const std::string textSource = "01 00 00 00 06 5B 54 45 58 54 5D 00 60 00 00 00 00 00 00 00 ";
    const std::string format = "00 05 00 00 00 ";
    const std::string w0 = "01 00 00 00 02 57 30 42 00 00 00 00 00 00 00 ";
    const std::string numberSource = "01 00 00 00 00 60 00 00 00 00 00 00 00 ";
    const struct {
        std::string record;
        std::string restored;
    } cases[] = {
        {target + v3 + format + w0 + target, target + v3 + format + w0 + target},
        {target + v3 + abcSet + textSource + other, other + v3 + abcSet + textSource + other},
        {target + v2 + abcSet + textSource, target + v3 + abcSet + textSource + target},
        {target + abcSet, target + v3 + abcSet + textSource + target},
        {target + format, target + v3 + format + numberSource + target},
        {target + v2 + format + textSource, target + v3 + format + numberSource + target},
    };
    for (const auto& c : cases) {
        CSCString a(nullptr);
        CArchive ar(Hex(c.record));
        a.Serialize(ar);
        EXPECT_EQ(ar.GetRemaining(), 0u);
        EXPECT_EQ(Stored(a), c.restored.substr(0, c.restored.size() - 1));
    }
    CSCString fresh(nullptr);
    const std::string empty = "01 00 00 00 06 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00";
    EXPECT_EQ(Stored(fresh), empty + " " + v3 + "00 FF FF FF FF " + textSource + empty);
}

TEST(CSCString, CompareCopyAndOperands)
{
    CSCString base = Make(5, "TXT1", "x", "W0", 66);
    CSCString digits = Make(5, "TXT1", "x", "W0", 96);
    EXPECT_TRUE(base.CompareProperties(&digits));
    for (CSCString other : {Make(5, "TXT2", "x", "W0"), Make(5, "TXT1", "X", "W0"), Make(4, "TXT1", "x", "W0"),
                            Make(5, "TXT1", "x", "W1")})
        EXPECT_FALSE(base.CompareProperties(&other));
    digits.CopyPropertiesFrom(&base);
    EXPECT_EQ(digits.Source.m_aux, 66);
    // A rename must reach the source memory too.
    MemNodeArray nodes;
    base.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&base.Target, &base.Source}));
    EXPECT_FALSE(base.MergeLimit(0x20));
}
