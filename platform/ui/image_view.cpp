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

ImageView::ImageView(Scaling scaling, QWidget* parent) : QWidget(parent), scaling_(scaling) { clear(); }

void ImageView::setPicture(Bitmap picture)
{
    auto held = std::make_shared<const Bitmap>(std::move(picture));
    bitmap_ = held.get();
    source_ = std::move(held);
    update();
}

void ImageView::setSource(std::shared_ptr<const PixelSource> source)
{
    bitmap_ = dynamic_cast<const Bitmap*>(source.get());
    source_ = std::move(source);
    update();
}

QImage ImageView::shownImage() const
{
    // Where the display magnifies the window, the picture is drawn at the
    // resolution the screen shows.
    const qreal ratio = devicePixelRatioF();
    const int width = int(this->width() * ratio + 0.5), height = int(this->height() * ratio + 0.5);
    QImage shown(width, height, QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    shown.setDevicePixelRatio(ratio);
    if (source_->empty() || width <= 0 || height <= 0) return shown;
    QPainter painter(&shown);
    if (scaling_ == Scaling::Stretch) {
        Bitmap stretched(width, height);
        stretchDraw(stretched, {0, 0, width, height}, *source_);
        QImage image = asImage(stretched);
        image.setDevicePixelRatio(ratio);
        painter.drawImage(0, 0, image);
    } else if (bitmap_ != nullptr) {
        painter.drawImage(0, 0, asImage(*bitmap_));
    }
    return shown;
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (source_->empty()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, shownImage());
}

}  // namespace kelmorite::ui
