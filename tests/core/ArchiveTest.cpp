#include <gtest/gtest.h>

#include "core/Archive.h"
#include "support/Bytes.h"
#include "support/Stored.h"

namespace {

TEST(Archive, StringsTakeTheShortestPrefixAndReadBack)
{
    const std::pair<size_t, const char*> cases[] = {{0, "00"},        {3, "03"},           {254, "FE"},
                                                    {255, "FF FF 00"}, {300, "FF 2C 01"}, {0xFFFD, "FF FD FF"},
                                                    {0xFFFE, "FF FF FF FE FF 00 00"}};
    for (const auto& [length, prefix] : cases) {
        const std::string text(length, 'x');
        CArchive ar;
        ar << text;
        EXPECT_EQ(ToHex(ar.GetStored()), ToHex(Hex(prefix) + text)) << length;
        CArchive in(ar.GetStored());
        std::string back;
        in >> back;
        EXPECT_EQ(back, text);
        EXPECT_EQ(in.GetRemaining(), 0u);
    }
    // A wide string (FF FE FF) is UTF-16 and becomes CP932, "?" where CP932 has no form.
    CArchive wide(Hex("FF FE FF 03 41 00 BC 30 E9 00"));
    std::string text;
    wide >> text;
    EXPECT_EQ(ToHex(text), "41 83 5B 3F");
}

TEST(Archive, NumbersAreLittleEndian)
{
    CArchive ar;
    ar << BYTE{0x12} << WORD{0x3456} << LONG{-2} << DWORD{0x01020304} << 1.0;
    EXPECT_EQ(ToHex(ar.GetStored()), "12 56 34 FE FF FF FF 04 03 02 01 00 00 00 00 00 00 F0 3F");
}

TEST(Archive, AShortStringFailsWithEndOfFileAndKeepsTheTarget)
{
    // The last three claim lengths far beyond the stream: refused before anything is allocated.
    for (const char* bytes : {"", "05 41 42", "FF 2C", "FF FF FF FE FF FF 7F", "FF FE FF 02 41 00 42",
                              "FF FF FF FF FF FF FF FF FF FF FF FF FF FF 7F"}) {
        CArchive in(Hex(bytes));
        std::string text = "kept";
        EXPECT_EQ(ArchiveCause([&] { in >> text; }), CArchiveException::endOfFile) << bytes;
        EXPECT_EQ(text, "kept");
    }
}

TEST(Archive, DirectionIsEnforcedAndPeekNeverReadsPastTheEnd)
{
    CArchive storing;
    CArchive loading(Hex("01 00 00"));
    BYTE b;
    EXPECT_EQ(ArchiveCause([&] { storing >> b; }), CArchiveException::writeOnly);
    EXPECT_EQ(ArchiveCause([&] { loading << BYTE{1}; }), CArchiveException::readOnly);
    DWORD v = 7;
    EXPECT_FALSE(loading.PeekDWORD(v));
    EXPECT_EQ(v, 7u);
    CArchive four(Hex("01 00 00 00"));
    EXPECT_TRUE(four.PeekDWORD(v));
    EXPECT_EQ(v, 1u);
    EXPECT_EQ(four.GetPosition(), 0u);
}

}
