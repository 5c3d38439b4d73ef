#include "ChartGeometry.h"

#include <gtest/gtest.h>

TEST(FaceTurn, SignTellsTheTurnAndStaysExactForLargeCoordinates) {
    struct Case {
        const char* name;
        TPoint a, corner, b;
        long long turn;
    };
    // Screen coordinates: y grows downward.
    const Case cases[] = {
        {"right then down", {0, 0}, {10, 0}, {10, 10}, -100},
        {"down then right", {10, 10}, {10, 0}, {0, 0}, 100},
        {"on one line", {0, 0}, {5, 5}, {10, 10}, 0},
        {"beyond int", {-100000, 0}, {0, 0}, {0, 100000}, -10000000000LL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FaceTurn(c.a, c.corner, c.b), c.turn) << c.name;
}
