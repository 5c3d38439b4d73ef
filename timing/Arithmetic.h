#pragma once

#include <cstdint>
#include <stdexcept>

// Arithmetic without a result. Raised with the messages the user knows from the runtime; a
// value that is not finite never becomes an integer.
class EArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* FloatDivisionByZero = "Floating point division by zero";
inline constexpr const char* IntegerDivisionByZero = "Division by zero";
inline constexpr const char* InvalidFloatOperation = "Invalid floating point operation";

// Truncates toward zero. Infinity, NaN and values outside the 64-bit range raise
// InvalidFloatOperation.
std::int64_t TruncToInt64(long double value);
