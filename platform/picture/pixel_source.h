// Something a picture can be drawn from: rows sampled at chosen columns.
#pragma once

#include <cstdint>
#include <span>

namespace kelmorite {

// A pixel is 32 bits, bytes B, G, R and a fourth byte of 0: 0x00RRGGBB.
using Pixel = std::uint32_t;

constexpr Pixel rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Pixel{red} << 16 | Pixel{green} << 8 | Pixel{blue};
}

inline constexpr Pixel kWhite = rgb(255, 255, 255);
inline constexpr Pixel kBlack = rgb(0, 0, 0);
inline constexpr Pixel kMagenta = rgb(255, 0, 255);

// Drawing only ever samples a source by nearest neighbour, so a source need
// not hold every pixel: a decoded bitmap does, a picture read for sampling
// holds just the rows and columns that drawing asks for.
class PixelSource {
public:
    virtual ~PixelSource() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    bool empty() const { return width() == 0 || height() == 0; }

    // Writes the pixels of row y (0 is the top) at the given columns, in that
    // order, to out, which has room for columns.size() pixels.
    virtual void sampleRow(int y, std::span<const int> columns, Pixel* out) const = 0;

protected:
    PixelSource() = default;
    PixelSource(const PixelSource&) = default;
    PixelSource& operator=(const PixelSource&) = default;
};

}  // namespace kelmorite
