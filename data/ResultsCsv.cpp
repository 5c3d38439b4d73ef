#include "ResultsCsv.h"

#include "ChartSeries.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace {

const std::string_view TrialTitle = "Redni broj merenja";
const std::string_view TimeTitle = "Vreme reakcije [ms]";

void AppendNumber(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// Length of the valid UTF-8 sequence at `p`, or 0 when it is not one (NUL counts as not text).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t p) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(p);
    if (lead == 0)
        return 0;
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (p + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(p + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(p + i) & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// The line (from 1) of the first byte that is not UTF-8 text, or 0 when all are.
int FirstLineThatIsNotText(std::string_view text) {
    int line = 1;
    for (std::size_t p = 0; p < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, p);
        if (length == 0)
            return line;
        if (text[p] == '\n')
            ++line;
        p += length;
    }
    return 0;
}

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// The fields of one row; a quoted field may hold the separator and doubled quotes.
std::vector<std::string> SplitRow(std::string_view row, char separator) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    bool wasQuoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < row.size() && row[i + 1] == '"')
                field += row[++i];
            else
                quoted = false;
        } else if (c == '"' && Trimmed(field).empty()) {
            quoted = wasQuoted = true;
            field.clear();
        } else if (c == separator) {
            fields.push_back(wasQuoted ? field : std::string(Trimmed(field)));
            field.clear();
            wasQuoted = false;
        } else {
            field += c;
        }
    }
    fields.push_back(wasQuoted ? field : std::string(Trimmed(field)));
    return fields;
}

// The field as a number; with a ";" separator the decimal separator may also be ",".
std::optional<double> ParseNumber(std::string field, char separator) {
    field = std::string(Trimmed(field));
    if (separator == ';' && field.find('.') == std::string::npos) {
        for (char& c : field)
            if (c == ',')
                c = '.';
    }
    double value = 0;
    const char* end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    if (field.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::string NotANumber(const std::string& field) {
    return "\"" + field + "\" nije broj";
}

} // namespace

ResultsFileError::ResultsFileError(int line, const std::string& message)
    : std::runtime_error("Red " + std::to_string(line) + ": " + message), line_(line) {}

std::string CsvField(std::string_view text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string WriteResultsCsv(const TChartSeries& results) {
    std::string out = CsvField(TrialTitle) + ',' + CsvField(TimeTitle) + "\r\n";
    const TChartValueList& x = results.XValues();
    const TChartValueList& y = results.YValues();
    out.reserve(out.size() + std::size_t(results.PointCount()) * 16);
    for (int i = 0; i < results.PointCount(); ++i) {
        AppendNumber(out, x.ValueAt(i));
        out += ',';
        AppendNumber(out, y.ValueAt(i));
        out += "\r\n";
    }
    return out;
}

std::vector<double> ReadResultsCsv(std::string_view text) {
    if (const int line = FirstLineThatIsNotText(text))
        throw ResultsFileError(line, "datoteka nije tekst");
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    std::vector<double> times;
    std::optional<char> separator;
    bool firstRow = true;
    int line = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view row = text.substr(start, end - start);
        start = end + 1;
        ++line;
        if (!row.empty() && row.back() == '\r')
            row.remove_suffix(1);
        if (Trimmed(row).empty())
            continue;
        if (!separator)
            separator = row.find(';') != std::string_view::npos ? ';' : ',';

        const std::vector<std::string> fields = SplitRow(row, *separator);
        const bool wasFirst = std::exchange(firstRow, false);
        if (fields.size() != 2) {
            if (wasFirst && !ParseNumber(fields.back(), *separator))
                continue; // a header of another shape
            throw ResultsFileError(line, "red treba da ima dva polja, redni broj i vreme reakcije");
        }
        const std::optional<double> trial = ParseNumber(fields[0], *separator);
        const std::optional<double> time = ParseNumber(fields[1], *separator);
        if (wasFirst && !trial && !time)
            continue; // the header
        if (!trial || !std::isfinite(*trial))
            throw ResultsFileError(line, NotANumber(fields[0]));
        if (!time)
            throw ResultsFileError(line, NotANumber(fields[1]));
        if (!std::isfinite(*time))
            throw ResultsFileError(line, "vreme reakcije mora biti konačan broj");
        if (*time < 0)
            throw ResultsFileError(line, "vreme reakcije ne može biti negativno");
        times.push_back(*time);
    }
    return times;
}
