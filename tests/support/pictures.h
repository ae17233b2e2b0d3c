// Test pictures whose pixels name their own place.
#pragma once

#include "platform/picture/bitmap.h"

namespace kelmorite::test {

// Every pixel holds its column in bits 12 and up and its row below: drawing
// tests read back which source pixel each destination pixel took. None is
// magenta.
inline Bitmap numbered(int width, int height)
{
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.setPixel(x, y, Pixel(x) << 12 | Pixel(y));
    return b;
}

}  // namespace kelmorite::test
