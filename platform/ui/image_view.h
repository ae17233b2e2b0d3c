// An image control: shows a picture stretched over its area or at its own size.
#pragma once

#include "platform/picture/bitmap.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace kelmorite::ui {

class ImageView : public QWidget {
    Q_OBJECT
public:
    enum class Scaling {
        Stretch,   // the whole picture over the whole area, nearest neighbour
        Unscaled,  // at its own size from the top-left corner, cut at the edges
    };

    explicit ImageView(Scaling scaling, QWidget* parent = nullptr);

    // What the view shows. A stretched view may show a picture that holds
    // only the samples drawing at its size needs.
    const PixelSource& source() const { return *source_; }
    // The picture as a bitmap, when it was given as one; else nullptr.
    const Bitmap* bitmap() const { return bitmap_; }
    bool empty() const { return source_->empty(); }

    void setPicture(Bitmap picture);
    void setSource(std::shared_ptr<const PixelSource> source);
    // An empty picture draws nothing, so the parent's background shows.
    void clear() { setPicture(Bitmap()); }

    // What the view shows, at the display's resolution of its area.
    QImage shownImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Scaling scaling_;
    std::shared_ptr<const PixelSource> source_;
    const Bitmap* bitmap_ = nullptr;
};

}  // namespace kelmorite::ui
