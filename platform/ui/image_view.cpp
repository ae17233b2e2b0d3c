// The image control.
#include "platform/ui/image_view.h"

#include "platform/picture/stretch_draw.h"

#include <QPainter>

namespace kelmorite::ui {
namespace {

// The bitmap as a Qt image: Qt's RGB32 wants the fourth byte at 0xFF.
QImage asImage(const Bitmap& bitmap)
{
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        const Pixel* in = bitmap.row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) out[x] = in[x] | 0xFF000000u;
    }
    return image;
}

}  // namespace

ImageView::ImageView(Scaling scaling, QWidget* parent) : QWidget(parent), scaling_(scaling) {}

void ImageView::setPicture(Bitmap picture)
{
    picture_ = std::move(picture);
    update();
}

QImage ImageView::shownImage() const
{
    QImage shown(size(), QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    if (picture_.empty() || width() <= 0 || height() <= 0) return shown;
    QPainter painter(&shown);
    if (scaling_ == Scaling::Stretch) {
        Bitmap stretched(width(), height());
        stretchDraw(stretched, {0, 0, width(), height()}, picture_);
        painter.drawImage(0, 0, asImage(stretched));
    } else {
        painter.drawImage(0, 0, asImage(picture_));
    }
    return shown;
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (picture_.empty()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, shownImage());
}

}  // namespace kelmorite::ui
