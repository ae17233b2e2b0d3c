// Builds BMP files byte by byte for reader tests: every header field is set
// by the test, nothing is checked, so broken files are as easy as good ones.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kelmorite::test {

struct BmpFixture {
    char signature[2] = {'B', 'M'};
    std::uint32_t headerSize = 40;  // 12 writes the core header
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    // Colour table entries as 0x00RRGGBB, written B, G, R (, 0).
    std::vector<std::uint32_t> palette;
    // Masks: inside headers of 52 bytes and more, else after the header.
    std::vector<std::uint32_t> masks;
    std::uint32_t gap = 0;  // bytes of 0xEE between the table and the pixels
    std::optional<std::uint32_t> pixelOffset;  // default: where the pixels start
    std::vector<std::uint8_t> pixels;
};

std::vector<std::uint8_t> buildBmp(const BmpFixture& fixture);

// Rows of bytes, each padded with zeros to a multiple of 4 bytes, in the
// order given (for a bottom-up file, give the bottom row first).
std::vector<std::uint8_t> padRows(const std::vector<std::vector<std::uint8_t>>& rows);

}  // namespace kelmorite::test
