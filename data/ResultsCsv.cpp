#include "ResultsCsv.h"

#include "ChartSeries.h"
#include "ShownText.h"
#include "Utf8Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

const std::string_view TrialTitle = "Redni broj merenja";
const std::string_view TimeTitle = "Vreme reakcije [ms]";

void AppendNumber(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// The reader's messages are marked for the translation tools, which read this macro by its
// name; the library itself does without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

const char* const NotText = QT_TRANSLATE_NOOP("ResultsFile", "datoteka nije tekst");
const char* const TwoFields =
    QT_TRANSLATE_NOOP("ResultsFile", "red treba da ima dva polja, redni broj i vreme reakcije");

// `pattern` with %1 … %9 replaced by `arguments` in one pass.
std::string Filled(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9' && std::size_t(pattern[i + 1] - '1') < arguments.size()) {
            text += arguments[std::size_t(pattern[i + 1] - '1')];
            ++i;
            continue;
        }
        text += pattern[i];
    }
    return text;
}

// The line (from 1) that byte `end` of `text` is on; lines end at LF, CR LF or a lone CR.
int LineAt(std::string_view text, std::size_t end) {
    int line = 1;
    for (std::size_t i = 0; i < end && i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// UTF-16 text (after its byte order mark) as UTF-8; a lone surrogate or a cut unit is not text.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0;
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        if (i + 1 >= bytes.size())
            throw ResultsFileError(LineAt(out, out.size()), NotText);
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            throw ResultsFileError(LineAt(out, out.size()), NotText);
        }
        AppendUtf8(out, c);
    }
    return out;
}

// UTF-8 without NUL bytes.
bool IsText(std::string_view row) {
    for (std::size_t p = 0; p < row.size();) {
        const auto byte = static_cast<unsigned char>(row[p]);
        if (byte == 0)
            return false;
        if (byte < 0x80) {
            ++p;
            continue;
        }
        const std::size_t length = DecodeUtf8(row, p).length;
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

// Text in an 8-bit code page such as Windows-1250: no NUL and no control byte but the tab.
bool IsCodePageText(std::string_view row) {
    for (const char c : row)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return false;
    return true;
}

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

struct Row {
    std::string_view text;
    int line = 0;
    std::size_t start = 0;
    std::size_t end = 0; // where the next row starts
};

// The rows of the text in order, blank ones too.
class Rows {
public:
    explicit Rows(std::string_view text, std::size_t start = 0, int line = 1)
        : text_(text), position_(start), line_(line) {}

    bool Next(Row& row) {
        if (position_ >= text_.size())
            return false;
        std::size_t end = position_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        row.start = position_;
        row.text = text_.substr(position_, end - position_);
        row.line = line_++;
        if (end < text_.size() && text_[end] == '\r' && end + 1 < text_.size() &&
            text_[end + 1] == '\n')
            ++end;
        position_ = row.end = end + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t position_;
    int line_;
};

enum class Separator : char { Comma = ',', Semicolon = ';', Tab = '\t' };

struct Field {
    std::string_view text; // trimmed unless quoted
    bool quoted = false;
};

// The fields of one row: at most three are kept, `count` tells how many there are. A quoted
// field may hold the separator and doubled quotes.
class SplitRow {
public:
    static constexpr int Kept = 3;

    void Split(std::string_view row, char separator) {
        count = 0;
        std::size_t i = 0;
        for (;;) {
            std::size_t start = i;
            while (start < row.size() && (row[start] == ' ' || row[start] == '\t') &&
                   row[start] != separator)
                ++start;
            Field field;
            std::size_t stop;
            if (start < row.size() && row[start] == '"') {
                // A field past the kept ones has a buffer of its own: the kept views stay valid.
                std::string& buffer = count < Kept ? buffers_[count] : past_;
                buffer.clear();
                std::size_t k = start + 1;
                while (k < row.size()) {
                    if (row[k] == '"') {
                        if (k + 1 < row.size() && row[k + 1] == '"') {
                            buffer += '"';
                            k += 2;
                            continue;
                        }
                        ++k;
                        break;
                    }
                    buffer += row[k++];
                }
                stop = std::min(row.find(separator, k), row.size());
                buffer.append(row.substr(k, stop - k));
                field = {buffer, true};
            } else {
                stop = std::min(row.find(separator, i), row.size());
                field = {Trimmed(row.substr(i, stop - i)), false};
            }
            if (count < Kept)
                fields[count] = field;
            ++count;
            if (stop >= row.size())
                return;
            i = stop + 1;
        }
    }

    Field fields[Kept];
    int count = 0;

private:
    std::string buffers_[Kept];
    std::string past_;
};

// "1.234", "12.345.678": one to three digits, then groups of three after a point.
bool ThousandsForm(std::string_view s) {
    if (!s.empty() && s.front() == '-')
        s.remove_prefix(1);
    const std::size_t point = s.find('.');
    if (point == 0 || point > 3 || point == std::string_view::npos || s[0] == '0')
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool pointHere = i >= point && (i - point) % 4 == 0;
        if (pointHere ? s[i] != '.' : (s[i] < '0' || s[i] > '9'))
            return false;
    }
    return (s.size() - point) % 4 == 0;
}

// "250,5": what a row of two plain whole numbers would be if its comma were a decimal one.
bool DecimalCommaForm(std::string_view s) {
    s = Trimmed(s);
    if (!s.empty() && s.front() == '-')
        s.remove_prefix(1);
    const std::size_t comma = s.find(',');
    if (comma == 0 || comma == std::string_view::npos || comma + 1 == s.size())
        return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (i != comma && (s[i] < '0' || s[i] > '9'))
            return false;
    return true;
}

struct Number {
    enum Kind { Value, NotANumber, TwoWays } kind = NotANumber;
    double value = 0;
};

// A number of the file. A "." is a decimal point everywhere; in a ";" or tab-separated file
// the thousands form reads two ways. A "," is a decimal comma where it cannot be a separator:
// in a ";" or tab-separated file, in a quoted field, in a one-column file.
Number ParseNumber(std::string_view text, Separator separator, bool commaIsDecimal) {
    text = Trimmed(text);
    const std::size_t comma = text.find(',');
    const std::size_t point = text.find('.');
    if (text.empty() || (comma != std::string_view::npos && point != std::string_view::npos))
        return {};
    if (point != std::string_view::npos && separator != Separator::Comma && ThousandsForm(text))
        return {Number::TwoWays};
    char buffer[64];
    if (comma != std::string_view::npos) {
        const auto digit = [&](std::size_t i) {
            return i < text.size() && text[i] >= '0' && text[i] <= '9';
        };
        // "1," is a trial and an empty time, not one.
        if (!commaIsDecimal || text.size() > sizeof buffer || comma == 0 || !digit(comma - 1) ||
            !digit(comma + 1) || text.find(',', comma + 1) != text.npos)
            return {};
        std::memcpy(buffer, text.data(), text.size());
        buffer[comma] = '.';
        text = std::string_view(buffer, text.size());
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return {};
    return {Number::Value, value};
}

Number ParseField(const Field& field, Separator separator) {
    return ParseNumber(field.text, separator, separator != Separator::Comma || field.quoted);
}

std::string Quoted(std::string_view text) {
    return "\"" + ShownText(text) + "\"";
}

// How the rows after the header are read.
struct Layout {
    Separator separator = Separator::Comma;
    int columns = 2;
    // Without a header the first column must count the trials up by one, or it is no column
    // of trial numbers.
    bool counted = false;
};

// What a pass over the rows found: the times, or the first error.
struct Reading {
    std::vector<double> times;
    std::optional<ResultsFileError> error;
    // The first two-field row that could also be one number with a decimal comma.
    std::optional<Row> couldBeOneNumber;
    // The error is a row of one field where two were wanted.
    bool oneFieldOfTwo = false;
};

void CheckTime(const Number& time, const Row& row, std::string_view text) {
    if (time.kind == Number::TwoWays)
        throw ResultsFileError(
            row.line,
            QT_TRANSLATE_NOOP("ResultsFile",
                              "%1 se može pročitati i kao decimalni broj i kao broj sa tačkom "
                              "između hiljada; napišite ga bez tačke između hiljada ili sa "
                              "decimalnim zarezom"),
            {Quoted(text)});
    if (time.kind == Number::NotANumber)
        throw ResultsFileError(row.line, QT_TRANSLATE_NOOP("ResultsFile", "%1 nije broj"),
                               {Quoted(text)});
    if (!std::isfinite(time.value))
        throw ResultsFileError(
            row.line, QT_TRANSLATE_NOOP("ResultsFile", "vreme reakcije mora biti konačan broj"));
    if (time.value < 0)
        throw ResultsFileError(
            row.line, QT_TRANSLATE_NOOP("ResultsFile", "vreme reakcije ne može biti negativno"));
}

constexpr int RowsBetweenProgress = 1 << 16;

// Reads the rows from `start` by `layout`; a bad row ends the pass with its error.
Reading ReadRows(std::string_view text, std::size_t start, int line, const Layout& layout,
                 const std::function<void(double)>& progress) {
    Reading reading;
    reading.times.reserve(text.size() / 8);
    SplitRow split;
    std::optional<double> firstTrial;
    Rows rows(text, start, line);
    Row row;
    int sinceProgress = 0;
    try {
        while (rows.Next(row)) {
            if (progress && ++sinceProgress == RowsBetweenProgress) {
                sinceProgress = 0;
                progress(std::min(1.0, double(row.end) / double(text.size())));
            }
            if (!IsText(row.text))
                throw ResultsFileError(row.line, NotText);
            if (Trimmed(row.text).empty())
                continue;
            split.Split(row.text, char(layout.separator));
            if (layout.columns == 1) {
                // The whole row is the number: a "," in it cannot separate fields.
                const Field whole = split.count == 1 && split.fields[0].quoted
                                        ? split.fields[0]
                                        : Field{Trimmed(row.text), false};
                const Number time = ParseNumber(whole.text, layout.separator, true);
                CheckTime(time, row, whole.text);
                reading.times.push_back(time.value);
                continue;
            }
            if (split.count != 2) {
                reading.oneFieldOfTwo = split.count == 1;
                throw ResultsFileError(row.line, TwoFields);
            }
            const Field& trialField = split.fields[0];
            const Field& timeField = split.fields[1];
            const Number trial = ParseField(trialField, layout.separator);
            if (trial.kind == Number::Value && !std::isfinite(trial.value))
                throw ResultsFileError(row.line, QT_TRANSLATE_NOOP("ResultsFile", "%1 nije broj"),
                                       {Quoted(trialField.text)});
            if (trial.kind != Number::Value)
                CheckTime(trial, row, trialField.text);
            if (layout.counted) {
                if (trial.value != std::floor(trial.value))
                    throw ResultsFileError(
                        row.line,
                        QT_TRANSLATE_NOOP("ResultsFile", "redni broj merenja %1 nije ceo broj"),
                        {Quoted(trialField.text)});
                if (!firstTrial)
                    firstTrial = trial.value;
                const double expected = *firstTrial + double(reading.times.size());
                if (trial.value != expected) {
                    char buffer[32];
                    const auto end = std::to_chars(buffer, buffer + sizeof buffer, expected).ptr;
                    throw ResultsFileError(
                        row.line,
                        QT_TRANSLATE_NOOP("ResultsFile",
                                          "redni broj merenja treba da bude %1, za jedan veći od "
                                          "prethodnog; ako prva kolona ne broji merenja, dodajte "
                                          "red sa naslovima kolona"),
                        {std::string(buffer, end)});
                }
                if (!reading.couldBeOneNumber && !trialField.quoted && !timeField.quoted &&
                    DecimalCommaForm(row.text))
                    reading.couldBeOneNumber = row;
            }
            const Number time = ParseField(timeField, layout.separator);
            CheckTime(time, row, timeField.text);
            reading.times.push_back(time.value);
        }
    } catch (const ResultsFileError& e) {
        reading.error = e;
        reading.times.clear();
    }
    return reading;
}

// A comma-separated file without a header reads as trials and times, or as one column of
// times with decimal commas; it is read one way only when the other is impossible.
std::vector<double> ReadWithoutHeader(std::string_view text, std::size_t start, int line,
                                      const std::function<void(double)>& progress) {
    const auto half = [&](double offset) -> std::function<void(double)> {
        if (!progress)
            return {};
        return [&progress, offset](double part) { progress(offset + part / 2); };
    };
    const std::function<void(double)> first = half(0);
    const std::function<void(double)> second = half(0.5);
    Reading two = ReadRows(text, start, line, {Separator::Comma, 2, true}, first);
    Reading one = ReadRows(text, start, line, {Separator::Comma, 1, false}, second);
    if (!two.error && !one.error) {
        Rows rows(text, start, line);
        Row row;
        while (rows.Next(row) && Trimmed(row.text).empty()) {
        }
        SplitRow split;
        split.Split(row.text, ',');
        throw ResultsFileError(
            row.line,
            QT_TRANSLATE_NOOP("ResultsFile",
                              "datoteka se može pročitati na dva načina: kao redni brojevi i "
                              "vremena reakcije (ovaj red: redni broj %1 i vreme %2 ms) ili kao "
                              "jedna kolona vremena sa decimalnim zarezom (ovaj red: %3 ms); "
                              "dodajte red sa naslovima kolona ili razdvojte polja znakom \";\""),
            {ShownText(split.fields[0].text), ShownText(split.fields[1].text),
             ShownText(Trimmed(row.text))});
    }
    if (!two.error && two.couldBeOneNumber) {
        const Row& row = *two.couldBeOneNumber;
        SplitRow split;
        split.Split(row.text, ',');
        throw ResultsFileError(
            row.line,
            QT_TRANSLATE_NOOP("ResultsFile",
                              "%1 se može pročitati kao redni broj %2 i vreme %3 ms ili kao vreme "
                              "%4 ms; dodajte red sa naslovima kolona ili razdvojte polja znakom "
                              "\";\""),
            {Quoted(Trimmed(row.text)), ShownText(split.fields[0].text),
             ShownText(split.fields[1].text), ShownText(Trimmed(row.text))});
    }
    if (!two.error)
        return std::move(two.times);
    if (!one.error)
        return std::move(one.times);
    // Neither: the reading that got further is the one meant; at the same row, a row of one
    // field is a time of the one-column reading.
    const bool oneColumn = one.error->Line() > two.error->Line() ||
                           (one.error->Line() == two.error->Line() && two.oneFieldOfTwo);
    throw oneColumn ? *one.error : *two.error;
}

} // namespace

ResultsFileError::ResultsFileError(int line, const char* source, std::vector<std::string> arguments)
    : std::runtime_error("Red " + std::to_string(line) + ": " + Filled(source, arguments)),
      line_(line), source_(source), arguments_(std::move(arguments)) {}

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

std::vector<double> ReadResultsCsv(std::string_view text,
                                   const std::function<void(double)>& progress) {
    std::string decoded;
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        decoded = Utf16ToUtf8(text.substr(2), text[0] == '\xFE');
        text = decoded;
    }
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    Rows rows(text);
    Row first;
    do {
        if (!rows.Next(first))
            return {};
    } while (IsText(first.text) && Trimmed(first.text).empty());
    Layout layout;
    if (first.text.find(';') != std::string_view::npos)
        layout.separator = Separator::Semicolon;
    else if (first.text.find('\t') != std::string_view::npos)
        layout.separator = Separator::Tab;

    // A header has no number in it. Only its column names may be in a code page other than
    // UTF-8 (a spreadsheet on Windows writes its own): the numbers are plain digits in any.
    const bool text8 = IsText(first.text);
    if (!text8 && !IsCodePageText(first.text))
        throw ResultsFileError(first.line, NotText);
    SplitRow split;
    split.Split(first.text, char(layout.separator));
    bool header = true;
    for (int i = 0; i < std::min(split.count, SplitRow::Kept); ++i)
        if (ParseField(split.fields[i], layout.separator).kind != Number::NotANumber)
            header = false;
    if (!header && !text8)
        throw ResultsFileError(first.line, NotText);

    const std::size_t start = header ? first.end : first.start;
    const int line = header ? first.line + 1 : first.line;
    Reading reading;
    if (header) {
        if (split.count > 2 || (split.count == 1 && layout.separator != Separator::Comma))
            throw ResultsFileError(first.line, TwoFields);
        layout.columns = split.count;
        reading = ReadRows(text, start, line, layout, progress);
    } else if (layout.separator == Separator::Comma) {
        return ReadWithoutHeader(text, start, line, progress);
    } else {
        layout.counted = true;
        reading = ReadRows(text, start, line, layout, progress);
    }
    if (reading.error)
        throw *reading.error;
    return std::move(reading.times);
}
