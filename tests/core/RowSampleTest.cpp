#include <gtest/gtest.h>

#include "core/RowSample.h"

namespace {

TEST(RowSample, ReservesOnceAfterASixteenthOfTheRows)
{
    // 320 rows after a 10-byte start: the sample is 20 rows; 20 rows of 8
    // bytes leave 300 rows, which get 8 bytes each and a quarter more.
    const RowSample sample(320, 10);
    EXPECT_EQ(sample.RoomAfter(19, 162), 0u);
    EXPECT_EQ(sample.RoomAfter(20, 170), 170u + 300 * 8 * 5 / 4);
    EXPECT_EQ(sample.RoomAfter(21, 178), 0u);
}

TEST(RowSample, ShortRunsReserveNothing)
{
    // Sixteen rows at least make the sample, and a run that ends with it needs no room.
    const RowSample small(40, 0);
    EXPECT_EQ(small.RoomAfter(2, 100), 0u);
    EXPECT_NE(small.RoomAfter(16, 100), 0u);
    const RowSample exact(16, 0);
    EXPECT_EQ(exact.RoomAfter(16, 100), 0u);
}

}
