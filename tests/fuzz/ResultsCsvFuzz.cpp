// Any bytes as a results file: the reader answers with times or with a ResultsFileError, never
// a crash, a hang or anything else; what it answers holds in every case.
#include "ResultsCsv.h"
#include "ShownText.h"
#include "Utf8Text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

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
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || text[i] == '\r')
            ++lines;
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RequireShowable(ShownText(text));
    double last = 0;
    try {
        const auto times = ReadResultsCsv(text, [&](double part) {
            Require(part >= last && part <= 1);
            last = part;
        });
        for (const double ms : times)
            Require(std::isfinite(ms) && ms >= 0);
    } catch (const ResultsFileError& e) {
        // A UTF-16 file has at most as many lines as its bytes hold line breaks.
        Require(e.Line() >= 1 && e.Line() <= Lines(text));
        RequireShowable(e.what());
    }
    return 0;
}
