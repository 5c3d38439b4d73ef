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

// The bytes of UTF-16 text with its byte order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = char(unit >> 8);
        const char low = char(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
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
        ReadCase{"NoFinalLineBreak", "0,234.5\n1,250.25", {234.5, 250.25}},
        ReadCase{"SpreadsheetWithHeader",
                 "Redni broj merenja;Vreme reakcije [ms]\n0;234\n1;234,5\n",
                 {234, 234.5}},
        ReadCase{"SpreadsheetWithoutHeader", "0;234,5\r\n1;1000,25\r\n", {234.5, 1000.25}},
        ReadCase{
            "SpreadsheetWithPointDecimals", "1;250.5\n2;0.234\n3;1234.5\n", {250.5, 0.234, 1234.5}},
        ReadCase{"TrialsCountingFromAnyNumber", "57;234\n58;250\n", {234, 250}},
        ReadCase{"TabSeparated", "0\t234,5\n1\t250\n", {234.5, 250}},
        ReadCase{"TabSeparatedOneRow", "0\t234", {234}},
        ReadCase{"TabSeparatedWithHeader", "Redni broj\tVreme\n0\t234.5\n", {234.5}},
        ReadCase{"QuotedFieldsAndSpaces",
                 "\"Redni broj\",\"Vreme, [ms]\"\n 0 , 234 \n\"1\",\"300\"\n",
                 {234, 300}},
        ReadCase{"QuotedDecimalComma", "Redni,Vreme\n0,\"234,5\"\n1,\"250\"\n", {234.5, 250}},
        ReadCase{"QuotedDecimalCommaWithoutHeader", "0,\"234,5\"\n1,\"250,25\"\n", {234.5, 250.25}},
        ReadCase{"OneColumnOfDecimalCommas", "250,5\n312,25\n", {250.5, 312.25}},
        ReadCase{"OneColumnOfWholeNumbers", "250\n312\n", {250, 312}},
        ReadCase{"OneColumnThatCannotBeTwo", "250,5\n312\n", {250.5, 312}},
        ReadCase{
            "OneColumnWithHeader", "Vreme reakcije [ms]\n250,5\n300\n0,234\n", {250.5, 300, 0.234}},
        ReadCase{"CarriageReturnLineEnds",
                 "Redni broj merenja,Vreme reakcije [ms]\r0,234\r1,250\r",
                 {234, 250}},
        ReadCase{"ByteOrderMarkAndBlankRows", "\xEF\xBB\xBF\n0;234\n\n   \n1;250\n", {234, 250}},
        ReadCase{"Utf16LittleEndian",
                 Utf16(u"Redni broj;Vreme reakcije č [ms]\r\n0;234,5\r\n1;250\r\n", false),
                 {234.5, 250}},
        ReadCase{"Utf16BigEndian", Utf16(u"Vreme \U0001F600\n250,5\n", true), {250.5}},
        ReadCase{"Windows1250Header",
                 "Redni broj;Vreme \xD0or\xF0"
                 "e [ms]\r\n0;234,5\r\n",
                 {234.5}},
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

const std::string HowToWriteIt = "dodajte red sa naslovima kolona ili razdvojte polja znakom \";\"";
const std::string ReadsTwoWays =
    " se može pročitati i kao decimalni broj i kao broj sa tačkom između hiljada; napišite ga bez "
    "tačke između hiljada ili sa decimalnim zarezom";
const std::string TwoFields = "red treba da ima dva polja, redni broj i vreme reakcije";

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
        BadCase{"ThreeFields", "0,234\n1,234,5\n", 2, "Red 2: " + TwoFields},
        BadCase{"OneFieldAfterAHeaderOfTwo", "Redni,Vreme\n0,234\n250\n", 3, "Red 3: " + TwoFields},
        BadCase{"OneRowOfThreeIsNoHeader", "0,234,x", 1, "Red 1: " + TwoFields},
        BadCase{"TabSeparatedRowOfThree", "0\t234\tx\n", 1, "Red 1: " + TwoFields},
        BadCase{"HeaderOfThreeColumns", "a,b,c\n0,1\n", 1, "Red 1: " + TwoFields},
        // Found by the fuzzer: a fourth quoted field once reused the third one's buffer, which
        // the header check still read (AddressSanitizer shows it).
        BadCase{"FourQuotedFieldsInOneRow",
                "\"a\",\"b\",\"" + std::string(20, 'c') + "\",\"" + std::string(40, 'y') +
                    "\"\n0,1\n",
                1, "Red 1: " + TwoFields},
        BadCase{"OneColumnWithABadTime", "250,5\nabc\n", 2, "Red 2: \"abc\" nije broj"},
        BadCase{"FileReadsTwoWays", "0,234\n1,250\n", 1,
                "Red 1: datoteka se može pročitati na dva načina: kao redni brojevi i vremena "
                "reakcije (ovaj red: redni broj 0 i vreme 234 ms) ili kao jedna kolona vremena sa "
                "decimalnim zarezom (ovaj red: 0,234 ms); " +
                    HowToWriteIt},
        BadCase{"OneRowReadsTwoWays", "\n250,5\n", 2,
                "Red 2: datoteka se može pročitati na dva načina: kao redni brojevi i vremena "
                "reakcije (ovaj red: redni broj 250 i vreme 5 ms) ili kao jedna kolona vremena sa "
                "decimalnim zarezom (ovaj red: 250,5 ms); " +
                    HowToWriteIt},
        BadCase{"RowReadsTwoWays", "0,234.5\n1,250\n", 2,
                "Red 2: \"1,250\" se može pročitati kao redni broj 1 i vreme 250 ms ili kao vreme "
                "1,250 ms; " +
                    HowToWriteIt},
        BadCase{"ThousandsFormInASemicolonFile", "0;234\n1;1.234\n", 2,
                "Red 2: \"1.234\"" + ReadsTwoWays},
        BadCase{"ThousandsFormOfGroups", "Redni;Vreme\n0;12.345.678\n", 2,
                "Red 2: \"12.345.678\"" + ReadsTwoWays},
        BadCase{"ThousandsFormInTheTrialColumn", "Redni;Vreme\n1.000;234\n", 2,
                "Red 2: \"1.000\"" + ReadsTwoWays},
        BadCase{"TrialsThatDoNotCount", "0;234\n2;250\n", 2,
                "Red 2: redni broj merenja treba da bude 1, za jedan veći od prethodnog; ako prva "
                "kolona ne broji merenja, dodajte red sa naslovima kolona"},
        BadCase{"TrialNotWhole", "0.5;234\n", 1, "Red 1: redni broj merenja \"0.5\" nije ceo broj"},
        BadCase{"LongFieldIsCut", "Redni,Vreme\n0," + std::string(100, 'a') + "\n", 2,
                "Red 2: \"" + std::string(40, 'a') + "…\" nije broj"},
        BadCase{"InvisibleCharactersShown",
                "0;234\n1;\xC2\xA0"
                "25\xE2\x80\x8F\n",
                2, "Red 2: \"\\u00A025\\u200F\" nije broj"},
        BadCase{"NulByte", std::string("0,234\n1,2\0\x01\n", 12), 2, "Red 2: datoteka nije tekst"},
        BadCase{"NotUtf8", "0,234\n1,250\n2,\xFF\xD8\xFF\xE0\n", 3, "Red 3: datoteka nije tekst"},
        BadCase{"CutUtf8Sequence", "0,234\n\xC4", 2, "Red 2: datoteka nije tekst"},
        BadCase{"CodePageBytesInANumberRow",
                "0,\xFF"
                "234\n",
                1, "Red 1: datoteka nije tekst"},
        BadCase{"CodePageBytesAfterTheHeader", "Redni;Vreme\n0;234\n\xD0;250\n", 3,
                "Red 3: datoteka nije tekst"},
        BadCase{"Utf16LoneSurrogate", Utf16(u"Vreme\n250\n\xD800\n", false), 3,
                "Red 3: datoteka nije tekst"},
        BadCase{"Utf16CutInHalf", Utf16(u"Vreme\n250", false) + "\x35", 2,
                "Red 2: datoteka nije tekst"}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

} // namespace
