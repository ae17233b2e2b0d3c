// How many pixels one bitmap may hold.
#pragma once

#include <cstdint>

namespace kelmorite {

// Half the machine's physical memory, in pixels: a bitmap larger than that
// would push the machine into swapping or the out-of-memory killer, so it is
// refused with the system's "not enough memory" error before anything is
// allocated.
std::uint64_t maxPixelCount();

}  // namespace kelmorite
