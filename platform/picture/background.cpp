// The stored background picture.
#include "platform/picture/background.h"

#include "platform/picture/bmp_reader.h"

namespace kelmorite {
namespace {

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

std::vector<std::uint8_t> makeBackgroundFile()
{
    constexpr std::uint32_t side = kBackgroundSide;
    constexpr std::uint32_t rowBytes = (side * 3 + 3) / 4 * 4;  // 420: rows padded to 4 bytes
    constexpr std::uint32_t imageSize = rowBytes * side;
    std::vector<std::uint8_t> file(54 + imageSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, std::uint32_t(file.size()));
    put32(file, 10, 54);
    put32(file, 14, 40);
    put32(file, 18, side);
    put32(file, 22, side);
    file[26] = 1;   // planes
    file[28] = 24;  // bits per pixel
    put32(file, 34, imageSize);
    put32(file, 38, 3780);  // pixels per metre, 96 per inch
    put32(file, 42, 3780);
    for (std::uint32_t y = 0; y < side; ++y) {
        std::uint8_t* p = file.data() + 54 + y * rowBytes;
        for (std::uint32_t x = 0; x < side; ++x, p += 3) {
            p[0] = 0xFF;  // blue
            p[1] = 0x00;  // green
            p[2] = 0xFF;  // red
        }
    }
    return file;
}

}  // namespace

const std::vector<std::uint8_t>& backgroundBmpFile()
{
    static const std::vector<std::uint8_t> file = makeBackgroundFile();
    return file;
}

const Bitmap& backgroundPicture()
{
    static const Bitmap picture = decodeBmp(backgroundBmpFile());
    return picture;
}

}  // namespace kelmorite
