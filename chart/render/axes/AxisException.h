#pragma once

#include <stdexcept>
#include <string>

// What an axis raises when a setting is refused; the message is shown to the user as it is.
class AxisException : public std::runtime_error {
public:
    explicit AxisException(const std::string& message) : std::runtime_error(message) {}
};
