#pragma once

#include <stdexcept>
#include <string>

namespace store {

// The store cannot do what was asked; the message says why, in the user's language.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace store
