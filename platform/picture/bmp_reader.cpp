// Full decode of a BMP picture, streaming its pixel data in large pieces.
#include "platform/picture/bmp_reader.h"

#include "platform/picture/bmp_rows.h"

#include <algorithm>

namespace kelmorite {
namespace {

// Pixel data is read this many bytes at a time: large enough to make the
// reads cheap, small enough to stay in the cache while it is decoded. A
// multiple of 12, so that a piece of a row ends on a pixel at every depth.
constexpr std::uint64_t kPiece = (std::uint64_t(1) << 20) / 12 * 12;

class BitmapRows final : public RleRowTarget {
public:
    explicit BitmapRows(Bitmap& bitmap) : bitmap_(bitmap) {}
    Pixel* beginRow(int y) override { return bitmap_.row(y); }
    void endRow(int) override {}

private:
    Bitmap& bitmap_;
};

void fillRowsBlack(Bitmap& bitmap, const BmpLayout& layout, int fromFileRow)
{
    for (int r = fromFileRow; r < layout.height; ++r) std::fill_n(bitmap.row(layout.fileRow(r)), layout.width, kBlack);
}

// One stored row wider than a piece: decoded piece by piece.
void decodeWideRow(const BmpLayout& layout, ByteSource& source, std::uint64_t start, Pixel* out)
{
    const std::uint64_t pixelsPerPiece = kPiece * 8 / std::uint64_t(layout.bitCount);
    for (std::uint64_t first = 0; first < std::uint64_t(layout.width); first += pixelsPerPiece) {
        const int count = int(std::min<std::uint64_t>(pixelsPerPiece, std::uint64_t(layout.width) - first));
        const auto bytes = source.view(start + first * std::uint64_t(layout.bitCount) / 8, std::size_t(kPiece));
        decodePixels(layout, bytes, count, out + first);
    }
}

void decodeUncompressed(const BmpLayout& layout, ByteSource& source, Bitmap& bitmap)
{
    const std::uint64_t stride = layout.rowStride;
    for (int r = 0; r < layout.height;) {
        const std::uint64_t start = layout.pixelOffset + std::uint64_t(r) * stride;
        if (start >= source.size()) {  // the data ends here
            fillRowsBlack(bitmap, layout, r);
            return;
        }
        if (stride > kPiece) {
            decodeWideRow(layout, source, start, bitmap.row(layout.fileRow(r)));
            ++r;
            continue;
        }
        const int rows = int(std::min<std::uint64_t>(std::uint64_t(layout.height - r), kPiece / stride));
        const auto bytes = source.view(start, std::size_t(std::uint64_t(rows) * stride));
        for (int i = 0; i < rows; ++i, ++r) {
            const std::size_t at = std::min(bytes.size(), std::size_t(std::uint64_t(i) * stride));
            const auto rowBytes = bytes.subspan(at, std::min(bytes.size() - at, std::size_t(stride)));
            decodePixels(layout, rowBytes, layout.width, bitmap.row(layout.fileRow(r)));
        }
    }
}

}  // namespace

Bitmap decodeBmp(ByteSource& source, const BmpLimits& limits)
{
    if (source.size() == 0) return {};
    const BmpLayout layout = readBmpLayout(source, limits);
    Bitmap bitmap = Bitmap::uninitialized(layout.width, layout.height);
    if (layout.coding == BmpLayout::Coding::Rle8 || layout.coding == BmpLayout::Coding::Rle4) {
        BitmapRows rows(bitmap);
        fillRowsBlack(bitmap, layout, decodeRle(layout, source, rows));
    } else {
        decodeUncompressed(layout, source, bitmap);
    }
    return bitmap;
}

Bitmap decodeBmp(std::span<const std::uint8_t> bytes, const BmpLimits& limits)
{
    MemoryByteSource source(bytes);
    return decodeBmp(source, limits);
}

}  // namespace kelmorite
