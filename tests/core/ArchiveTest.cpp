#include <gtest/gtest.h>

#include "core/Archive.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Settings.h"
#include "support/Stored.h"

namespace {

TEST(Archive, StringsTakeTheShortestPrefixAndReadBack)
{
    const std::pair<size_t, const char*> cases[] = {{0, "00"}, {254, "FE"}, {255, "FF FF 00"}, {0xFFFD, "FF FD FF"},
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
}

TEST(ListArchive, ExactBytes)
{
    // A count, then each action's type byte and its own record.
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{}, "00 00"}, {{SC_ACTIONEXIT}, "01 00 0F"}, {{SC_LABEL}, "01 00 0D 03 41 42 43"},
        {{SC_REFSH, SC_ACTIONEXIT}, "02 00 0B 0F"}};
    for (const auto& [types, hex] : cases) {
        CStepchainData list;
        for (int type : types)
            list.AddSC(Make(list, type, type == SC_LABEL ? "m_name=ABC" : ""));
        EXPECT_EQ(ToHex(StoredBytes(list)), hex);
    }
    CStepchainData six;
    for (const char* name : {"A", "B", "C", "D", "E", "F"})
        six.AddSC(Make(six, SC_LABEL, std::string("m_name=") + name));
    CArchive rows;
    six.SerializeOut(rows, 2, 4);
    EXPECT_EQ(ToHex(rows.GetStored()), "03 00 0D 01 43 0D 01 44 0D 01 45");
    // Loading appends to the rows there are.
    CArchive in(rows.GetStored());
    six.Serialize(in);
    EXPECT_EQ(six.GetCount(), 9u);
    EXPECT_EQ(in.GetRemaining(), 0u);
}

TEST(ListArchive, ABadStreamFailsAndKeepsTheActionsReadBefore)
{
    // Bytes, cause, actions kept, the row the failure names.
    const std::tuple<const char*, int, size_t, int> cases[] = {
        {"", CArchiveException::endOfFile, 0, 0},           {"01", CArchiveException::endOfFile, 0, 0},
        {"03 00 0F 0B", CArchiveException::endOfFile, 2, 3}, {"02 00 0F 0D 05 41 42", CArchiveException::endOfFile, 1, 2},
        {"03 00 0B 10 0F", CArchiveException::badFormat, 1, 2}, {"01 00 FF", CArchiveException::badFormat, 0, 1}};
    for (const auto& [bytes, cause, kept, row] : cases) {
        CStepchainData list;
        CArchive in(Hex(bytes));
        try {
            list.Serialize(in);
            ADD_FAILURE() << "loaded " << bytes;
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause() * 100 + e.GetRow(), cause * 100 + row) << bytes;
        }
        EXPECT_EQ(list.GetCount(), kept) << bytes;
    }
}

TEST(ListArchive, RefusesToStoreMoreThanTheCountHolds)
{
    CStepchainData list;
    for (size_t i = 0; i <= MAX_STEPCHAIN_ACTIONS; ++i)
        list.AddSC(list.CreateSC(SC_REFSH));
    CArchive ar;
    EXPECT_EQ(ArchiveCause([&] { list.Serialize(ar); }), CArchiveException::tooLong);
    EXPECT_TRUE(ar.GetStored().empty());
    delete list.GetActions().back();
    list.GetActions().pop_back();
    EXPECT_EQ(ToHex(StoredBytes(list).substr(0, 3)), "FF FF 0B");
}

}
