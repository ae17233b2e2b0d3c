// Stretch-draw: a whole source picture scaled into a rectangle of a bitmap.
#pragma once

#include "platform/picture/bitmap.h"

#include <vector>

namespace kelmorite {

// Columns left..right-1 and rows top..bottom-1.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The source index that destination index i of a span of destinationLength
// takes, when sourceLength pixels are spread evenly over it: the source pixel
// under the centre of the destination pixel. Equal lengths copy one to one.
constexpr int nearestSourceIndex(int i, int destinationLength, int sourceLength)
{
    return static_cast<int>((2 * std::int64_t(i) + 1) * sourceLength / (2 * std::int64_t(destinationLength)));
}

// nearestSourceIndex for every i in 0..destinationLength-1; never decreasing.
std::vector<int> nearestSourceIndices(int destinationLength, int sourceLength);

// Draws the whole source onto the whole rectangle by nearest neighbour,
// opaque, without keeping the aspect ratio. The part of the rectangle outside
// the destination is clipped; an empty source or rectangle draws nothing.
void stretchDraw(Bitmap& destination, const Rect& rectangle, const PixelSource& source);

}  // namespace kelmorite
