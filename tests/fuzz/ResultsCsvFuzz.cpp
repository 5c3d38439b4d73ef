// Any bytes as a results file: the reader answers with times or with a ResultsFileError, never
// a crash, a hang or anything else; what it answers holds in every case, and the same text in
// another encoding or with other line ends gets the same answer.
#include "ResultsCsv.h"
#include "ShownText.h"
#include "Utf8Text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool holds) {
    if (!holds)
        std::abort();
}

// A message box line: UTF-8 with no control character left in it.
void RequireShowable(std::string_view text) {
    for (std::size_t p = 0; p < text.size();) {
        const Utf8Char c = DecodeUtf8(text, p);
        Require(c.length != 0 && c.code >= 0x20 && c.code != 0x7F);
        p += c.length;
    }
}

int Lines(std::string_view text) {
    int lines = 1;
    for (const char c : text)
        if (c == '\n' || c == '\r')
            ++lines;
    return lines;
}

struct Answer {
    std::vector<double> times;
    std::optional<std::string> error;
    bool operator==(const Answer&) const = default;
};

Answer Read(std::string_view text) {
    Answer answer;
    double last = 0;
    try {
        answer.times = ReadResultsCsv(text, [&](double part) {
            Require(part >= last && part <= 1);
            last = part;
        });
    } catch (const ResultsFileError& e) {
        // A UTF-16 file has no more lines than its bytes hold line break bytes.
        Require(e.Line() >= 1 && e.Line() <= Lines(text));
        answer.error = e.what();
    }
    return answer;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t p = 0; p < text.size();) {
        const std::size_t length = DecodeUtf8(text, p).length;
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

std::string Utf16LittleEndian(std::string_view utf8) {
    std::string bytes = "\xFF\xFE";
    const auto unit = [&](char32_t u) {
        bytes += char(u & 0xFF);
        bytes += char(u >> 8);
    };
    for (std::size_t p = 0; p < utf8.size();) {
        const Utf8Char c = DecodeUtf8(utf8, p);
        if (c.code >= 0x10000) {
            unit(0xD800 + ((c.code - 0x10000) >> 10));
            unit(0xDC00 + ((c.code - 0x10000) & 0x3FF));
        } else {
            unit(c.code);
        }
        p += c.length;
    }
    return bytes;
}

// Every LF without a CR before it as CR LF.
std::string WithCrLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RequireShowable(ShownText(text));
    const Answer answer = Read(text);
    for (const double ms : answer.times)
        Require(std::isfinite(ms) && ms >= 0);
    if (answer.error)
        RequireShowable(*answer.error);

    // A text that is not already marked as UTF-8 or UTF-16 reads the same in either.
    if (text.starts_with("\xEF\xBB\xBF") || text.starts_with("\xFF\xFE") ||
        text.starts_with("\xFE\xFF"))
        return 0;
    Require(Read("\xEF\xBB\xBF" + std::string(text)) == answer);
    if (IsUtf8(text))
        Require(Read(Utf16LittleEndian(text)) == answer);
    // A lone CR ends a line as LF does, so CR LF ends it once.
    if (text.find('\r') == std::string_view::npos)
        Require(Read(WithCrLf(text)) == answer);
    return 0;
}
