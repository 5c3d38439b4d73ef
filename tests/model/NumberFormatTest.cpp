#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FormatCase {
    double value;
    const char* picture;
    const char* english;
    const char* serbian;
    friend void PrintTo(const FormatCase& c, std::ostream* os) {
        *os << c.value << " by \"" << c.picture << '"';
    }
};

class NumberPicture : public testing::TestWithParam<FormatCase> {};

TEST_P(NumberPicture, RoundsHalfAwayFromZeroAndWritesTheLocaleSeparators) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.picture), c.english);
    EXPECT_EQ(FormatNumber(c.value, c.picture, {".", ","}), c.serbian);
}

INSTANTIATE_TEST_SUITE_P(
    AxisLabelsAndFixedTexts, NumberPicture,
    testing::Values(FormatCase{250, "#,##0.###", "250", "250"},
                    FormatCase{1234.5, "#,##0.###", "1,234.5", "1.234,5"},
                    FormatCase{0.12345, "#,##0.###", "0.123", "0,123"},
                    FormatCase{0, "#,##0.###", "0", "0"},
                    FormatCase{-0.0001, "#,##0.###", "0", "0"},
                    FormatCase{-1234567.25, "#,##0.###", "-1,234,567.25", "-1.234.567,25"},
                    FormatCase{0.0625, "#,##0.###", "0.063", "0,063"},
                    FormatCase{999.9996, "#,##0.###", "1,000", "1.000"},
                    FormatCase{100, "#,##0.###", "100", "100"},
                    FormatCase{1e-12, "#,##0.###", "0", "0"}, FormatCase{234.5, "0", "235", "235"},
                    FormatCase{-2.5, "0", "-3", "-3"}, FormatCase{1.5, "0.000", "1.500", "1,500"},
                    FormatCase{0.5, "#.##", ".5", ",5"}));

} // namespace
