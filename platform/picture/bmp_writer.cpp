// 32-bit BMP encoding.
#include "platform/picture/bmp_writer.h"

#include <cstring>

namespace kelmorite {
namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

void put16(std::uint8_t* at, std::uint16_t v)
{
    at[0] = std::uint8_t(v);
    at[1] = std::uint8_t(v >> 8);
}

void put32(std::uint8_t* at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> encodeBmp32(const Bitmap& bitmap)
{
    if (bitmap.empty()) return {};
    const std::uint64_t rowBytes = std::uint64_t(bitmap.width()) * 4;
    const std::uint64_t imageSize = rowBytes * std::uint64_t(bitmap.height());
    std::vector<std::uint8_t> out(kHeadersSize + imageSize);
    std::uint8_t* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, std::uint32_t(out.size()));  // file size
    put32(h + 10, kHeadersSize);              // offset of the pixel data
    put32(h + 14, 40);                        // information header size
    put32(h + 18, std::uint32_t(bitmap.width()));
    put32(h + 22, std::uint32_t(bitmap.height()));  // positive: bottom row first
    put16(h + 26, 1);                               // planes
    put16(h + 28, 32);                              // bits per pixel
    put32(h + 34, std::uint32_t(imageSize));
    // Compression, resolution and colour counts stay 0.

    std::uint8_t* pixels = out.data() + kHeadersSize;
    for (int y = bitmap.height() - 1; y >= 0; --y, pixels += rowBytes) {
        const Pixel* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) put32(pixels + 4 * x, row[x] & 0x00FFFFFF);
    }
    return out;
}

}  // namespace kelmorite
