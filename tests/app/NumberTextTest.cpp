#include "NumberText.h"
#include "MessageBoxes.h"

#include <gtest/gtest.h>

TEST(FormatFixed, RoundsExactHalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case c :
         {Case{234.5, 0, "235"}, Case{235.5, 0, "236"}, Case{234.49, 0, "234"}, Case{0.5, 0, "1"},
          Case{999.5, 0, "1000"}, Case{-2.5, 0, "-3"}, Case{-0.4, 0, "0"}, Case{1.0625, 3, "1,063"},
          Case{2.0, 4, "2,0000"}, Case{1234567.0, 0, "1234567"}, Case{0.1, 3, "0,100"}})
        EXPECT_EQ(FormatFixed(c.value, c.decimals, u','), QString(c.text)) << c.value;
}

TEST(ErrorDisplay, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    for (const Case c :
         {Case{"Division by zero", "Division by zero."},
          Case{"Bookmark not found.", "Bookmark not found."}, Case{"Value (5)", "Value (5)"},
          Case{"Done!", "Done!"},
          Case{"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
          Case{"ends in 7", "ends in 7."}, Case{"", ""}})
        EXPECT_EQ(platform::ErrorDisplay::Format(c.message), QString(c.shown)) << c.message;
}
