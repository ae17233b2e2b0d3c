// The checked layout of a BMP file: everything needed to decode its pixel rows.
// Shared by the full decode and the reader that samples a file.
#pragma once

#include "platform/picture/byte_source.h"
#include "platform/picture/pixel_source.h"

#include <array>
#include <cstdint>

namespace kelmorite {

struct BmpLimits {
    // The most pixels a picture may have; 0 means the machine's cap
    // (maxPixelCount). Larger pictures raise the "System Error" text.
    std::uint64_t maxPixels = 0;
};

// One colour channel of a bit-field pixel.
struct BmpChannel {
    std::uint32_t mask = 0;
    int shift = 0;  // position of the mask's lowest bit
    int bits = 0;   // width of the mask from its lowest to its highest bit

    // The channel's value in 8 bits: narrower channels are shifted up, wider
    // ones keep their top 8 bits.
    std::uint32_t to8(std::uint32_t pixel) const
    {
        const std::uint32_t value = (pixel & mask) >> shift;
        return bits >= 8 ? value >> (bits - 8) : value << (8 - bits);
    }
};

struct BmpLayout {
    enum class Coding { Rgb, Rle8, Rle4, BitFields };

    int width = 0;
    int height = 0;        // always positive
    bool topDown = false;  // rows stored top first (negative height in the file)
    int bitCount = 0;
    Coding coding = Coding::Rgb;

    // Indexed pictures: colours of the table; indices beyond it are black.
    std::array<Pixel, 256> palette{};
    // 16 and 32 bits per pixel.
    BmpChannel red, green, blue;
    // The pixels are B, G, R bytes (24 bits) or B, G, R, X (32 bits, 0xFF0000,
    // 0xFF00, 0xFF masks): copied without per-channel work.
    bool plainChannels = false;

    std::uint64_t pixelOffset = 0;  // where the pixel data starts
    std::uint64_t rowStride = 0;    // bytes per stored row, uncompressed codings

    // The file row that holds picture row y (0 is the top).
    int fileRow(int y) const { return topDown ? y : height - 1 - y; }
};

// Reads and checks the file header, the information header, the colour masks
// and the colour table, in that order, and the picture's size against the
// limits. Raises "Stream read error" when the data ends before any of them is
// complete, "Bitmap image is not valid" for a header that is not a bitmap's,
// and the "System Error" text for a picture too large to hold. The data must
// not be empty (an empty file is an empty picture, decided by the caller).
BmpLayout readBmpLayout(ByteSource& source, const BmpLimits& limits = {});

}  // namespace kelmorite
