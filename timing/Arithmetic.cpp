#include "Arithmetic.h"

#include <cmath>

std::int64_t TruncToInt64(long double value) {
    // 2^63 is exact in every floating type; the range check also refuses NaN.
    constexpr long double limit = 9223372036854775808.0L;
    const long double truncated = std::truncl(value);
    if (!(truncated >= -limit && truncated < limit))
        throw EArithmeticError(InvalidFloatOperation);
    return static_cast<std::int64_t>(truncated);
}
