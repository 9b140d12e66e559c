#pragma once

#include <gtest/gtest.h>

#include "core/IStepchain.h"
#include "support/Bytes.h"

// Stores `action` and expects `hex`; loads those bytes into `loaded` and
// expects storing it again to give the same bytes.
inline void ExpectRoundTrip(IStepchain& action, IStepchain& loaded, const char* hex)
{
    CArchive out;
    action.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), hex);
    CArchive in(Hex(hex));
    loaded.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    CArchive again;
    loaded.Serialize(again);
    EXPECT_EQ(ToHex(again.GetStored()), hex);
}
