// The tile's background picture: 139 x 139 pixels of magenta.
#pragma once

#include "platform/picture/bitmap.h"

#include <cstdint>
#include <vector>

namespace kelmorite {

inline constexpr int kBackgroundSide = 139;

// The background as it is stored with the window: a 24-bit uncompressed BMP
// file of 139 x 139 pixels at 3780 pixels per metre, every pixel
// RGB 255, 0, 255.
const std::vector<std::uint8_t>& backgroundBmpFile();

// The background picture, decoded from that file.
const Bitmap& backgroundPicture();

}  // namespace kelmorite
