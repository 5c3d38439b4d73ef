#include "Utf8Text.h"

std::string Utf8Prefix(const std::string& text, int characters) {
    std::size_t end = 0;
    for (int n = 0; n < characters && end < text.size(); ++n) {
        ++end;
        // Continuation bytes (10xxxxxx) belong to the character already counted.
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return text.substr(0, end);
}

Utf8Char DecodeUtf8(std::string_view s, std::size_t p) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(p);
    if (lead < 0x80)
        return {lead, 1};
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
        return {};
    }
    if (p + length > s.size())
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(p + i) & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (byte(p + i) & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}
