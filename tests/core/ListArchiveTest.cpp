#include <gtest/gtest.h>

#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Settings.h"
#include "support/Stored.h"

namespace {

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
}

TEST(ListArchive, LoadingAppends)
{
    CStepchainData list;
    list.AddSC(list.CreateSC(SC_REFSH));
    CArchive in(Hex("02 00 0D 01 41 0F"));
    list.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    EXPECT_EQ(ToHex(StoredBytes(list)), "03 00 0B 0D 01 41 0F");
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
