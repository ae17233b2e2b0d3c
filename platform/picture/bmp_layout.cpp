// Header validation for BMP files.
//
// The formats follow Microsoft's documentation of BITMAPFILEHEADER,
// BITMAPCOREHEADER, BITMAPINFOHEADER and its V2 to V5 extensions, and IBM's
// OS/2 2.x BITMAPINFOHEADER2 (64 bytes, whose first 40 bytes match
// BITMAPINFOHEADER). No size field of the file is trusted: sizes are derived
// from the dimensions and bit depth, with 64-bit arithmetic.
#include "platform/picture/bmp_layout.h"

#include "platform/picture/picture_errors.h"
#include "platform/picture/pixel_limits.h"

#include <bit>
#include <cerrno>
#include <climits>

namespace kelmorite {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kOs2HeaderSize = 64;

// The compression field of the information header.
enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,       // Huffman 1D in an OS/2 2.x header
    kAlphaBitFields = 6,  // like kBitFields, with a fourth (alpha) mask
};

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

// Reads exactly count bytes at offset, or raises "Stream read error".
std::span<const std::uint8_t> readExactly(ByteSource& source, std::uint64_t offset, std::size_t count)
{
    const auto bytes = source.view(offset, count);
    if (bytes.size() < count) throw streamReadError();
    return bytes;
}

bool knownHeaderSize(std::uint32_t size)
{
    switch (size) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case 52:  // V2: with the red, green and blue masks
    case 56:  // V3: with the alpha mask too
    case kOs2HeaderSize:
    case 108:  // V4
    case 124:  // V5
        return true;
    default:
        return false;
    }
}

BmpChannel channel(std::uint32_t mask)
{
    BmpChannel c;
    c.mask = mask;
    if (mask == 0) return c;
    c.shift = std::countr_zero(mask);
    c.bits = std::bit_width(mask >> c.shift);
    return c;
}

void setMasks(BmpLayout& layout, std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    layout.red = channel(red);
    layout.green = channel(green);
    layout.blue = channel(blue);
    layout.plainChannels = layout.bitCount == 32 && red == 0xFF0000 && green == 0xFF00 && blue == 0xFF;
}

struct InfoFields {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
};

InfoFields readInfoFields(std::span<const std::uint8_t> header, std::uint32_t headerSize)
{
    InfoFields f;
    if (headerSize == kCoreHeaderSize) {
        f.width = u16(header, 4);
        f.height = u16(header, 6);
        f.planes = u16(header, 8);
        f.bitCount = u16(header, 10);
        return f;
    }
    f.width = std::int32_t(u32(header, 4));
    f.height = std::int32_t(u32(header, 8));
    f.planes = u16(header, 12);
    f.bitCount = u16(header, 14);
    f.compression = u32(header, 16);
    f.colorsUsed = u32(header, 32);
    return f;
}

// Sets the size, orientation, depth and coding, or raises "Bitmap image is
// not valid" for a combination the format does not have.
void checkFields(const InfoFields& f, std::uint32_t headerSize, BmpLayout& layout)
{
    const bool core = headerSize == kCoreHeaderSize;
    const bool os2 = headerSize == kOs2HeaderSize;
    if (f.planes != 1) throw invalidBitmap();
    switch (f.bitCount) {
    case 1: case 4: case 8: case 24: break;
    case 16: case 32: if (!core) break; [[fallthrough]];
    default: throw invalidBitmap();
    }
    layout.bitCount = int(f.bitCount);

    switch (f.compression) {
    case kRgb: layout.coding = BmpLayout::Coding::Rgb; break;
    case kRle8: if (f.bitCount != 8) throw invalidBitmap(); layout.coding = BmpLayout::Coding::Rle8; break;
    case kRle4: if (f.bitCount != 4) throw invalidBitmap(); layout.coding = BmpLayout::Coding::Rle4; break;
    case kBitFields:
    case kAlphaBitFields:
        if (os2 || (f.bitCount != 16 && f.bitCount != 32)) throw invalidBitmap();
        layout.coding = BmpLayout::Coding::BitFields;
        break;
    default: throw invalidBitmap();  // JPEG, PNG, RLE24, Huffman and the unknown
    }

    if (f.width <= 0 || f.height == 0 || f.height == INT_MIN) throw invalidBitmap();
    layout.topDown = f.height < 0;
    // Run-length data is always stored bottom to top.
    if (layout.topDown && layout.coding != BmpLayout::Coding::Rgb && layout.coding != BmpLayout::Coding::BitFields)
        throw invalidBitmap();
    layout.width = int(f.width);
    layout.height = int(layout.topDown ? -f.height : f.height);
}

}  // namespace

BmpLayout readBmpLayout(ByteSource& source, const BmpLimits& limits)
{
    BmpLayout layout;

    const auto fileHeader = readExactly(source, 0, kFileHeaderSize);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') throw invalidBitmap();
    const std::uint64_t declaredOffset = u32(fileHeader, 10);

    const std::uint32_t headerSize = u32(readExactly(source, kFileHeaderSize, 4), 0);
    if (!knownHeaderSize(headerSize)) throw invalidBitmap();
    const auto header = readExactly(source, kFileHeaderSize, headerSize);
    const InfoFields fields = readInfoFields(header, headerSize);
    checkFields(fields, headerSize, layout);

    // Colour masks: inside the V2 and later headers, or following a 40-byte one.
    std::uint64_t tableStart = kFileHeaderSize + headerSize;
    if (layout.coding == BmpLayout::Coding::BitFields) {
        if (headerSize >= 52) {
            setMasks(layout, u32(header, 40), u32(header, 44), u32(header, 48));
        } else {
            const std::size_t maskBytes = fields.compression == kAlphaBitFields ? 16 : 12;
            const auto masks = readExactly(source, tableStart, maskBytes);
            setMasks(layout, u32(masks, 0), u32(masks, 4), u32(masks, 8));
            tableStart += maskBytes;
        }
    } else if (layout.bitCount == 16) {
        setMasks(layout, 0x7C00, 0x03E0, 0x001F);
    } else if (layout.bitCount == 32) {
        setMasks(layout, 0xFF0000, 0x00FF00, 0x0000FF);
    }

    // Colour table: the colours used, never more than the depth can index.
    // An offset of the pixel data that falls inside the table shortens it.
    const std::uint64_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
    std::uint64_t entries = 0;
    std::uint64_t skippedTable = 0;  // a table of a deeper picture, unused
    if (layout.bitCount <= 8) {
        const std::uint64_t most = std::uint64_t(1) << layout.bitCount;
        entries = fields.colorsUsed == 0 ? most : std::min<std::uint64_t>(fields.colorsUsed, most);
        if (declaredOffset >= tableStart && declaredOffset < tableStart + entries * entrySize)
            entries = (declaredOffset - tableStart) / entrySize;
        const auto table = readExactly(source, tableStart, std::size_t(entries * entrySize));
        for (std::size_t i = 0; i < entries; ++i) {
            const auto* e = table.data() + i * entrySize;
            layout.palette[i] = rgb(e[2], e[1], e[0]);
        }
    } else {
        skippedTable = std::uint64_t(fields.colorsUsed) * 4;
    }
    const std::uint64_t tableEnd = tableStart + entries * entrySize;
    layout.pixelOffset = declaredOffset >= tableEnd ? declaredOffset : tableEnd + skippedTable;

    const std::uint64_t maxPixels = limits.maxPixels != 0 ? limits.maxPixels : maxPixelCount();
    if (std::uint64_t(layout.width) * std::uint64_t(layout.height) > maxPixels) throw systemError(ENOMEM);

    layout.rowStride = (std::uint64_t(layout.width) * std::uint64_t(layout.bitCount) + 31) / 32 * 4;
    return layout;
}

}  // namespace kelmorite
