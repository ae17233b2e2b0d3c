// Bitmap: a picture held as 32-bit pixels in memory.
#pragma once

#include "platform/picture/pixel_source.h"

#include <cstddef>
#include <memory>
#include <span>

namespace kelmorite {

// Width x height pixels, rows top to bottom; empty means no pixels. Copies are
// deep: changing one bitmap never changes another.
class Bitmap final : public PixelSource {
public:
    Bitmap() = default;
    // A bitmap of that size, every pixel the given colour (white by default).
    // A zero width or height gives an empty bitmap. Raises the system's
    // "System Error" text when the pixels cannot be had.
    Bitmap(int width, int height, Pixel fill = kWhite);

    // A bitmap of that size whose pixels the caller is about to write.
    static Bitmap uninitialized(int width, int height);

    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() override = default;

    int width() const override { return width_; }
    int height() const override { return height_; }

    Pixel pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, Pixel value) { pixels_[index(x, y)] = value; }
    Pixel* row(int y) { return pixels_.get() + index(0, y); }
    const Pixel* row(int y) const { return pixels_.get() + index(0, y); }
    std::span<const Pixel> pixels() const { return {pixels_.get(), pixelCount()}; }
    std::span<Pixel> pixels() { return {pixels_.get(), pixelCount()}; }

    void sampleRow(int y, std::span<const int> columns, Pixel* out) const override;

    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    std::size_t pixelCount() const { return std::size_t(width_) * std::size_t(height_); }
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<Pixel[]> pixels_;
};

}  // namespace kelmorite
