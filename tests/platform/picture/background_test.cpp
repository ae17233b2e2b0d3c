// The stored background picture.
#include "platform/picture/background.h"

#include <gtest/gtest.h>

namespace kelmorite {
namespace {

TEST(Background, Is139By139MagentaStoredAsA24BitFile)
{
    const auto& file = backgroundBmpFile();
    ASSERT_EQ(file.size(), 54u + 139u * 420u);
    EXPECT_EQ(file[28], 24);  // bits per pixel
    EXPECT_EQ(file[38] | file[39] << 8, 3780);
    const Bitmap& picture = backgroundPicture();
    ASSERT_EQ(picture.width(), 139);
    ASSERT_EQ(picture.height(), 139);
    for (const Pixel p : picture.pixels()) ASSERT_EQ(p, rgb(255, 0, 255));
}

}  // namespace
}  // namespace kelmorite
