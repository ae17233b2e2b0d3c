// Generating the benchmark pictures: gradients with some noise, so that no
// reader can take a shortcut on uniform data.
#include "bench/bench_files.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace kelmorite::bench {
namespace {

struct PictureKind {
    const char* name;
    int side;
    int bits;
    enum { Rgb, Palette, Rle8, SwappedFields } kind;
};

constexpr PictureKind kKinds[] = {
    {"rgb24_1000", 1000, 24, PictureKind::Rgb},
    {"rgb24_4000", 4000, 24, PictureKind::Rgb},
    {"rgb24_8000", 8000, 24, PictureKind::Rgb},
    {"pal8_4000", 4000, 8, PictureKind::Palette},
    {"rle8_4000", 4000, 8, PictureKind::Rle8},
    {"bf32_4000", 4000, 32, PictureKind::SwappedFields},
};

const PictureKind& kindOf(const std::string& name)
{
    for (const auto& s : kKinds)
        if (name == s.name) return s;
    throw std::invalid_argument("no benchmark file " + name);
}

void put16(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}

void put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

std::vector<unsigned char> headers(const PictureKind& s, std::uint32_t compression, std::size_t tableBytes)
{
    std::vector<unsigned char> b(54 + tableBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, std::uint32_t(54 + tableBytes));
    put32(b, 14, 40);
    put32(b, 18, std::uint32_t(s.side));
    put32(b, 22, std::uint32_t(s.side));
    put16(b, 26, 1);
    put16(b, 28, std::uint32_t(s.bits));
    put32(b, 30, compression);
    return b;
}

void finish(std::vector<unsigned char>& b)
{
    put32(b, 2, std::uint32_t(b.size()));
    put32(b, 34, std::uint32_t(b.size() - std::size_t(b[10] | b[11] << 8 | b[12] << 16)));
}

std::uint8_t shade(int x, int y, int side, std::uint32_t noise) { return std::uint8_t((x + y) * 255 / (2 * side) + (noise & 15)); }

std::vector<unsigned char> make(const PictureKind& s)
{
    std::mt19937 random(12345);
    const int n = s.side;
    if (s.kind == PictureKind::Rle8) {
        auto b = headers(s, 1, 1024);
        for (int i = 0; i < 256; ++i) put32(b, 54 + 4 * std::size_t(i), std::uint32_t(i * 0x010203) & 0xFFFFFF);
        b.reserve(b.size() + std::size_t(n) * std::size_t(n));
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n;) {
                const int left = n - x;
                if (random() % 2 == 0) {  // an encoded run
                    const int count = std::min(left, int(1 + random() % 40));
                    b.push_back(std::uint8_t(count));
                    b.push_back(shade(x, y, n, random()));
                    x += count;
                } else if (left >= 3) {  // a literal run
                    const int count = std::min(left, int(3 + random() % 30));
                    b.push_back(0);
                    b.push_back(std::uint8_t(count));
                    for (int i = 0; i < count; ++i) b.push_back(shade(x + i, y, n, random()));
                    if (count & 1) b.push_back(0);
                    x += count;
                } else {
                    b.push_back(std::uint8_t(left));
                    b.push_back(0);
                    x += left;
                }
            }
            b.push_back(0);
            b.push_back(0);  // end of line
        }
        b.push_back(0);
        b.push_back(1);  // end of picture
        finish(b);
        return b;
    }
    const std::size_t table = s.kind == PictureKind::Palette ? 1024 : s.kind == PictureKind::SwappedFields ? 12 : 0;
    auto b = headers(s, s.kind == PictureKind::SwappedFields ? 3 : 0, table);
    if (s.kind == PictureKind::Palette)
        for (int i = 0; i < 256; ++i) put32(b, 54 + 4 * std::size_t(i), std::uint32_t(i * 0x030507) & 0xFFFFFF);
    if (s.kind == PictureKind::SwappedFields) {
        put32(b, 54, 0x000000FF);  // red in the low byte
        put32(b, 58, 0x0000FF00);
        put32(b, 62, 0x00FF0000);  // blue in the third
    }
    const std::size_t stride = (std::size_t(n) * std::size_t(s.bits) + 31) / 32 * 4;
    const std::size_t start = b.size();
    b.resize(start + stride * std::size_t(n), 0);
    for (int y = 0; y < n; ++y) {
        unsigned char* row = b.data() + start + std::size_t(y) * stride;
        for (int x = 0; x < n; ++x) {
            const std::uint32_t noise = random();
            const std::uint8_t v = shade(x, y, n, noise);
            switch (s.bits) {
            case 8: row[x] = v; break;
            case 24:
                row[3 * x] = v;
                row[3 * x + 1] = std::uint8_t(x * 255 / n);
                row[3 * x + 2] = std::uint8_t(noise >> 8);
                break;
            case 32:
                row[4 * x] = v;
                row[4 * x + 1] = std::uint8_t(y * 255 / n);
                row[4 * x + 2] = std::uint8_t(noise >> 8);
                row[4 * x + 3] = 0;
                break;
            }
        }
    }
    finish(b);
    return b;
}

std::string folder()
{
    const char* configured = std::getenv("KELMORITE_BENCH_DIR");
    return configured != nullptr && *configured != '\0' ? configured : "/tmp/kelmorite-bench";
}

}  // namespace

std::vector<unsigned char> makeBenchBmp(const std::string& name) { return make(kindOf(name)); }

BenchFile benchFile(const std::string& name)
{
    const PictureKind& s = kindOf(name);
    BenchFile file{s.name, folder() + "/" + s.name + ".bmp", s.side, s.side};
    if (!std::filesystem::exists(file.path)) {
        std::filesystem::create_directories(folder());
        const auto bytes = make(s);
        const std::string temporary = file.path + ".part";
        std::ofstream(temporary, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        std::filesystem::rename(temporary, file.path);
    }
    return file;
}

std::vector<BenchFile> benchFiles()
{
    std::vector<BenchFile> files;
    for (const auto& s : kKinds) files.push_back(benchFile(s.name));
    return files;
}

}  // namespace kelmorite::bench
