#include "ChartValueList.h"
#include "TestChart.h"

#include <gtest/gtest.h>

#include <fstream>
#include <new>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

void Fill(TChartValueList& list, const std::vector<double>& values) {
    for (double v : values)
        list.InsertValueAt(list.ValueCount(), v);
}

struct OrderedCase {
    TChartListOrder order;
    std::vector<double> before;
    double value;
    int position;
    std::vector<double> after;
    friend void PrintTo(const OrderedCase& c, std::ostream* os) {
        *os << "order " << int(c.order) << ", add " << c.value << " to "
            << testing::PrintToString(c.before);
    }
};

class OrderedInsertion : public testing::TestWithParam<OrderedCase> {};

TEST_P(OrderedInsertion, PutsTheValueWhereTheOrderDemandsAfterEqualEntries) {
    const OrderedCase& c = GetParam();
    TChartValueList list(nullptr, "X");
    list.SetOrder(c.order);
    Fill(list, c.before);

    EXPECT_EQ(list.AddOrdered(c.value), c.position);
    EXPECT_EQ(list.PendingValue(), c.value);
    EXPECT_EQ(Entries(list), c.after);
}

INSTANTIATE_TEST_SUITE_P(AllOrders, OrderedInsertion,
                         testing::Values(OrderedCase{loAscending, {0, 2, 3}, 3, 3, {0, 2, 3, 3}},
                                         OrderedCase{
                                             loAscending, {0, 2, 3, 3}, 2, 2, {0, 2, 2, 3, 3}},
                                         OrderedCase{loAscending, {0, 2, 3}, -1, 0, {-1, 0, 2, 3}},
                                         OrderedCase{loAscending, {1, 1, 1}, 1, 3, {1, 1, 1, 1}},
                                         OrderedCase{loAscending, {}, 7, 0, {7}},
                                         OrderedCase{loDescending, {5, 3, 3}, 3, 3, {5, 3, 3, 3}},
                                         OrderedCase{loDescending, {5, 3, 3}, 4, 1, {5, 4, 3, 3}},
                                         OrderedCase{loDescending, {5, 3, 3}, 5, 1, {5, 5, 3, 3}},
                                         OrderedCase{loDescending, {5, 3, 3}, 9, 0, {9, 5, 3, 3}},
                                         OrderedCase{loNone, {5, 1, 9}, 0, 3, {5, 1, 9, 0}},
                                         OrderedCase{loNone, {5, 1, 9}, 100, 3, {5, 1, 9, 100}}));

TEST(ValueListStats, EmptyListReportsZeros) {
    TChartValueList list(nullptr, "Y");
    EXPECT_TRUE(list.StatsStale());
    EXPECT_EQ(list.MinimumValue(), 0);
    EXPECT_EQ(list.MaximumValue(), 0);
    EXPECT_EQ(list.ValueTotal(), 0);
    EXPECT_EQ(list.AbsoluteTotal(), 0);
    EXPECT_EQ(list.ValueRange(), 0);
    EXPECT_FALSE(list.StatsStale());
}

TEST(ValueListStats, CoverEveryEntryInUseWhateverItsSign) {
    TChartValueList list(nullptr, "Y");
    Fill(list, {5, -3, 1, 2});
    EXPECT_EQ(list.MinimumValue(), -3);
    EXPECT_EQ(list.MaximumValue(), 5);
    EXPECT_EQ(list.ValueTotal(), 5);
    EXPECT_EQ(list.AbsoluteTotal(), 11);
    EXPECT_EQ(list.ValueRange(), 8);
}

TEST(ValueListStats, FollowSetValueAtWithoutResortingTheList) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    Fill(list, {0, 1, 2});
    EXPECT_EQ(list.MaximumValue(), 2);

    list.SetValueAt(1, 9);
    EXPECT_TRUE(list.StatsStale());
    EXPECT_EQ(list.MaximumValue(), 9);
    EXPECT_EQ(list.ValueTotal(), 11);
    EXPECT_EQ(Entries(list), (std::vector<double>{0, 9, 2}));

    // The ordered insertion compares against the last entry only, so 5 is appended.
    EXPECT_EQ(list.AddOrdered(5), 3);
    EXPECT_EQ(Entries(list), (std::vector<double>{0, 9, 2, 5}));
}

TEST(ValueListStats, LeaveDeletedEntriesOut) {
    TChartValueList list(nullptr, "Y");
    Fill(list, {4, 1, 8});
    EXPECT_EQ(list.MaximumValue(), 8);

    list.DeleteValue(2);
    EXPECT_EQ(list.ValueCount(), 2);
    EXPECT_EQ(list.MaximumValue(), 4);
    EXPECT_EQ(list.ValueTotal(), 5);
    EXPECT_EQ(list.Capacity(), 1000);
}

TEST(ValueListEditing, DeleteAndInsertShiftTheFollowingEntries) {
    TChartValueList list(nullptr, "Y");
    Fill(list, {0, 1, 2});
    list.DeleteValue(0);
    EXPECT_EQ(Entries(list), (std::vector<double>{1, 2}));
    EXPECT_EQ(list.FirstValue(), 1);
    EXPECT_EQ(list.LastValue(), 2);

    list.InsertValueAt(1, 7);
    EXPECT_EQ(Entries(list), (std::vector<double>{1, 7, 2}));
    list.InsertValueAt(0, -1);
    EXPECT_EQ(Entries(list), (std::vector<double>{-1, 1, 7, 2}));
}

TEST(ValueListCapacity, GrowsInStepsOfAThousandAndIsReleasedByRemoveAll) {
    TChartValueList list(nullptr, "Y");
    EXPECT_EQ(list.Capacity(), 0);

    for (int i = 0; i < 1000; ++i)
        list.AddOrdered(i);
    EXPECT_EQ(list.Capacity(), 1000);
    list.AddOrdered(1000);
    EXPECT_EQ(list.Capacity(), 2000);
    EXPECT_EQ(list.ValueCount(), 1001);

    for (int i = 0; i < 500; ++i)
        list.DeleteValue(0);
    EXPECT_EQ(list.Capacity(), 2000);

    list.RemoveAllValues();
    EXPECT_EQ(list.ValueCount(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_TRUE(list.StatsStale());
    list.AddOrdered(1);
    EXPECT_EQ(list.Capacity(), 1000);
}

// The address space is capped just above what the process uses, so that the list's storage
// runs out while it grows.
TEST(ValueListCapacity, AListWhoseStorageCannotGrowStaysAsItWas) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs the address space it reserved";
#else
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    ASSERT_GT(pages, 0);
    rlimit capped = saved;
    capped.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (48u << 20);
    if (saved.rlim_cur != RLIM_INFINITY && saved.rlim_cur < capped.rlim_cur)
        capped.rlim_cur = saved.rlim_cur;

    TChartValueList list(nullptr, "Y");
    int count = 0, capacity = 0;
    bool refused = false;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &capped), 0);
    try {
        for (int i = 0; i < 100'000'000; ++i) {
            count = list.ValueCount();
            capacity = list.Capacity();
            list.AddOrdered(i);
        }
    } catch (const std::bad_alloc&) {
        refused = true;
    }
    setrlimit(RLIMIT_AS, &saved);

    ASSERT_TRUE(refused);
    EXPECT_EQ(list.ValueCount(), count);
    EXPECT_EQ(list.Capacity(), capacity);
    EXPECT_EQ(list.LastValue(), count - 1);
    list.AddOrdered(count);
    EXPECT_EQ(list.ValueCount(), count + 1);
#endif
}

TEST(ValueListSettings, CopySettingsTakesOrderDateTimeAndSourceButNotNameOrEntries) {
    TChartValueList source(nullptr, "A");
    source.SetOrder(loDescending);
    source.SetDateTime(true);
    source.SetValueSource("Field");
    Fill(source, {1, 2});

    TChartValueList target(nullptr, "B");
    target.CopySettings(source);
    EXPECT_EQ(target.Order(), loDescending);
    EXPECT_TRUE(target.DateTime());
    EXPECT_EQ(target.ValueSource(), "Field");
    EXPECT_EQ(target.Name(), "B");
    EXPECT_EQ(target.ValueCount(), 0);
}

#ifndef NDEBUG
TEST(ValueListDeathTest, OutOfRangeIndexTripsAnAssertion) {
    TChartValueList list(nullptr, "Y");
    Fill(list, {1, 2});
    EXPECT_DEATH(list.ValueAt(2), "");
    EXPECT_DEATH(list.ValueAt(-1), "");
    EXPECT_DEATH(list.SetValueAt(2, 0), "");
}
#endif

} // namespace
