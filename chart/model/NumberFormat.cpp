#include "NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace {

struct Picture {
    int minWhole = 0;    // "0" before the point
    int minDecimals = 0; // "0" after the point
    int maxDecimals = 0; // "0" and "#" after the point
    bool grouped = false;
};

Picture Parse(const std::string& picture) {
    Picture p;
    bool decimals = false;
    for (const char c : picture) {
        if (c == '.')
            decimals = true;
        else if (c == ',' && !decimals)
            p.grouped = true;
        else if (c == '0' && !decimals)
            ++p.minWhole;
        else if (c == '0' || c == '#') {
            if (c == '0' && decimals)
                p.minDecimals = p.maxDecimals + 1;
            if (decimals)
                ++p.maxDecimals;
        }
    }
    return p;
}

// The whole digits and `decimals` decimal digits of |value|, rounded half away from zero on its
// exact decimal expansion.
std::string RoundedDigits(double value, int decimals, std::size_t& wholeCount) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.80f", std::fabs(value));
    const std::string text = buffer;
    const std::size_t point = text.find('.');
    std::string digits = text.substr(0, point) + text.substr(point + 1, std::size_t(decimals));
    if (text[point + 1 + std::size_t(decimals)] >= '5') {
        int i = int(digits.size()) - 1;
        while (i >= 0 && digits[std::size_t(i)] == '9')
            digits[std::size_t(i--)] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[std::size_t(i)];
    }
    wholeCount = digits.size() - std::size_t(decimals);
    return digits;
}

} // namespace

std::string FormatNumber(double value, const std::string& picture,
                         const TNumberSeparators& separators) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    const Picture p = Parse(picture);
    std::size_t wholeCount = 0;
    const std::string digits = RoundedDigits(value, p.maxDecimals, wholeCount);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    std::string whole = digits.substr(0, wholeCount);
    const std::size_t firstDigit = whole.find_first_not_of('0');
    whole.erase(0, firstDigit == std::string::npos ? whole.size() : firstDigit);
    if (whole.size() < std::size_t(p.minWhole))
        whole.insert(0, std::size_t(p.minWhole) - whole.size(), '0');

    std::string decimals = digits.substr(wholeCount);
    while (decimals.size() > std::size_t(p.minDecimals) && decimals.back() == '0')
        decimals.pop_back();

    std::string result = value < 0 && !zero ? "-" : "";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (p.grouped && i > 0 && (whole.size() - i) % 3 == 0)
            result += separators.group;
        result += whole[i];
    }
    if (!decimals.empty())
        result += separators.decimal + decimals;
    return result;
}
