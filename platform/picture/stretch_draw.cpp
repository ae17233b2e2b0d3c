// Nearest-neighbour stretch-draw.
#include "platform/picture/stretch_draw.h"

#include <algorithm>

namespace kelmorite {

std::vector<int> nearestSourceIndices(int destinationLength, int sourceLength)
{
    std::vector<int> indices(static_cast<std::size_t>(std::max(destinationLength, 0)));
    for (int i = 0; i < destinationLength; ++i) indices[std::size_t(i)] = nearestSourceIndex(i, destinationLength, sourceLength);
    return indices;
}

void stretchDraw(Bitmap& destination, const Rect& rectangle, const PixelSource& source)
{
    const int rectWidth = rectangle.right - rectangle.left;
    const int rectHeight = rectangle.bottom - rectangle.top;
    if (source.empty() || destination.empty() || rectWidth <= 0 || rectHeight <= 0) return;

    // The visible part of the rectangle, in rectangle coordinates.
    const int firstColumn = std::max(0, -rectangle.left);
    const int lastColumn = std::min(rectWidth, destination.width() - rectangle.left);
    const int firstRow = std::max(0, -rectangle.top);
    const int lastRow = std::min(rectHeight, destination.height() - rectangle.top);
    if (firstColumn >= lastColumn || firstRow >= lastRow) return;

    std::vector<int> columns(std::size_t(lastColumn - firstColumn));
    for (int i = firstColumn; i < lastColumn; ++i)
        columns[std::size_t(i - firstColumn)] = nearestSourceIndex(i, rectWidth, source.width());

    int previousSourceRow = -1;
    Pixel* previous = nullptr;
    for (int i = firstRow; i < lastRow; ++i) {
        const int sourceRow = nearestSourceIndex(i, rectHeight, source.height());
        Pixel* out = destination.row(rectangle.top + i) + rectangle.left + firstColumn;
        // Enlarging repeats rows: copy the row just drawn instead of sampling again.
        if (sourceRow == previousSourceRow)
            std::copy_n(previous, columns.size(), out);
        else
            source.sampleRow(sourceRow, columns, out);
        previousSourceRow = sourceRow;
        previous = out;
    }
}

}  // namespace kelmorite
