#pragma once

#include <stdexcept>
#include <string>

// Failures of the chart engine. The message is shown to the user as it is, so it is fixed text.
class ChartException : public std::runtime_error {
public:
    explicit ChartException(const std::string& message) : std::runtime_error(message) {}
};
