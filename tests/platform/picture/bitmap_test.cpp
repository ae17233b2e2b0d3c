// Bitmap: sizes, fill and copies.
#include "platform/picture/bitmap.h"

#include <gtest/gtest.h>

namespace kelmorite {
namespace {

TEST(Bitmap, EmptyHasNoPixels)
{
    for (const auto& [w, h] : {std::pair{0, 0}, {5, 0}, {0, 5}, {-3, 4}}) {
        const Bitmap b(w, h);
        EXPECT_TRUE(b.empty()) << w << " x " << h;
        EXPECT_EQ(b.pixels().size(), 0u);
    }
    EXPECT_TRUE(Bitmap().empty());
}

TEST(Bitmap, NewPixelsAreWhiteOrTheFill)
{
    const Bitmap white(3, 2);
    ASSERT_EQ(white.pixels().size(), 6u);
    for (const Pixel p : white.pixels()) EXPECT_EQ(p, kWhite);
    const Bitmap magenta(2, 2, rgb(255, 0, 255));
    EXPECT_EQ(magenta.pixel(1, 1), kMagenta);
}

TEST(Bitmap, CopiesAreIndependent)
{
    Bitmap a(2, 2, kBlack);
    Bitmap b = a;
    b.setPixel(0, 0, kWhite);
    EXPECT_EQ(a.pixel(0, 0), kBlack);
    EXPECT_FALSE(a == b);
    a = b;
    EXPECT_TRUE(a == b);
    b.setPixel(1, 1, kWhite);
    EXPECT_EQ(a.pixel(1, 1), kBlack);
}

TEST(Bitmap, TooManyPixelsRaiseTheSystemErrorWithoutAllocating)
{
    try {
        Bitmap(2'000'000'000, 2'000'000'000);
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "System Error.  Code: 12.\nCannot allocate memory");
    }
}

}  // namespace
}  // namespace kelmorite
