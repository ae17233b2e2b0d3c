// A picture read for sampling: the headers checked as the full decode checks
// them, the pixel rows read only where drawing at known sizes samples them.
#pragma once

#include "platform/picture/bmp_layout.h"
#include "platform/picture/byte_source.h"
#include "platform/picture/pixel_source.h"

#include <span>
#include <string>
#include <vector>

namespace kelmorite {

// A size the picture will be drawn at, whole source onto whole rectangle.
struct SampleGrid {
    int width = 0;
    int height = 0;
};

// The grids of the window and of every tile: the 205 x 205 source preview and
// the 68 and 139 pixel tile sides, scaled by the display's device pixel ratio
// where the window shows them magnified.
std::vector<SampleGrid> standardGrids(double devicePixelRatio = 1.0);

class SampledPicture final : public PixelSource {
public:
    SampledPicture() = default;

    // Reads the picture's samples for drawing at any of the grids. Raises
    // exactly what decodeBmp raises for the same bytes; no bytes give an empty
    // picture. The samples are copies: the picture stays as it was when the
    // file changes or goes after loading.
    static SampledPicture read(ByteSource& source, std::span<const SampleGrid> grids, const BmpLimits& limits = {});

    int width() const override { return width_; }
    int height() const override { return height_; }

    // Only rows and columns that the grids sample are held; drawing at one
    // of the grids asks for no other.
    void sampleRow(int y, std::span<const int> columns, Pixel* out) const override;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<int> rows_;     // the source rows held, ascending
    std::vector<int> columns_;  // the source columns held, ascending
    std::vector<Pixel> samples_;  // rows_.size() x columns_.size()
};

// loadPicture's checks (extension, opening) and errors, then SampledPicture::read.
SampledPicture loadSampledPicture(const std::string& path, std::span<const SampleGrid> grids);

}  // namespace kelmorite
