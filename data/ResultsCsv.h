#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TChartSeries;

// The results as comma-separated text (UTF-8, CRLF rows): a header row, then one row per point
// in record order with its trial number (X) and reaction time in milliseconds (Y). Numbers use
// "." whatever the locale and keep every digit needed to read back the same double.
std::string WriteResultsCsv(const TChartSeries& results);

// A results file that cannot be read; names its first bad line (from 1).
class ResultsFileError : public std::runtime_error {
public:
    ResultsFileError(int line, const std::string& message);
    int Line() const { return line_; }

private:
    int line_;
};

// The reaction times of a results file, in file order. Reads what WriteResultsCsv writes and the
// form spreadsheets write: ";" between the fields and "," as the decimal separator. A header
// row is optional, blank rows are skipped. Raises ResultsFileError for the first row that is not
// two numbers, for a negative or non-finite time, and for bytes that are not UTF-8 text.
std::vector<double> ReadResultsCsv(std::string_view text);

// The text of one field, quoted when it holds the separator, a quote or a line break.
std::string CsvField(std::string_view text, char separator = ',');
