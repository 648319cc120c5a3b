// The growable rate list: doubling growth into zeroed storage, and clearing. (Its failed growth
// is the mode table's, the same array: tests/settings/DisplayModeTableTests.cpp.)
#include <gtest/gtest.h>
#include "page/RateList.h"

namespace {

TEST(RateList, GrowsByDoublingIntoZeroedStorageThatClearKeeps) {
    CRateList list;
    std::vector<int> capacities;
    for (int i = 1; i <= 9; ++i) {
        ASSERT_TRUE(list.Append(i * 10));
        capacities.push_back(list.GetCapacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{ 2, 2, 4, 4, 8, 8, 8, 8, 16 }));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(list[i], (i + 1) * 10);
    for (int i = 9; i < 16; ++i) EXPECT_EQ(list[i], 0) << i;

    list.Clear();
    list.Append(75);
    EXPECT_EQ(list.GetCapacity(), 16);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list[0], 75);
}

}  // namespace
