#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "support/Bytes.h"

namespace {

TEST(Cp932, ReplaceRunsLeftToRightWithoutRescanning)
{
    EXPECT_EQ(cp932::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(cp932::ReplaceAll("[x][x]", "[x]", "[x][x]"), "[x][x][x][x]");
    EXPECT_EQ(cp932::ReplaceAll(Hex("83 5B 41 5D 5B 41 5D"), "[A]", "B"), Hex("83 5B 41 5D 42"));
    EXPECT_EQ(cp932::RemoveAll("a\nb\n", "\n"), "ab");
}

TEST(Cp932, DropFirstCharDropsAWholeCharacter)
{
    EXPECT_EQ(cp932::DropFirstChar(Hex("83 5B 41")), "A");
    EXPECT_EQ(cp932::DropFirstChar("*PLC1"), "PLC1");
    EXPECT_EQ(cp932::DropFirstChar(Hex("83")), "");
    EXPECT_EQ(cp932::DropFirstChar(""), "");
}

struct Utf8Case {
    const char* cp932;  // hex
    const char* utf8;
};

class Cp932ToUtf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(Cp932ToUtf8, ConvertsCharacterByCharacter)
{
    EXPECT_EQ(cp932::ToUTF8(Hex(GetParam().cp932)), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Cases, Cp932ToUtf8,
                         testing::Values(Utf8Case{"83 5B", "ゼ"}, Utf8Case{"FB FC", "髙"}, Utf8Case{"5C", "\\"},
                                         Utf8Case{"B1", "ｱ"},
                                         // Bytes that cannot begin a character.
                                         Utf8Case{"80 41", "?A"}, Utf8Case{"A0 41", "?A"},
                                         Utf8Case{"FD FE FF", "???"},
                                         // A lead byte whose next byte is no trail: "?", then go on.
                                         Utf8Case{"83 20 41", "? A"},
                                         // A lead byte at the end.
                                         Utf8Case{"41 83", "A?"}));

TEST(Cp932, WideTextConvertsWithQuestionMarksForWhatHasNoForm)
{
    // "Aゼ", then a character CP932 lacks (U+00E9), then a lone surrogate.
    EXPECT_EQ(cp932::FromUTF16LE(Hex("41 00 BC 30 E9 00 00 D8 42 00")), Hex("41 83 5B 3F 3F 42"));
    // A surrogate pair outside CP932.
    EXPECT_EQ(cp932::FromUTF16LE(Hex("3D D8 00 DE")), "?");
    EXPECT_EQ(cp932::FromUTF16LE(Hex("D9 9A")), Hex("FB FC"));
}

TEST(Cp932, FromUtf8ReportsLoss)
{
    bool lossless = false;
    EXPECT_EQ(cp932::FromUTF8("ゼA", &lossless), Hex("83 5B 41"));
    EXPECT_TRUE(lossless);
    EXPECT_EQ(cp932::FromUTF8("é\xE3" "A", &lossless), "??A");
    EXPECT_FALSE(lossless);
}

}
