// An image control: shows a bitmap stretched over its area or at its own size.
#pragma once

#include "platform/picture/bitmap.h"

#include <QImage>
#include <QWidget>

namespace kelmorite::ui {

class ImageView : public QWidget {
    Q_OBJECT
public:
    enum class Scaling {
        Stretch,   // the whole picture over the whole area, nearest neighbour
        Unscaled,  // at its own size from the top-left corner, cut at the edges
    };

    explicit ImageView(Scaling scaling, QWidget* parent = nullptr);

    const Bitmap& picture() const { return picture_; }
    void setPicture(Bitmap picture);
    // An empty picture draws nothing, so the parent's background shows.
    void clear() { setPicture(Bitmap()); }

    // What the view shows, at its own size in device-independent pixels.
    QImage shownImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Scaling scaling_;
    Bitmap picture_;
};

}  // namespace kelmorite::ui
