// The optional error text of the database functions.
#pragma once

#include <string>
#include <utility>

namespace velmoro {

// Stores the message when the caller asked for one.
inline void SetError(std::string* error, std::string message) {
    if (error) *error = std::move(message);
}

}  // namespace velmoro
