#pragma once

#include <stdexcept>
#include <string>

// Failures of the record framework and its datasets. Messages are shown to the user as they are.
class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const std::string& message) : std::runtime_error(message) {}
};

// A text that cannot become the value a field holds ("'abc' is not a valid floating point value").
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

// Ends an operation that was refused and already explained to the user; nothing more is shown.
class EAbort : public std::runtime_error {
public:
    EAbort() : std::runtime_error("Operation aborted") {}
};
