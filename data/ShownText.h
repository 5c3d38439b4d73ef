#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A piece of the user's text as a message quotes it: invisible characters (line breaks, tabs,
// the byte order mark, no-break and other odd spaces, direction marks, other controls) become
// escapes such as \r or \u200F, bytes that are not UTF-8 become \xFF, and a text longer than
// `limit` characters is cut there with "…". A message box then shows what the file really holds,
// at a size it can lay out at once.
std::string ShownText(std::string_view text, std::size_t limit = 40);
