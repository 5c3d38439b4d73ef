#pragma once

#include <QChar>
#include <QString>

// A number with a fixed count of decimals, an exact half rounded away from zero (234.5 gives
// "235", where printf would give "234"), the given decimal separator and no grouping.
QString FormatFixed(double value, int decimals, QChar decimalSeparator);

// The same with the user's locale's decimal separator.
QString FormatFixed(double value, int decimals);
