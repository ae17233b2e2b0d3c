// The 32-bit BMP writer: every header field and the row order.
#include "platform/picture/bmp_writer.h"

#include "platform/picture/bmp_reader.h"

#include <gtest/gtest.h>

namespace kelmorite {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }

TEST(BmpWriter, WritesTheTileFileLayoutForEveryTileSize)
{
    struct Case { int width, height; std::size_t fileSize; };
    for (const auto& c : {Case{68, 68, 18'550}, Case{68, 139, 37'862}, Case{139, 68, 37'862}, Case{139, 139, 77'338}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const auto file = encodeBmp32(Bitmap(c.width, c.height));
        ASSERT_EQ(file.size(), c.fileSize);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(u32(file, 2), c.fileSize);
        EXPECT_EQ(u32(file, 6), 0u);   // both reserved fields
        EXPECT_EQ(u32(file, 10), 54u);
        EXPECT_EQ(u32(file, 14), 40u);
        EXPECT_EQ(u32(file, 18), std::uint32_t(c.width));
        EXPECT_EQ(u32(file, 22), std::uint32_t(c.height));
        EXPECT_EQ(u16(file, 26), 1u);
        EXPECT_EQ(u16(file, 28), 32u);
        EXPECT_EQ(u32(file, 30), 0u);
        EXPECT_EQ(u32(file, 34), c.fileSize - 54);
        for (std::size_t at = 38; at < 54; at += 4) EXPECT_EQ(u32(file, at), 0u) << "offset " << at;
    }
}

TEST(BmpWriter, WritesTheBottomRowFirstAsBlueGreenRedZero)
{
    Bitmap b(2, 2);
    b.setPixel(0, 0, rgb(1, 2, 3));  // top left
    b.setPixel(1, 0, rgb(4, 5, 6) | 0xFF000000);  // a fourth byte that must not reach the file
    b.setPixel(0, 1, rgb(7, 8, 9));  // bottom left
    b.setPixel(1, 1, rgb(10, 11, 12));
    const auto file = encodeBmp32(b);
    const std::vector<std::uint8_t> pixels(file.begin() + 54, file.end());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{9, 8, 7, 0, 12, 11, 10, 0, 3, 2, 1, 0, 6, 5, 4, 0}));
    Bitmap expected = b;
    expected.setPixel(1, 0, rgb(4, 5, 6));
    EXPECT_EQ(decodeBmp(file), expected);
}

TEST(BmpWriter, AnEmptyBitmapGivesNoBytes) { EXPECT_TRUE(encodeBmp32(Bitmap()).empty()); }

}  // namespace
}  // namespace kelmorite
