// The BMP writer: a bitmap out as the bytes of a 32-bit BMP file.
#pragma once

#include "platform/picture/bitmap.h"

#include <cstdint>
#include <vector>

namespace kelmorite {

// A 14-byte file header, a 40-byte information header and the pixel rows,
// bottom row first, each pixel B, G, R, 0; uncompressed, no colour table,
// resolution 0. An empty bitmap gives no bytes.
std::vector<std::uint8_t> encodeBmp32(const Bitmap& bitmap);

}  // namespace kelmorite
