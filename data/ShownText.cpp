#include "ShownText.h"

#include "Utf8Text.h"

#include <cstdio>

namespace {

// Characters that show as nothing, as a plain space, or that turn the text around them.
bool Invisible(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x34F || c == 0x61C ||
           c == 0x180E || (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
           (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0xFEFF ||
           (c >= 0xFFF9 && c <= 0xFFFB);
}

std::string Escape(char32_t c) {
    switch (c) {
    case '\r':
        return "\\r";
    case '\n':
        return "\\n";
    case '\t':
        return "\\t";
    default:
        break;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", unsigned(c));
    return buffer;
}

} // namespace

std::string ShownText(std::string_view text, std::size_t limit) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t p = 0; p < text.size();) {
        if (characters == limit)
            return shown + "…";
        const Utf8Char d = DecodeUtf8(text, p);
        if (d.length == 0) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X",
                          unsigned(static_cast<unsigned char>(text[p])));
            shown += buffer;
            ++p;
        } else {
            if (Invisible(d.code))
                shown += Escape(d.code);
            else
                shown.append(text.substr(p, d.length));
            p += d.length;
        }
        ++characters;
    }
    return shown;
}
