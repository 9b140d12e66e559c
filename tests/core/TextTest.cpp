#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/Texts.h"
#include "support/Bytes.h"

namespace {

constexpr size_t npos = std::string::npos;

// A match counts only where a character begins: 83 is a lead byte, and a
// run of them pairs up from its start.
TEST(Cp932, SearchesMatchOnlyAtCharacterStarts)
{
    const std::tuple<const char*, const char*, size_t, size_t> finds[] = {
        {"83 5B 41 5D", "[A]", 0, npos}, {"83 83 5B 41 5D", "[A]", 0, 2},     {"83 83 83 5B 41 5D", "[A]", 0, npos},
        {"83 5B 41 5D 5B 41 5D", "[A]", 0, 4}, {"83 41 41", "A", 0, 2},      {"83 41 41", "A", 1, 2},
        {"41 5B 41 5D", "[A]", 2, npos}, {"41 83", "\x83", 0, 1},              {"41", "", 0, npos},
        {"5B 41", "[A]", 0, npos}};
    for (const auto& [text, pattern, from, at] : finds)
        EXPECT_EQ(cp932::Find(Hex(text), pattern, from), at) << text << " from " << from;
    // Text, known character start, target, the first character start at or after the target.
    const std::tuple<const char*, size_t, size_t, size_t> starts[] = {
        {"83 83 83 41", 0, 3, 4}, {"83 83 83 41", 2, 3, 4}, {"83 83 41 41", 0, 2, 2}, {"41 83 41", 0, 2, 3},
        {"5B 83 5B", 1, 2, 3},    {"41 41", 0, 5, 5}};
    for (const auto& [text, known, target, start] : starts)
        EXPECT_EQ(cp932::CharStartAtOrAfter(Hex(text), known, target), start) << text << " to " << target;
}

TEST(Cp932, ReplaceRunsLeftToRightWithoutRescanning)
{
    EXPECT_EQ(cp932::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(cp932::ReplaceAll("[x][x]", "[x]", "[x][x]"), "[x][x][x][x]");
    EXPECT_EQ(cp932::ReplaceAll(Hex("83 5B 41 5D 5B 41 5D"), "[A]", "B"), Hex("83 5B 41 5D 42"));
    EXPECT_EQ(cp932::ReplaceAll(Hex("5B 41 5D 83 5B 41 5D 83 83 5B 41 5D"), "[A]", "B"), Hex("42 83 5B 41 5D 83 83 42"));
    EXPECT_EQ(cp932::RemoveAll("a\nb\n", "\n"), "ab");
    EXPECT_EQ(cp932::DropFirstChar(Hex("83 5B 41")), "A");
    EXPECT_EQ(cp932::DropFirstChar("*PLC1"), "PLC1");
    EXPECT_EQ(cp932::DropFirstChar(Hex("83")) + cp932::DropFirstChar(""), "");
}

TEST(Cp932, ConvertsToUtf8CharacterByCharacter)
{
    const std::pair<const char*, const char*> cases[] = {
        {"83 5B", "ゼ"}, {"FB FC", "髙"}, {"5C", "\\"}, {"B1", "ｱ"},
        // Bytes that cannot begin a character; a lead byte whose next byte is no trail; one at the end.
        {"80 41", "?A"}, {"A0 41", "?A"}, {"FD FE FF", "???"}, {"83 20 41", "? A"}, {"41 83", "A?"}};
    for (const auto& [cp932, utf8] : cases)
        EXPECT_EQ(cp932::ToUTF8(Hex(cp932)), utf8) << cp932;
}

TEST(Cp932, ConvertsFromUtf16AndUtf8WithQuestionMarksForWhatHasNoForm)
{
    // "Aゼ", then a character CP932 lacks (U+00E9), then a lone surrogate.
    EXPECT_EQ(cp932::FromUTF16LE(Hex("41 00 BC 30 E9 00 00 D8 42 00")), Hex("41 83 5B 3F 3F 42"));
    // A surrogate pair outside CP932.
    EXPECT_EQ(cp932::FromUTF16LE(Hex("3D D8 00 DE")), "?");
    EXPECT_EQ(cp932::FromUTF16LE(Hex("D9 9A")), Hex("FB FC"));
    bool lossless = false;
    EXPECT_EQ(cp932::FromUTF8("ゼA", &lossless), Hex("83 5B 41"));
    EXPECT_TRUE(lossless);
    EXPECT_EQ(cp932::FromUTF8("é\xE3" "A", &lossless), "??A");
    EXPECT_FALSE(lossless);
}

TEST(Format, FillsTextsAndNumbersInOrder)
{
    // More placeholders than arguments leaves the rest as they stand.
    const std::pair<const char*, const char*> cases[] = {
        {"%s_%d_", "Btn1_42_"}, {"100%%", "100%"}, {"ends in %", "ends in %"}, {"%x stays", "%x stays"},
        {"%s %d %s", "Btn1 42 %s"}};
    for (const auto& [format, expected] : cases)
        EXPECT_EQ(Format(format, {"Btn1", 42LL}), expected) << format;
    EXPECT_EQ(Format("[%s]", {std::string_view("a\0b", 3)}), std::string("[a\0b]", 5));
}

}
