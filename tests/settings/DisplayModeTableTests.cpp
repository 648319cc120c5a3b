// The mode table's growth and clearing.
#include <gtest/gtest.h>
#include "HeapLedger.h"
#include "settings/DisplayModeTable.h"

namespace {

TEST(DisplayModeTableTest, StartsEmptyWithZeroedStorage) {
    CDisplayModeTable table(64);
    EXPECT_EQ(table.GetCount(), 0);
    EXPECT_EQ(table.GetCapacity(), 64);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(table[i], DisplayMode()) << i;
}

TEST(DisplayModeTableTest, AnEmptyTableGrowsToTwoThenDoubles) {
    CDisplayModeTable table(0);
    table.AddMode(DisplayMode(8, 640, 480, 60));
    EXPECT_EQ(table.GetCapacity(), 2);
    table.AddMode(DisplayMode(8, 640, 480, 72));
    table.AddMode(DisplayMode(8, 640, 480, 75));
    EXPECT_EQ(table.GetCapacity(), 4);
    EXPECT_EQ(table.GetCount(), 3);
    EXPECT_EQ(table[0], DisplayMode(8, 640, 480, 60));
    EXPECT_EQ(table[2], DisplayMode(8, 640, 480, 75));
    EXPECT_EQ(table[3], DisplayMode());
}

TEST(DisplayModeTableTest, AFullTableDoublesAndKeepsItsModes) {
    CDisplayModeTable table(64);
    for (int i = 0; i < 65; ++i) table.AddMode(DisplayMode(16, 800, 600, i));
    EXPECT_EQ(table.GetCapacity(), 128);
    EXPECT_EQ(table.GetCount(), 65);
    for (int i = 0; i < 65; ++i) EXPECT_EQ(table[i], DisplayMode(16, 800, 600, i)) << i;
    for (int i = 65; i < 128; ++i) EXPECT_EQ(table[i], DisplayMode()) << i;
}

TEST(DisplayModeTableTest, ClearingKeepsTheStorage) {
    CDisplayModeTable table(2);
    table.AddMode(DisplayMode(16, 800, 600, 60));
    table.AddMode(DisplayMode(16, 800, 600, 75));
    const DisplayMode* pStorage = &table[0];
    table.ClearModes();
    EXPECT_EQ(table.GetCount(), 0);
    table.AddMode(DisplayMode(32, 1024, 768, 85));
    EXPECT_EQ(&table[0], pStorage);
    EXPECT_EQ(table.GetCapacity(), 2);
    EXPECT_EQ(table[0], DisplayMode(32, 1024, 768, 85));
}

TEST(DisplayModeTableTest, OutOfMemoryLeavesTheTableAsItWas) {
    HeapLedger::FailNextAllocation(64 * sizeof(DisplayMode));
    CDisplayModeTable table(64);
    EXPECT_EQ(table.GetCapacity(), 0);
    table.AddMode(DisplayMode(16, 800, 600, 60));
    table.AddMode(DisplayMode(16, 800, 600, 75));
    EXPECT_EQ(table.GetCapacity(), 2);

    HeapLedger::FailNextAllocation(4 * sizeof(DisplayMode));
    table.AddMode(DisplayMode(16, 800, 600, 85));
    EXPECT_EQ(table.GetCount(), 2);
    EXPECT_EQ(table.GetCapacity(), 2);
    EXPECT_EQ(table[1], DisplayMode(16, 800, 600, 75));
    table.AddMode(DisplayMode(16, 800, 600, 85));
    EXPECT_EQ(table[2], DisplayMode(16, 800, 600, 85));
}

}  // namespace
