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
