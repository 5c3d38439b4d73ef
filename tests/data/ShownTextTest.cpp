// A piece of the user's text as a message quotes it: short, and nothing in it hidden.
#include "ShownText.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct ShownCase {
    const char* name;
    std::string text;
    std::string shown;
};

class ShownTexts : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownTexts, AreShortAndHideNothing) {
    EXPECT_EQ(ShownText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ShownTexts,
    testing::Values(
        ShownCase{"PlainTextAsItIs", "abc 1,5 <a href=\"x\">klik</a>",
                  "abc 1,5 <a href=\"x\">klik</a>"},
        ShownCase{"SerbianLettersAsTheyAre", "Đorđe čeka", "Đorđe čeka"},
        ShownCase{"LineBreaksAndTabs", "a\r\nb\tc", "a\\r\\nb\\tc"},
        ShownCase{"ByteOrderMark",
                  "\xEF\xBB\xBF"
                  "250",
                  "\\uFEFF250"},
        ShownCase{"NoBreakSpaces",
                  "1\xC2\xA0"
                  "250\xE2\x80\xAF",
                  "1\\u00A0250\\u202F"},
        ShownCase{"DirectionMarks",
                  "\xE2\x80\x8F"
                  "250\xE2\x80\xAE"
                  "x\xE2\x81\xA6",
                  "\\u200F250\\u202Ex\\u2066"},
        ShownCase{"OtherControls", std::string("a\0b\x1B\x7F", 5), "a\\u0000b\\u001B\\u007F"},
        ShownCase{"BytesThatAreNotUtf8",
                  "a\xFF\xD0"
                  "b",
                  "a\\xFF\\xD0b"},
        ShownCase{"FortyCharactersKept", std::string(40, 'x'), std::string(40, 'x')},
        ShownCase{"LongerCutWithAnEllipsis", std::string(41, 'x'), std::string(40, 'x') + "…"},
        ShownCase{"CutCountsCharactersNotBytes", std::string(39, 'x') + "žžž",
                  std::string(39, 'x') + "ž…"},
        ShownCase{"AnEscapeIsOneCharacter", std::string(39, 'x') + "\r\r",
                  std::string(39, 'x') + "\\r…"}),
    [](const testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

} // namespace
