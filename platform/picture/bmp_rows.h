// Decoding the pixel data of a BMP file: stored rows and run-length data.
#pragma once

#include "platform/picture/bmp_layout.h"

#include <span>

namespace kelmorite {

// Decodes count pixels of an uncompressed row into out. bytes starts at a
// pixel that starts a byte (a row's first pixel always does). Pixels whose
// bytes are missing become black.
void decodePixels(const BmpLayout& layout, std::span<const std::uint8_t> bytes, int count, Pixel* out);

// The pixel at column x of an uncompressed row whose bytes start the row;
// black when its bytes are missing.
Pixel pixelAt(const BmpLayout& layout, std::span<const std::uint8_t> rowBytes, int x);

// Where run-length data is decoded to, row by row from the bottom.
class RleRowTarget {
public:
    virtual ~RleRowTarget() = default;
    // Room for the width pixels of picture row y (0 is the top); the decoder
    // writes every one of them before it ends the row.
    virtual Pixel* beginRow(int y) = 0;
    // Row y is complete.
    virtual void endRow(int y) = 0;
};

// Decodes RLE8 or RLE4 data, in one pass. Runs past the end of a row are cut
// at the row's end; the data ends at its end-of-picture mark, past the top
// row, or where the bytes end. Gives the number of rows begun: the rows above
// them were never reached, and are the caller's to make black.
int decodeRle(const BmpLayout& layout, ByteSource& source, RleRowTarget& target);

}  // namespace kelmorite
