#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TChartSeries;

// The results as comma-separated text (UTF-8, CRLF rows): a header row, then one row per point
// in record order with its trial number (X) and reaction time in milliseconds (Y). Numbers use
// "." whatever the locale and keep every digit needed to read back the same double.
std::string WriteResultsCsv(const TChartSeries& results);

// A results file that cannot be read; names its first bad line (from 1). The message is a
// Serbian text marked for translation in the "ResultsFile" context, with %1, %2 … for the
// values kept apart, so that the window can show it in its own language; what() is
// "Red <line>: " and the Serbian text filled in.
class ResultsFileError : public std::runtime_error {
public:
    ResultsFileError(int line, const char* source, std::vector<std::string> arguments = {});
    int Line() const { return line_; }
    const char* Source() const { return source_; }
    const std::vector<std::string>& Arguments() const { return arguments_; }

private:
    int line_;
    const char* source_;
    std::vector<std::string> arguments_;
};

// The reaction times of a results file, in file order. Reads what WriteResultsCsv writes and what
// spreadsheets write: ";" or a tab between the fields with "," or "." as the decimal separator,
// UTF-8 or UTF-16 with its byte order mark, lines ended by LF, CR LF or CR. A header row
// (no number in it) is optional and gives the columns: one (times) or two (trial, time); blank
// rows are skipped. Without a header a comma-separated row of two whole numbers could also be
// one time with a decimal comma: the file is refused when it reads both ways, and so is a
// thousands form ("1.234") in a ";" file. Raises ResultsFileError for the first bad row.
// `progress` hears how much has been read (0 … 1) now and then.
std::vector<double> ReadResultsCsv(std::string_view text,
                                   const std::function<void(double)>& progress = {});

// The text of one field, quoted when it holds the separator, a quote or a line break.
std::string CsvField(std::string_view text, char separator = ',');
