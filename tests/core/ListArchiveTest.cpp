#include <gtest/gtest.h>

#include "actions/CSCLabel.h"
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

TEST(ListArchive, LoadsWhatItStoresAndAppends)
{
    CStepchainData list;
    list.AddSC(Make(list, SC_LABEL, "m_name=ラベル 1"));
    list.AddSC(list.CreateSC(SC_REFSH));
    list.AddSC(list.CreateSC(SC_ACTIONEXIT));
    CStepchainData loaded;
    loaded.AddSC(loaded.CreateSC(SC_REFSH));
    CArchive in(StoredBytes(list));
    loaded.Serialize(in);
    ASSERT_EQ(loaded.GetCount(), 4u);
    EXPECT_EQ(loaded.GetAt(0)->GetActionType(), SC_REFSH);
    EXPECT_EQ(static_cast<CSCLabel*>(loaded.GetAt(1))->m_name, Sj("ラベル 1"));
    EXPECT_EQ(in.GetRemaining(), 0u);
}

TEST(ListArchive, ABadStreamFailsAndKeepsTheActionsReadBefore)
{
    const struct {
        const char* bytes;
        int cause;
        size_t kept;
        int row;
    } cases[] = {{"", CArchiveException::endOfFile, 0, 0},
                 {"01", CArchiveException::endOfFile, 0, 0},
                 {"03 00 0F 0B", CArchiveException::endOfFile, 2, 3},
                 {"02 00 0F 0D 05 41 42", CArchiveException::endOfFile, 1, 2},
                 {"03 00 0B 10 0F", CArchiveException::badFormat, 1, 2},
                 {"01 00 FF", CArchiveException::badFormat, 0, 1}};
    for (const auto& c : cases) {
        CStepchainData list;
        CArchive in(Hex(c.bytes));
        try {
            list.Serialize(in);
            ADD_FAILURE() << "loaded " << c.bytes;
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), c.cause) << c.bytes;
            EXPECT_EQ(e.GetRow(), c.row) << c.bytes;
        }
        EXPECT_EQ(list.GetCount(), c.kept) << c.bytes;
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
