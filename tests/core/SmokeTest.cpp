#include <gtest/gtest.h>

#include "core/CStepchainData.h"
#include "support/Bytes.h"

TEST(ListArchive, OneEndOfActions)
{
    CStepchainData list;
    list.AddSC(list.CreateSC(SC_ACTIONEXIT));
    CArchive ar;
    list.Serialize(ar);
    EXPECT_EQ(ToHex(ar.GetStored()), "01 00 0F");
}
