// The program's errors: exceptions whose text is exactly what the user reads.
#pragma once

#include <stdexcept>
#include <string>

namespace kelmorite {

// An error the user sees: what() is the complete message, as shown.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Ends the current action without a message; the window's guard swallows it.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// The system's reason for an error number, as the user reads it.
std::string systemReason(int errorNumber);

// "System Error.  Code: %d." a line break and the reason: the system could not
// make something (memory, resources) for the given error number.
Error systemError(int errorNumber);

}  // namespace kelmorite
