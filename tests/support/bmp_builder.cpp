// BMP fixture assembly.
#include "tests/support/bmp_builder.h"

namespace kelmorite::test {
namespace {

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    out[at] = std::uint8_t(v);
    out[at + 1] = std::uint8_t(v >> 8);
}

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> buildBmp(const BmpFixture& f)
{
    const bool core = f.headerSize == 12;
    std::vector<std::uint8_t> out(14 + f.headerSize, 0);
    out[0] = std::uint8_t(f.signature[0]);
    out[1] = std::uint8_t(f.signature[1]);
    put32(out, 14, f.headerSize);
    if (core) {
        put16(out, 18, std::uint32_t(f.width));
        put16(out, 20, std::uint32_t(f.height));
        put16(out, 22, f.planes);
        put16(out, 24, f.bitCount);
    } else if (f.headerSize >= 16) {
        put32(out, 18, std::uint32_t(f.width));
        put32(out, 22, std::uint32_t(f.height));
        put16(out, 26, f.planes);
        put16(out, 28, f.bitCount);
        if (f.headerSize >= 40) {
            put32(out, 30, f.compression);
            put32(out, 46, f.colorsUsed);
        }
    }
    if (f.headerSize >= 52) {
        for (std::size_t i = 0; i < f.masks.size() && 40 + 4 * i + 4 <= f.headerSize; ++i)
            put32(out, 14 + 40 + 4 * i, f.masks[i]);
    } else {
        for (const auto mask : f.masks) {
            out.resize(out.size() + 4);
            put32(out, out.size() - 4, mask);
        }
    }
    for (const auto colour : f.palette) {
        out.push_back(std::uint8_t(colour));
        out.push_back(std::uint8_t(colour >> 8));
        out.push_back(std::uint8_t(colour >> 16));
        if (!core) out.push_back(0);
    }
    out.insert(out.end(), f.gap, 0xEE);
    put32(out, 10, f.pixelOffset.value_or(std::uint32_t(out.size())));
    out.insert(out.end(), f.pixels.begin(), f.pixels.end());
    put32(out, 2, std::uint32_t(out.size()));
    return out;
}

std::vector<std::uint8_t> padRows(const std::vector<std::vector<std::uint8_t>>& rows)
{
    std::vector<std::uint8_t> out;
    for (const auto& row : rows) {
        out.insert(out.end(), row.begin(), row.end());
        out.insert(out.end(), (4 - row.size() % 4) % 4, 0);
    }
    return out;
}

}  // namespace kelmorite::test
