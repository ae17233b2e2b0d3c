// The BMP reader: bytes in, a bitmap out.
#pragma once

#include "platform/picture/bitmap.h"
#include "platform/picture/bmp_layout.h"
#include "platform/picture/byte_source.h"

#include <span>

namespace kelmorite {

// Decodes a whole BMP picture: the core and information headers (12, 40, 52,
// 56, 64, 108 and 124 bytes), 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed, RLE8, RLE4 and bit fields, top-down rows where allowed.
// No bytes give an empty picture. Pixel data that stops short is read as far
// as it goes; the pixels it does not reach are black. Errors are those of
// readBmpLayout.
Bitmap decodeBmp(std::span<const std::uint8_t> bytes, const BmpLimits& limits = {});
Bitmap decodeBmp(ByteSource& source, const BmpLimits& limits = {});

}  // namespace kelmorite
