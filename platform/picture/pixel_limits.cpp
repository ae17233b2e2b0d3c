// The pixel cap, from the machine's physical memory.
#include "platform/picture/pixel_limits.h"

#include "platform/picture/pixel_source.h"

#include <unistd.h>

namespace kelmorite {

std::uint64_t maxPixelCount()
{
    static const std::uint64_t limit = [] {
        const long pages = ::sysconf(_SC_PHYS_PAGES);
        const long pageSize = ::sysconf(_SC_PAGESIZE);
        // Without an answer from the system, assume a small machine: 1 GiB.
        const std::uint64_t memory = pages > 0 && pageSize > 0
                                         ? std::uint64_t(pages) * std::uint64_t(pageSize)
                                         : std::uint64_t(1) << 30;
        return memory / 2 / sizeof(Pixel);
    }();
    return limit;
}

}  // namespace kelmorite
