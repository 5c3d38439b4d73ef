#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The first `characters` characters of UTF-8 text; a character is never cut in two.
std::string Utf8Prefix(const std::string& text, int characters);

// One character of UTF-8 text: its code point and how many bytes it takes.
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 0; // 0: the bytes at that place are not a UTF-8 character
};

// The character at byte `p` of `text` (p < size). Overlong forms, surrogates and code points
// past U+10FFFF are not characters.
Utf8Char DecodeUtf8(std::string_view text, std::size_t p);
