#pragma once

#include <string>

// The first `characters` characters of UTF-8 text; a character is never cut in two.
std::string Utf8Prefix(const std::string& text, int characters);
