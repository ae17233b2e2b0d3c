// The system's error texts.
#include "platform/system/errors.h"

#include <cstring>

namespace kelmorite {

std::string systemReason(int errorNumber)
{
    // strerror_r in its GNU form returns the text, which may not be the buffer.
    char buffer[256];
    return ::strerror_r(errorNumber, buffer, sizeof buffer);
}

Error systemError(int errorNumber)
{
    return Error("System Error.  Code: " + std::to_string(errorNumber) + ".\n" +
                 systemReason(errorNumber));
}

}  // namespace kelmorite
