#pragma once

#include <stdexcept>
#include <string>

namespace qx {

// The one error type of the system. Its message is a complete sentence that
// names the file (or step) and what is wrong; it is shown to the user as is.
class QuiltixError : public std::runtime_error {
public:
    explicit QuiltixError(const std::string& sentence) : std::runtime_error(sentence) {}
};

} // namespace qx
