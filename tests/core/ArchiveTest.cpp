#include <gtest/gtest.h>

#include "core/Archive.h"
#include "support/Bytes.h"

namespace {

std::string Stored(const std::string& text)
{
    CArchive ar;
    ar << text;
    return ar.GetStored();
}

struct PrefixCase {
    size_t length;
    const char* prefix;
};

class ArchivedString : public testing::TestWithParam<PrefixCase> {};

TEST_P(ArchivedString, TakesTheShortestPrefixAndReadsBack)
{
    const std::string text(GetParam().length, 'x');
    const std::string bytes = Stored(text);
    const std::string prefix = Hex(GetParam().prefix);
    EXPECT_EQ(ToHex(bytes.substr(0, prefix.size())), ToHex(prefix));
    EXPECT_EQ(bytes.size(), prefix.size() + text.size());
    CArchive in(bytes);
    std::string back;
    in >> back;
    EXPECT_EQ(back, text);
    EXPECT_EQ(in.GetRemaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ArchivedString,
                         testing::Values(PrefixCase{0, "00"}, PrefixCase{3, "03"}, PrefixCase{254, "FE"},
                                         PrefixCase{255, "FF FF 00"}, PrefixCase{300, "FF 2C 01"},
                                         PrefixCase{0xFFFD, "FF FD FF"},
                                         PrefixCase{0xFFFE, "FF FF FF FE FF 00 00"}));

TEST(Archive, NumbersAreLittleEndian)
{
    CArchive ar;
    ar << BYTE{0x12} << WORD{0x3456} << LONG{-2} << DWORD{0x01020304} << 1.0;
    EXPECT_EQ(ToHex(ar.GetStored()), "12 56 34 FE FF FF FF 04 03 02 01 00 00 00 00 00 00 F0 3F");
    CArchive in(ar.GetStored());
    BYTE b;
    WORD w;
    LONG l;
    DWORD d;
    double f;
    in >> b >> w >> l >> d >> f;
    EXPECT_EQ(b, 0x12);
    EXPECT_EQ(w, 0x3456);
    EXPECT_EQ(l, -2);
    EXPECT_EQ(d, 0x01020304u);
    EXPECT_EQ(f, 1.0);
}

TEST(Archive, ReadsWideStringsAsCp932)
{
    CArchive in(Hex("FF FE FF 03 41 00 BC 30 E9 00"));
    std::string text;
    in >> text;
    EXPECT_EQ(ToHex(text), ToHex(Hex("41 83 5B 3F")));
}

struct ShortCase {
    const char* name;
    const char* bytes;
};

class ShortString : public testing::TestWithParam<ShortCase> {};

TEST_P(ShortString, FailsWithEndOfFile)
{
    CArchive in(Hex(GetParam().bytes));
    std::string text = "kept";
    try {
        in >> text;
        FAIL() << "read past the end";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
    }
    EXPECT_EQ(text, "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortString,
    testing::Values(ShortCase{"empty", ""}, ShortCase{"text", "05 41 42"}, ShortCase{"prefix", "FF 2C"},
                    // Lengths far beyond the stream are refused before anything is allocated.
                    ShortCase{"dword", "FF FF FF FE FF FF 7F"},
                    ShortCase{"quad", "FF FF FF FF FF FF FF FF FF FF FF FF FF FF 7F"},
                    ShortCase{"wide", "FF FE FF 02 41 00 42"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Archive, DirectionIsEnforced)
{
    auto cause = [](auto&& use) {
        try {
            use();
        } catch (const CArchiveException& e) {
            return static_cast<int>(e.GetCause());
        }
        return -1;
    };
    CArchive storing;
    CArchive loading(std::string("\x01", 1));
    BYTE b;
    EXPECT_EQ(cause([&] { storing >> b; }), CArchiveException::writeOnly);
    EXPECT_EQ(cause([&] { loading << BYTE{1}; }), CArchiveException::readOnly);
}

TEST(Archive, PeekNeverReadsPastTheEnd)
{
    CArchive in(Hex("01 00 00"));
    DWORD v = 7;
    EXPECT_FALSE(in.PeekDWORD(v));
    EXPECT_EQ(v, 7u);
    CArchive four(Hex("01 00 00 00"));
    EXPECT_TRUE(four.PeekDWORD(v));
    EXPECT_EQ(v, 1u);
    EXPECT_EQ(four.GetPosition(), 0u);
}

}
