// The growable rate list: doubling growth into zeroed storage, clearing, failed growth.
#include <gtest/gtest.h>
#include "HeapLedger.h"
#include "page/RateList.h"

namespace {

// Sees the storage beyond the count, which the list keeps zeroed.
struct StoragePeek : CRateList {
    int Raw(int i) const { return m_pData[i]; }
};

TEST(RateList, GrowsByDoublingIntoZeroedStorageThatClearKeeps) {
    StoragePeek list;
    std::vector<int> capacities;
    for (int i = 1; i <= 9; ++i) {
        ASSERT_TRUE(list.Append(i * 10));
        capacities.push_back(list.GetCapacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{ 2, 2, 4, 4, 8, 8, 8, 8, 16 }));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(list[i], (i + 1) * 10);
    for (int i = 9; i < 16; ++i) EXPECT_EQ(list.Raw(i), 0) << i;

    list.Clear();
    list.Append(75);
    EXPECT_EQ(list.GetCapacity(), 16);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list[0], 75);
}

TEST(RateList, FailedGrowthKeepsTheListAndDropsOnlyThatValue) {
    CRateList list;
    list.Append(60);
    list.Append(72);
    HeapLedger::FailNextAllocation(4 * sizeof(int));  // the growth from 2 to 4 elements
    EXPECT_FALSE(list.Append(75));
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetCapacity(), 2);
    EXPECT_EQ(list[1], 72);

    EXPECT_TRUE(list.Append(85));
    EXPECT_EQ(list[2], 85);
    EXPECT_EQ(HeapLedger::BadFrees(), 0);
}

}  // namespace
