// Reading only the samples that drawing needs: positioned reads of the needed
// rows of an uncompressed file, one pass over run-length data.
#include "platform/picture/sampled_picture.h"

#include "platform/picture/bmp_rows.h"
#include "platform/picture/picture_file.h"
#include "platform/picture/stretch_draw.h"

#include <algorithm>

namespace kelmorite {
namespace {

constexpr int kPreviewSide = 205;
constexpr int kTileSides[] = {68, 139};

// Every source index that drawing at the lengths samples, ascending.
std::vector<int> neededIndices(std::span<const int> lengths, int sourceLength)
{
    std::vector<int> indices;
    for (const int length : lengths) {
        const auto some = nearestSourceIndices(length, sourceLength);
        indices.insert(indices.end(), some.begin(), some.end());
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

// Keeps the needed rows of a run-length pass, at the needed columns.
class SampledRows final : public RleRowTarget {
public:
    SampledRows(const std::vector<int>& rows, const std::vector<int>& columns, int width, std::vector<Pixel>& samples)
        : rows_(rows), columns_(columns), scratch_(std::size_t(width)), samples_(samples)
    {
    }
    Pixel* beginRow(int) override { return scratch_.data(); }
    void endRow(int y) override
    {
        const auto at = std::lower_bound(rows_.begin(), rows_.end(), y);
        if (at == rows_.end() || *at != y) return;
        Pixel* out = samples_.data() + std::size_t(at - rows_.begin()) * columns_.size();
        for (const int x : columns_) *out++ = scratch_[std::size_t(x)];
    }

private:
    const std::vector<int>& rows_;
    const std::vector<int>& columns_;
    std::vector<Pixel> scratch_;
    std::vector<Pixel>& samples_;
};

}  // namespace

std::vector<SampleGrid> standardGrids(double devicePixelRatio)
{
    std::vector<SampleGrid> grids;
    auto add = [&](int w, int h) { grids.push_back({w, h}); };
    for (const int a : kTileSides)
        for (const int b : kTileSides) add(a, b);
    add(kPreviewSide, kPreviewSide);
    if (devicePixelRatio > 1.0) {
        const int side = int(kPreviewSide * devicePixelRatio + 0.5);
        add(side, side);
    }
    return grids;
}

SampledPicture SampledPicture::read(ByteSource& source, std::span<const SampleGrid> grids, const BmpLimits& limits)
{
    SampledPicture picture;
    if (source.size() == 0) return picture;
    const BmpLayout layout = readBmpLayout(source, limits);
    picture.width_ = layout.width;
    picture.height_ = layout.height;

    std::vector<int> widths, heights;
    for (const auto& g : grids) {
        if (g.width > 0) widths.push_back(g.width);
        if (g.height > 0) heights.push_back(g.height);
    }
    picture.columns_ = neededIndices(widths, layout.width);
    picture.rows_ = neededIndices(heights, layout.height);
    picture.samples_.assign(picture.rows_.size() * picture.columns_.size(), kBlack);
    if (picture.samples_.empty()) return picture;

    if (layout.coding == BmpLayout::Coding::Rle8 || layout.coding == BmpLayout::Coding::Rle4) {
        SampledRows rows(picture.rows_, picture.columns_, layout.width, picture.samples_);
        decodeRle(layout, source, rows);  // rows never reached stay black
        return picture;
    }

    // The bytes of a row from the first needed column to the end of the last.
    const std::uint64_t bits = std::uint64_t(layout.bitCount);
    const std::uint64_t firstByte = std::uint64_t(picture.columns_.front()) * bits / 8;
    const std::uint64_t endByte = std::min(((std::uint64_t(picture.columns_.back()) + 1) * bits + 7) / 8, layout.rowStride);
    const std::uint64_t span = endByte - firstByte;
    const int firstPixel = int(firstByte * 8 / bits);  // the pixel that starts at firstByte

    // The needed rows in file order, each with where its samples go.
    struct Needed {
        std::uint64_t start;  // offset of the row's needed bytes in the file
        std::size_t sample;   // index of its first sample
    };
    std::vector<Needed> needed;
    for (std::size_t r = 0; r < picture.rows_.size(); ++r)
        needed.push_back({layout.pixelOffset + std::uint64_t(layout.fileRow(picture.rows_[r])) * layout.rowStride + firstByte,
                          r * picture.columns_.size()});
    std::sort(needed.begin(), needed.end(), [](const Needed& a, const Needed& b) { return a.start < b.start; });

    // Rows close together are read in one piece; far apart, one read each.
    constexpr std::uint64_t kMaxGap = 64 * 1024;
    constexpr std::uint64_t kMaxPiece = 1024 * 1024;
    for (std::size_t i = 0; i < needed.size();) {
        std::size_t j = i + 1;
        while (j < needed.size() && needed[j].start - (needed[j - 1].start + span) <= kMaxGap &&
               needed[j].start + span - needed[i].start <= kMaxPiece)
            ++j;
        const auto piece = source.view(needed[i].start, std::size_t(needed[j - 1].start + span - needed[i].start));
        for (std::size_t k = i; k < j; ++k) {
            const std::size_t at = std::size_t(std::min<std::uint64_t>(needed[k].start - needed[i].start, piece.size()));
            const auto bytes = piece.subspan(at, std::min<std::size_t>(piece.size() - at, std::size_t(span)));
            Pixel* out = picture.samples_.data() + needed[k].sample;
            for (const int x : picture.columns_) *out++ = pixelAt(layout, bytes, x - firstPixel);
        }
        i = j;
    }
    return picture;
}

void SampledPicture::sampleRow(int y, std::span<const int> columns, Pixel* out) const
{
    // A row or column that is not held takes the nearest held one below it,
    // so that a mismatched grid draws something sensible instead of failing.
    const auto row = std::upper_bound(rows_.begin(), rows_.end(), y);
    const std::size_t r = row == rows_.begin() ? 0 : std::size_t(row - rows_.begin() - 1);
    const Pixel* samples = samples_.data() + r * columns_.size();
    auto at = columns_.begin();
    for (const int x : columns) {
        // Columns come ascending when drawing: move forward from the last one.
        if (at != columns_.begin() && *(at - 1) > x) at = columns_.begin();
        at = std::upper_bound(at, columns_.end(), x);
        *out++ = samples[at == columns_.begin() ? 0 : std::size_t(at - columns_.begin() - 1)];
    }
}

SampledPicture loadSampledPicture(const std::string& path, std::span<const SampleGrid> grids)
{
    checkPictureExtension(path);
    FileByteSource file(path);
    return SampledPicture::read(file, grids);
}

}  // namespace kelmorite
