// Pixel data decoding: one tight loop per depth, and a run-length decoder.
#include "platform/picture/bmp_rows.h"

#include <algorithm>
#include <cstring>

namespace kelmorite {
namespace {

Pixel fromFields(const BmpLayout& layout, std::uint32_t value)
{
    return layout.red.to8(value) << 16 | layout.green.to8(value) << 8 | layout.blue.to8(value);
}

std::uint32_t load16(const std::uint8_t* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }

std::uint32_t load32(const std::uint8_t* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);  // the format and the machine are both little-endian
    return v;
}

void decodeComplete(const BmpLayout& layout, const std::uint8_t* p, int count, Pixel* out)
{
    const auto& palette = layout.palette;
    switch (layout.bitCount) {
    case 1:
        for (int i = 0; i < count; ++i) out[i] = palette[(p[i >> 3] >> (7 - (i & 7))) & 1];
        break;
    case 4:
        for (int i = 0; i < count; ++i) out[i] = palette[(p[i >> 1] >> ((i & 1) ? 0 : 4)) & 0x0F];
        break;
    case 8:
        for (int i = 0; i < count; ++i) out[i] = palette[p[i]];
        break;
    case 16:
        for (int i = 0; i < count; ++i) out[i] = fromFields(layout, load16(p + 2 * i));
        break;
    case 24:
        for (int i = 0; i < count; ++i, p += 3) out[i] = Pixel(p[0]) | Pixel(p[1]) << 8 | Pixel(p[2]) << 16;
        break;
    case 32:
        if (layout.plainChannels)
            for (int i = 0; i < count; ++i) out[i] = load32(p + 4 * i) & 0x00FFFFFF;
        else
            for (int i = 0; i < count; ++i) out[i] = fromFields(layout, load32(p + 4 * i));
        break;
    }
}

}  // namespace

void decodePixels(const BmpLayout& layout, std::span<const std::uint8_t> bytes, int count, Pixel* out)
{
    const std::uint64_t available = std::uint64_t(bytes.size()) * 8 / std::uint64_t(layout.bitCount);
    const int complete = int(std::min<std::uint64_t>(std::uint64_t(count), available));
    decodeComplete(layout, bytes.data(), complete, out);
    std::fill(out + complete, out + count, kBlack);
}

Pixel pixelAt(const BmpLayout& layout, std::span<const std::uint8_t> rowBytes, int x)
{
    const std::uint64_t bit = std::uint64_t(x) * std::uint64_t(layout.bitCount);
    const std::uint64_t byte = bit / 8;
    const std::uint64_t end = (bit + std::uint64_t(layout.bitCount) + 7) / 8;
    if (end > rowBytes.size()) return kBlack;
    const std::uint8_t* p = rowBytes.data() + byte;
    switch (layout.bitCount) {
    case 1: return layout.palette[(*p >> (7 - (x & 7))) & 1];
    case 4: return layout.palette[(*p >> ((x & 1) ? 0 : 4)) & 0x0F];
    case 8: return layout.palette[*p];
    case 16: return fromFields(layout, load16(p));
    case 24: return Pixel(p[0]) | Pixel(p[1]) << 8 | Pixel(p[2]) << 16;
    default: return layout.plainChannels ? load32(p) & 0x00FFFFFF : fromFields(layout, load32(p));
    }
}

namespace {

// Reads run-length data through a window of positioned reads, so that the
// data is never held whole.
class RleInput {
public:
    RleInput(ByteSource& source, std::uint64_t offset) : source_(source), position_(offset) { refill(); }

    // At least n bytes are available at data(), unless the data ends first;
    // gives how many are (up to n).
    std::size_t ensure(std::size_t n)
    {
        if (available() < n && !atEnd_) {
            position_ += std::uint64_t(at_);
            refill();
        }
        return std::min(n, available());
    }
    const std::uint8_t* data() const { return window_.data() + at_; }
    void skip(std::size_t n) { at_ += std::min(n, available()); }

private:
    static constexpr std::size_t kWindow = std::size_t(1) << 20;

    std::size_t available() const { return window_.size() - at_; }
    void refill()
    {
        window_ = source_.view(position_, kWindow);
        at_ = 0;
        atEnd_ = window_.size() < kWindow;
    }

    ByteSource& source_;
    std::uint64_t position_;
    std::span<const std::uint8_t> window_;
    std::size_t at_ = 0;
    bool atEnd_ = false;
};

}  // namespace

int decodeRle(const BmpLayout& layout, ByteSource& source, RleRowTarget& target)
{
    RleInput input(source, layout.pixelOffset);
    const bool four = layout.coding == BmpLayout::Coding::Rle4;
    const int width = layout.width;
    const auto& palette = layout.palette;

    // The decoder writes every pixel of a row it begins: the runs, and black
    // where the data skips pixels or ends the row early.
    int line = 0;  // rows from the bottom
    int x = 0;
    Pixel* row = target.beginRow(layout.fileRow(0));
    auto skipTo = [&](int to) {
        to = std::min(to, width);
        if (to > x) std::fill(row + x, row + to, kBlack);
        x = std::max(x, to);
    };
    // Ends the row and begins the next one up; false past the top.
    auto nextLine = [&] {
        skipTo(width);
        target.endRow(layout.fileRow(line));
        x = 0;
        if (++line >= layout.height) return false;
        row = target.beginRow(layout.fileRow(line));
        return true;
    };

    while (input.ensure(2) == 2) {
        const int count = input.data()[0];
        const int value = input.data()[1];
        input.skip(2);
        if (count > 0) {  // a run of one index, or of two alternating ones
            const int n = std::min(count, width - x);
            if (four) {
                const Pixel high = palette[value >> 4], low = palette[value & 0x0F];
                for (int i = 0; i < n; ++i) row[x + i] = (i & 1) ? low : high;
            } else {
                std::fill_n(row + x, n, palette[value]);
            }
            x += n;
        } else if (value == 0) {  // end of line
            if (!nextLine()) return line;
        } else if (value == 1) {  // end of picture
            break;
        } else if (value == 2) {  // move right and up
            if (input.ensure(2) < 2) break;
            const int dx = input.data()[0], dy = input.data()[1];
            input.skip(2);
            const int column = x + dx;
            for (int i = 0; i < dy; ++i)
                if (!nextLine()) return line;
            skipTo(column);
        } else {  // value indices stored as they are, padded to a 16-bit boundary
            const std::size_t bytes = std::size_t(four ? (value + 1) / 2 : value);
            const std::size_t padded = bytes + (bytes & 1);
            const int have = int(std::min(input.ensure(padded), bytes));
            const std::uint8_t* in = input.data();
            if (four) {
                const int n = std::min({value, 2 * have, width - x});
                for (int i = 0; i < n; ++i) row[x + i] = palette[(i & 1) ? in[i >> 1] & 0x0F : in[i >> 1] >> 4];
                x += n;
            } else {
                const int n = std::min(have, width - x);
                for (int i = 0; i < n; ++i) row[x + i] = palette[in[i]];
                x += n;
            }
            if (std::size_t(have) < bytes) break;  // the data ends inside the run
            input.skip(padded);
        }
    }
    skipTo(width);
    target.endRow(layout.fileRow(line));
    return line + 1;
}

}  // namespace kelmorite
