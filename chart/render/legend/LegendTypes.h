#pragma once

#include <stdexcept>
#include <string>

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
enum TLegendTextStyle {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue,
    ltsValue,
    ltsPercent,
    ltsXAndValue,
    ltsXAndPercent
};
enum TCheckBoxesStyle { cbsCheck, cbsRadio };
enum TLegendSymbolSize { lcsPercent, lcsPixels };
enum TLegendSymbolPosition { spLeft, spRight };

// Failures of the legend's settings; the message is shown to the user as it is.
class LegendException : public std::runtime_error {
public:
    explicit LegendException(const std::string& message) : std::runtime_error(message) {}
};

// The character that splits an item text into its two columns.
inline constexpr char LegendColumnSeparator = '\x06';
