#include "ValueStorage.h"

#include <gtest/gtest.h>
#include <vector>

// Values survive every way the storage grows: on the heap, into a mapping, within a mapping,
// and into a mapping that an emptied list left behind.
TEST(ValueStorage, KeepsItsValuesAcrossEveryKindOfGrowth) {
    for (int round = 0; round < 2; ++round) {
        ValueStorage storage;
        std::vector<double> expected;
        for (int i = 0; i < 300'000; ++i) {
            storage.push_back(i);
            expected.push_back(i);
        }
        storage.insert(0, -1);
        expected.insert(expected.begin(), -1);
        storage.insert(150'000, -2);
        expected.insert(expected.begin() + 150'000, -2);
        storage.erase(7);
        expected.erase(expected.begin() + 7);
        ASSERT_EQ(storage.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(storage[i], expected[i]) << "round " << round << " index " << i;
        storage.Release();
        EXPECT_TRUE(storage.empty());
        EXPECT_EQ(storage.capacity(), 0u);
    }
}
