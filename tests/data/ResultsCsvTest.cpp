// The results file: what the save writes, the forms the import reads, and what it refuses.
#include "ResultsCsv.h"
#include "CustomChartBase.h"
#include "LineSeries.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(ResultsCsv, WritesAHeaderAndOneRowPerPointWithFullPrecision) {
    TCustomChartBase chart;
    TLineSeries series;
    chart.AddSeries(series);
    for (double ms : {234.0, 234.5, 0.1, 1e300})
        series.AddValue(ms);
    EXPECT_EQ(WriteResultsCsv(series), "Redni broj merenja,Vreme reakcije [ms]\r\n"
                                       "0,234\r\n"
                                       "1,234.5\r\n"
                                       "2,0.1\r\n"
                                       "3,1e+300\r\n");
}

TEST(ResultsCsv, ReadsBackEveryValueItWrote) {
    const std::vector<double> times{0,
                                    1,
                                    234.5,
                                    0.1,
                                    1e-300,
                                    2.5e15,
                                    123456789.123456789,
                                    std::numeric_limits<double>::max(),
                                    std::numeric_limits<double>::denorm_min()};
    TCustomChartBase chart;
    TLineSeries series;
    chart.AddSeries(series);
    for (double ms : times)
        series.AddValue(ms);
    EXPECT_EQ(ReadResultsCsv(WriteResultsCsv(series)), times);
}

TEST(ResultsCsv, QuotesAFieldOnlyWhenItHoldsASeparatorQuoteOrLineBreak) {
    EXPECT_EQ(CsvField("Vreme [ms]"), "Vreme [ms]");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("rekao \"da\""), "\"rekao \"\"da\"\"\"");
    EXPECT_EQ(CsvField("dva\nreda"), "\"dva\nreda\"");
    EXPECT_EQ(CsvField("a;b", ';'), "\"a;b\"");
}

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<double> times;
};

class ResultsFileForms : public testing::TestWithParam<ReadCase> {};

TEST_P(ResultsFileForms, AreRead) {
    EXPECT_EQ(ReadResultsCsv(GetParam().text), GetParam().times);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, ResultsFileForms,
    testing::Values(
        ReadCase{"OwnForm",
                 "Redni broj merenja,Vreme reakcije [ms]\r\n0,234\r\n1,234.5\r\n",
                 {234, 234.5}},
        ReadCase{"NoFinalLineBreak", "0,234\n1,250.25", {234, 250.25}},
        ReadCase{"SpreadsheetWithHeader",
                 "Redni broj merenja;Vreme reakcije [ms]\n0;234\n1;234,5\n",
                 {234, 234.5}},
        ReadCase{"SpreadsheetWithoutHeader", "0;234,5\r\n1;1000,25\r\n", {234.5, 1000.25}},
        ReadCase{"SpreadsheetWithPointDecimals", "0;234.5\n", {234.5}},
        ReadCase{"QuotedFieldsAndSpaces",
                 "\"Redni broj\",\"Vreme, [ms]\"\n 0 , 234 \n\"1\",\"300\"\n",
                 {234, 300}},
        ReadCase{"ByteOrderMarkAndBlankRows", "\xEF\xBB\xBF\n0,234\n\n   \n1,250\n", {234, 250}},
        ReadCase{"HeaderOnly", "Redni broj merenja,Vreme reakcije [ms]\n", {}},
        ReadCase{"Empty", "", {}},
        ReadCase{
            "SerbianLettersInTheHeader", "Redni broj;Vreme reagovanja [ms] č š ž\n0;5\n", {5}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string text;
    int line;
    std::string message;
};

class RefusedResultsFiles : public testing::TestWithParam<BadCase> {};

TEST_P(RefusedResultsFiles, NameTheFirstBadLine) {
    const BadCase& c = GetParam();
    try {
        ReadResultsCsv(c.text);
        FAIL() << "read without complaint";
    } catch (const ResultsFileError& e) {
        EXPECT_EQ(e.Line(), c.line);
        EXPECT_EQ(std::string(e.what()), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Csv, RefusedResultsFiles,
    testing::Values(
        BadCase{"TimeNotANumber", "Redni,Vreme\n0,234\n1,abc\n2,oops\n", 3,
                "Red 3: \"abc\" nije broj"},
        BadCase{"TrialNotANumber", "0,234\n\nx,250\n", 3, "Red 3: \"x\" nije broj"},
        BadCase{"FirstRowHalfANumber", "0,abc\n", 1, "Red 1: \"abc\" nije broj"},
        BadCase{"EmptyTime", "0,234\n1,\n", 2, "Red 2: \"\" nije broj"},
        BadCase{"Negative", "0,234\n1,-0.5\n", 2, "Red 2: vreme reakcije ne može biti negativno"},
        BadCase{"Infinite", "0,inf\n", 1, "Red 1: vreme reakcije mora biti konačan broj"},
        BadCase{"NotANumberValue", "0;234\n1;nan\n", 2,
                "Red 2: vreme reakcije mora biti konačan broj"},
        BadCase{"TooLarge", "0,1e999\n", 1, "Red 1: \"1e999\" nije broj"},
        BadCase{"ThreeFields", "0,234\n1,234,5\n", 2,
                "Red 2: red treba da ima dva polja, redni broj i vreme reakcije"},
        BadCase{"OneField", "0,234\n250\n", 2,
                "Red 2: red treba da ima dva polja, redni broj i vreme reakcije"},
        BadCase{"NulByte", std::string("0,234\n1,2\0\x01\n", 12), 2, "Red 2: datoteka nije tekst"},
        BadCase{"NotUtf8", "0,234\n1,250\n2,\xFF\xD8\xFF\xE0\n", 3, "Red 3: datoteka nije tekst"},
        BadCase{"CutUtf8Sequence", "0,234\n\xC4", 2, "Red 2: datoteka nije tekst"}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

} // namespace
