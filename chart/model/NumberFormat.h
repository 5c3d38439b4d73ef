#pragma once

#include <string>

// The separators a number text is written with; the user's locale supplies them.
struct TNumberSeparators {
    std::string group = ",";
    std::string decimal = ".";
};

// Writes `value` by a picture such as "#,##0.###": "0" is a digit always written, "#" a digit
// written only when it carries something, a "," among the whole digits groups them by three and
// "." marks where the decimals start. The number is rounded to the last decimal the picture
// shows, an exact half away from zero, and written with the given separators. A value that
// rounds to zero has no minus sign. Other characters of the picture are not supported.
std::string FormatNumber(double value, const std::string& picture,
                         const TNumberSeparators& separators = {});
