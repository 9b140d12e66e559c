#include <gtest/gtest.h>

#include "actions/CSCComm.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"

namespace {

CSCComm Make(const std::string& content, int kind)
{
    CSCComm a(nullptr);
    a.Content.m_name = content;
    a.ContentKind = kind;
    return a;
}

std::string Stored(CSCComm& a)
{
    return ToHex(StoredBytes(a));
}

}

TEST(CSCComm, ScriptAndCaption)
{
    const struct {
        const char* content;
        int kind;
        const char* script;
        const char* caption;  // null: invalid
    } cases[] = {
        {"Hello World", 0, "\tOUTPUT $Hello World\n", "メッセージを出力:'Hello World'"},
        {"", 0, "\tOUTPUT $\n", nullptr},
        {"5", 1, "\tOUTPUT_N $#5\n", "メモリー値を出力:#5"},
        {"TXT1[TEXT]", 1, "\tOUTPUT_N $TXT1\n", "メモリー値を出力:TXT1[TEXT]"},
        {"", 1, "\tOUTPUT_N $\n", nullptr},
        {"", 2, "\tOUTPUT $[NAME]_[EVENT]\n", "ボタン&イベント名を出力"},
        {"", 3, "", nullptr},
    };
    for (auto c : cases) {
        CSCComm a = Make(c.content, c.kind);
        EXPECT_EQ(a.ExportStr("R1", nullptr), c.script);
        EXPECT_EQ(a.ExportStr("INITIAL", nullptr) + a.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(a.GetCaption(), c.caption ? Sj(c.caption) : T(Txt::InputError)) << c.script;
    }
}

TEST(CSCComm, FontBuilderTurnsTheLineIntoUtf8)
{
    CSCComm a = Make(Sj("開始"), 0);
    FakeHost host;
    EXPECT_EQ(a.ExportStr("R1", nullptr), "\tOUTPUT $" + Sj("開始") + "\n");
    host.features["WIZ_FONTBUILDER"] = {};
    EXPECT_EQ(a.ExportStr("R1", nullptr), "\tOUTPUT $開始\n");
}

TEST(CSCComm, MessageLoadsAsLiteralTextAndAMemoryAsStored)
{
    const struct {
        const char* record;
        const char* restored;
    } cases[] = {
        {"01 00 00 00 02 4D 31 01 00 00 00 00 00 00 00 00 00 00 00",
         "01 00 00 00 10 4D 31 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 00 00 00 00 00 00 00 00"},
        {"01 00 00 00 08 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 01 00 00 00",
         "01 00 00 00 08 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 01 00 00 00"},
        // A memory value in an ordinary memory stays one.
        {"01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 01 00 00 00",
         "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 01 00 00 00"},
    };
    for (auto c : cases) {
        CSCComm a(nullptr);
        CArchive ar(Hex(c.record));
        a.Serialize(ar);
        EXPECT_EQ(ar.GetRemaining(), 0u);
        EXPECT_EQ(Stored(a), c.restored);
    }
}

TEST(CSCComm, CompareAndLimit)
{
    CSCComm base = Make("W0", 1);
    for (CSCComm other : {Make("W0", 0), Make("W1", 1)})
        EXPECT_FALSE(base.CompareProperties(&other));
    CSCComm copy(nullptr);
    copy.CopyPropertiesFrom(&base);
    EXPECT_TRUE(copy.CompareProperties(&base));
    EXPECT_FALSE(base.MergeLimit(0x10));
    EXPECT_TRUE(base.MergeLimit(~DWORD{0x10}));
}
