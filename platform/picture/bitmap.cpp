// Bitmap storage, with its allocation cap.
#include "platform/picture/bitmap.h"

#include "platform/picture/pixel_limits.h"
#include "platform/system/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

namespace kelmorite {

Bitmap Bitmap::uninitialized(int width, int height)
{
    Bitmap bitmap;
    if (width <= 0 || height <= 0) return bitmap;
    const std::uint64_t count = std::uint64_t(width) * std::uint64_t(height);
    if (count > maxPixelCount()) throw systemError(ENOMEM);
    bitmap.pixels_.reset(new (std::nothrow) Pixel[count]);
    if (!bitmap.pixels_) throw systemError(ENOMEM);
    bitmap.width_ = width;
    bitmap.height_ = height;
    return bitmap;
}

Bitmap::Bitmap(int width, int height, Pixel fill) : Bitmap(uninitialized(width, height))
{
    std::fill_n(pixels_.get(), pixelCount(), fill);
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap(uninitialized(other.width_, other.height_))
{
    if (pixels_) std::memcpy(pixels_.get(), other.pixels_.get(), pixelCount() * sizeof(Pixel));
}

Bitmap& Bitmap::operator=(const Bitmap& other)
{
    if (this != &other) *this = Bitmap(other);
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_))
{
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    return *this;
}

void Bitmap::sampleRow(int y, std::span<const int> columns, Pixel* out) const
{
    const Pixel* source = row(y);
    for (const int x : columns) *out++ = source[x];
}

bool operator==(const Bitmap& a, const Bitmap& b)
{
    return a.width_ == b.width_ && a.height_ == b.height_ &&
           std::equal(a.pixels().begin(), a.pixels().end(), b.pixels().begin());
}

}  // namespace kelmorite
