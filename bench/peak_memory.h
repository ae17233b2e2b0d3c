// Peak memory of one run of a function, measured in a child process.
#pragma once

#include <functional>

namespace kelmorite::bench {

// The growth of the peak resident memory, in KiB, while the child runs the
// function once; -1 when it could not be measured.
long peakGrowthKiB(const std::function<void()>& run);

}  // namespace kelmorite::bench
