// The image control: stretched or at its own size.
#include "platform/ui/image_view.h"

#include <gtest/gtest.h>

namespace kelmorite::ui {
namespace {

Bitmap numbered(int w, int h)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, rgb(std::uint8_t(x), std::uint8_t(y), 7));
    return b;
}

TEST(ImageView, StretchesByNearestNeighbourOverTheWholeArea)
{
    ImageView view(ImageView::Scaling::Stretch);
    view.resize(205, 205);
    view.setPicture(numbered(100, 50));
    const QImage shown = view.shownImage();
    for (int y = 0; y < 205; y += 17)
        for (int x = 0; x < 205; x += 13)
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, rgb(std::uint8_t((2 * x + 1) * 100 / 410), std::uint8_t((2 * y + 1) * 50 / 410), 7))
                << x << ", " << y;
    EXPECT_EQ(qAlpha(shown.pixel(204, 204)), 255);
}

TEST(ImageView, UnscaledShowsTheTopLeftCornerAndLeavesTheRest)
{
    ImageView view(ImageView::Scaling::Unscaled);
    view.resize(139, 139);
    view.setPicture(numbered(500, 400));
    QImage shown = view.shownImage();
    EXPECT_EQ(shown.pixel(138, 138) & 0xFFFFFF, rgb(138, 138, 7));
    view.setPicture(numbered(68, 68));
    shown = view.shownImage();
    EXPECT_EQ(shown.pixel(67, 67) & 0xFFFFFF, rgb(67, 67, 7));
    EXPECT_EQ(qAlpha(shown.pixel(68, 68)), 0);  // the panel shows there
    view.clear();
    EXPECT_EQ(qAlpha(view.shownImage().pixel(0, 0)), 0);
}

}  // namespace
}  // namespace kelmorite::ui
