// The BMP reader: header kinds, depths, codings, truncation, errors and limits.
#include "platform/picture/bmp_reader.h"

#include "tests/support/bmp_builder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace kelmorite {
namespace {

using test::BmpFixture;
using test::buildBmp;
using test::padRows;
using Bytes = std::vector<std::uint8_t>;

constexpr Pixel R = rgb(255, 0, 0), G = rgb(0, 255, 0), B = rgb(0, 0, 255), W = kWhite, K = kBlack;
constexpr Pixel Y = rgb(255, 255, 0), C = rgb(0, 255, 255);

// The pixels of a decoded picture, rows top to bottom.
std::vector<Pixel> pixelsOf(const Bitmap& b) { return {b.pixels().begin(), b.pixels().end()}; }

std::string errorOf(const Bytes& bytes, const BmpLimits& limits = {})
{
    try {
        decodeBmp(bytes, limits);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

struct DecodeCase {
    const char* name;
    BmpFixture fixture;
    int width, height;
    std::vector<Pixel> expected;
};

// A 24-bit pixel as stored: B, G, R.
Bytes bgr(std::initializer_list<Pixel> pixels)
{
    Bytes out;
    for (const Pixel p : pixels) out.insert(out.end(), {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16)});
    return out;
}

Bytes le16(std::initializer_list<std::uint16_t> values)
{
    Bytes out;
    for (const auto v : values) out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    return out;
}

Bytes le32(std::initializer_list<std::uint32_t> values)
{
    Bytes out;
    for (const auto v : values)
        out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
    return out;
}

BmpFixture fixture(std::uint32_t headerSize, int w, int h, int bits, Bytes pixels)
{
    BmpFixture f;
    f.headerSize = headerSize;
    f.width = w;
    f.height = h;
    f.bitCount = std::uint16_t(bits);
    f.pixels = std::move(pixels);
    return f;
}

BmpFixture with(BmpFixture f, auto change)
{
    change(f);
    return f;
}

std::vector<DecodeCase> decodeCases()
{
    // Bottom-up files: the first stored row is the picture's bottom row.
    return {
        {"core header, 24 bits", fixture(12, 2, 2, 24, padRows({bgr({R, G}), bgr({B, W})})), 2, 2, {B, W, R, G}},
        {"core header, 8 bits, 3-byte colour entries",
         with(fixture(12, 3, 1, 8, padRows({{2, 0, 1}})), [](auto& f) { f.palette.assign(256, K); f.palette[0] = R; f.palette[1] = G; f.palette[2] = B; }),
         3, 1, {B, R, G}},
        {"1 bit, first pixel in the high bit",
         with(fixture(40, 10, 1, 1, padRows({{0b10110000, 0b01000000}})), [](auto& f) { f.palette = {K, W}; }),
         10, 1, {W, K, W, W, K, K, K, K, K, W}},
        {"4 bits, high nibble first",
         with(fixture(40, 3, 1, 4, padRows({{0x12, 0x30}})), [](auto& f) { f.palette = {K, R, G, B}; }),
         3, 1, {R, G, B}},
        {"8 bits, a short colour table: indices beyond it are black",
         with(fixture(40, 4, 1, 8, padRows({{0, 1, 2, 200}})), [](auto& f) { f.colorsUsed = 2; f.palette = {R, G}; }),
         4, 1, {R, G, K, K}},
        {"16 bits without masks: 5-5-5, narrow channels shifted up",
         fixture(40, 3, 1, 16, padRows({le16({0x7C00, 0x03E0, 0x7FFF})})), 3, 1, {rgb(248, 0, 0), rgb(0, 248, 0), rgb(248, 248, 248)}},
        {"16 bits, 5-6-5 masks after the header",
         with(fixture(40, 2, 1, 16, padRows({le16({0xF800, 0x07E0})})), [](auto& f) { f.compression = 3; f.masks = {0xF800, 0x07E0, 0x001F}; }),
         2, 1, {rgb(248, 0, 0), rgb(0, 252, 0)}},
        {"24 bits, rows padded to 4 bytes", fixture(40, 3, 2, 24, padRows({bgr({R, G, B}), bgr({Y, C, W})})), 3, 2, {Y, C, W, R, G, B}},
        {"24 bits, top-down rows", with(fixture(40, 1, 2, 24, padRows({bgr({R}), bgr({G})})), [](auto& f) { f.height = -2; }), 1, 2, {R, G}},
        {"32 bits without masks: the fourth byte is dropped", fixture(40, 2, 1, 32, le32({0xAAFF0000, 0x550000FF})), 2, 1, {R, B}},
        {"32 bits, red and blue masks swapped",
         with(fixture(40, 2, 1, 32, le32({0x000000FF, 0x00FF0000})), [](auto& f) { f.compression = 3; f.masks = {0xFF, 0xFF00, 0xFF0000}; }),
         2, 1, {R, B}},
        {"32 bits, 10-bit channels keep their top 8 bits",
         with(fixture(40, 1, 1, 32, le32({0x3FF00000u | (0x200u << 10) | 0x0FF})), [](auto& f) { f.compression = 3; f.masks = {0x3FF00000, 0xFFC00, 0x3FF}; }),
         1, 1, {rgb(255, 128, 63)}},
        {"alpha bit fields: four masks after the header",
         with(fixture(40, 1, 1, 32, le32({0x12345678})), [](auto& f) { f.compression = 6; f.masks = {0xFF00, 0xFF0000, 0xFF000000, 0xFF}; }),
         1, 1, {rgb(0x56, 0x34, 0x12)}},
        {"52-byte header with its masks",
         with(fixture(52, 1, 1, 16, padRows({le16({0x001F})})), [](auto& f) { f.compression = 3; f.masks = {0x001F, 0x07E0, 0xF800}; }),
         1, 1, {rgb(248, 0, 0)}},
        {"56-byte header with its masks",
         with(fixture(56, 1, 1, 32, le32({0x00FF0000})), [](auto& f) { f.compression = 3; f.masks = {0xFF, 0xFF00, 0xFF0000, 0}; }),
         1, 1, {B}},
        {"64-byte two-dimensional header, 8 bits",
         with(fixture(64, 2, 1, 8, padRows({{1, 0}})), [](auto& f) { f.palette = {C, Y}; }), 2, 1, {Y, C}},
        {"108-byte header, masks inside",
         with(fixture(108, 1, 1, 32, le32({0x000000FF})), [](auto& f) { f.compression = 3; f.masks = {0xFF, 0xFF00, 0xFF0000, 0}; }),
         1, 1, {R}},
        {"124-byte header, 24 bits", fixture(124, 2, 1, 24, padRows({bgr({G, R})})), 2, 1, {G, R}},
        {"a gap before the pixel data", with(fixture(40, 1, 1, 24, padRows({bgr({C})})), [](auto& f) { f.gap = 37; }), 1, 1, {C}},
        {"a pixel offset inside the colour table shortens it",
         with(fixture(40, 2, 1, 8, padRows({{0, 1}})), [](auto& f) { f.palette = {R, G}; f.pixelOffset = 14 + 40 + 4; f.pixels.insert(f.pixels.begin(), 0); f.pixels.pop_back(); }),
         2, 1, {R, K}},
        {"RLE8: encoded runs, an absolute run with padding, end of line, delta, end of picture",
         with(fixture(40, 4, 3, 8, {2, 1, 0, 3, 0, 2, 1, 0,  /* bottom row: 1 1 0 2 ... the 4th pixel is cut */
                                    0, 0,                   /* end of line */
                                    0, 2, 2, 1,             /* delta: 2 right, 1 up: to the top row, x 2 */
                                    2, 2, 0, 1}),           /* two of index 2, end of picture */
              [](auto& f) { f.compression = 1; f.palette = {R, G, B}; }),
         4, 3, {K, K, B, B, K, K, K, K, G, G, R, B}},
        {"RLE4: alternating nibbles and an odd absolute run",
         with(fixture(40, 5, 1, 4, {3, 0x12, 0, 3, 0x30, 0x10, 0, 1}), [](auto& f) { f.compression = 2; f.palette = {R, G, B, W}; }),
         5, 1, {G, B, G, W, R}},
        {"RLE8: runs past the row's end are cut, not wrapped",
         with(fixture(40, 2, 2, 8, {5, 1, 0, 0, 1, 2, 0, 1}), [](auto& f) { f.compression = 1; f.palette = {R, G, B}; }),
         2, 2, {B, K, G, G}},
        {"RLE8: data that stops early leaves the rest black",
         with(fixture(40, 2, 2, 8, {2, 1}), [](auto& f) { f.compression = 1; f.palette = {R, G}; }), 2, 2, {K, K, G, G}},
        {"RLE8: a delta past the top ends the picture",
         with(fixture(40, 1, 2, 8, {1, 1, 0, 2, 0, 9, 1, 0}), [](auto& f) { f.compression = 1; f.palette = {R, G}; }), 1, 2, {K, G}},
        {"uncompressed data that stops inside a row: the pixels it reaches are read",
         fixture(40, 3, 2, 24, [] { auto rows = padRows({bgr({R, G, B}), bgr({Y, C, W})}); rows.resize(12 + 4); return rows; }()),
         3, 2, {Y, K, K, R, G, B}},
        {"no pixel data at all", fixture(40, 2, 1, 24, {}), 2, 1, {K, K}},
    };
}

TEST(BmpReader, DecodesEveryHeaderKindDepthAndCoding)
{
    for (const auto& c : decodeCases()) {
        SCOPED_TRACE(c.name);
        const Bitmap b = decodeBmp(buildBmp(c.fixture));
        ASSERT_EQ(b.width(), c.width);
        ASSERT_EQ(b.height(), c.height);
        EXPECT_EQ(pixelsOf(b), c.expected);
    }
}

TEST(BmpReader, NoBytesGiveAnEmptyPicture) { EXPECT_TRUE(decodeBmp(Bytes{}).empty()); }

struct ErrorCase {
    const char* name;
    Bytes bytes;
    std::string expected;
};

std::vector<ErrorCase> errorCases()
{
    const std::string invalid = "Bitmap image is not valid";
    const std::string readError = "Stream read error";
    const Bytes good = buildBmp(fixture(40, 2, 2, 24, padRows({bgr({R, G}), bgr({B, W})})));
    auto cut = [&](std::size_t n) { return Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)); };
    auto field = [](BmpFixture f) { return buildBmp(f); };
    const BmpFixture base = fixture(40, 2, 2, 24, Bytes(16, 0));
    return {
        {"one byte", {'B'}, readError},
        {"13 bytes: the file header is cut", cut(13), readError},
        {"another signature", field(with(base, [](auto& f) { f.signature[1] = 'A'; })), invalid},
        {"a picture of another format", Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R'}, invalid},
        {"the header size field is cut", cut(16), readError},
        {"an unknown header size", field(with(base, [](auto& f) { f.headerSize = 41; })), invalid},
        {"a 16-byte two-dimensional header", field(with(base, [](auto& f) { f.headerSize = 16; })), invalid},
        {"the information header is cut", cut(40), readError},
        {"two planes", field(with(base, [](auto& f) { f.planes = 2; })), invalid},
        {"2 bits per pixel", field(with(base, [](auto& f) { f.bitCount = 2; })), invalid},
        {"64 bits per pixel", field(with(base, [](auto& f) { f.bitCount = 64; })), invalid},
        {"a core header with 16 bits", field(with(base, [](auto& f) { f.headerSize = 12; f.bitCount = 16; })), invalid},
        {"JPEG compression", field(with(base, [](auto& f) { f.compression = 4; })), invalid},
        {"PNG compression", field(with(base, [](auto& f) { f.compression = 5; })), invalid},
        {"RLE8 at 4 bits", field(with(base, [](auto& f) { f.compression = 1; f.bitCount = 4; })), invalid},
        {"RLE4 at 8 bits", field(with(base, [](auto& f) { f.compression = 2; f.bitCount = 8; })), invalid},
        {"top-down RLE8", field(with(base, [](auto& f) { f.compression = 1; f.bitCount = 8; f.height = -2; })), invalid},
        {"bit fields at 24 bits", field(with(base, [](auto& f) { f.compression = 3; })), invalid},
        {"Huffman coding in a 64-byte header", field(with(base, [](auto& f) { f.headerSize = 64; f.compression = 3; f.bitCount = 1; })), invalid},
        {"width 0", field(with(base, [](auto& f) { f.width = 0; })), invalid},
        {"a negative width", field(with(base, [](auto& f) { f.width = -2; })), invalid},
        {"height 0", field(with(base, [](auto& f) { f.height = 0; })), invalid},
        {"the lowest height", field(with(base, [](auto& f) { f.height = INT32_MIN; })), invalid},
        {"the masks are cut", [&] { auto b = field(with(base, [](auto& f) { f.compression = 3; f.bitCount = 32; f.masks = {1, 2, 3}; f.pixels.clear(); })); b.resize(54 + 8); return b; }(), readError},
        {"the colour table is cut", [&] { auto b = field(with(base, [](auto& f) { f.bitCount = 8; f.palette.assign(256, 0); f.pixels.clear(); })); b.resize(54 + 1023); return b; }(), readError},
        {"3,000,000 x 2,000,000 pixels", field(with(base, [](auto& f) { f.width = 3'000'000; f.height = 2'000'000; })),
         "System Error.  Code: 12.\nCannot allocate memory"},
        {"the largest dimensions", field(with(base, [](auto& f) { f.width = INT32_MAX; f.height = INT32_MAX; f.bitCount = 32; })),
         "System Error.  Code: 12.\nCannot allocate memory"},
    };
}

TEST(BmpReader, RaisesTheUsersTextForEveryBadHeader)
{
    for (const auto& c : errorCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorOf(c.bytes), c.expected);
    }
}

TEST(BmpReader, HonoursACallersPixelLimit)
{
    const Bytes bytes = buildBmp(fixture(40, 100, 100, 24, {}));
    EXPECT_EQ(errorOf(bytes, {.maxPixels = 9'999}), "System Error.  Code: 12.\nCannot allocate memory");
    EXPECT_EQ(decodeBmp(bytes, {.maxPixels = 10'000}).width(), 100);
}

// What each questionable or bad file of the public BMP suite gives: a picture
// of its size, or the error the user reads.
TEST(BmpReader, AnswersEveryQuestionableAndBadSuiteFileAsDecided)
{
    const std::string invalid = "Bitmap image is not valid";
    const std::string decodes = "127 x 64";
    const std::map<std::string, std::string> answers = {
        // Bad files: broken headers are refused; ignorable fields are ignored;
        // damaged pixel data is read as far as it makes sense.
        {"b/badbitcount.bmp", invalid},
        {"b/badbitssize.bmp", decodes},       // the image size field is not trusted
        {"b/baddens1.bmp", decodes},          // resolution is not used
        {"b/baddens2.bmp", decodes},
        {"b/badfilesize.bmp", decodes},       // the file size field is not trusted
        {"b/badheadersize.bmp", invalid},
        {"b/badpalettesize.bmp", decodes},    // colours used beyond 256: the table holds 256
        {"b/badplanes.bmp", invalid},
        {"b/badrle.bmp", decodes},            // runs past a row are cut
        {"b/badrle4.bmp", decodes},
        {"b/badrle4bis.bmp", decodes},
        {"b/badrle4ter.bmp", decodes},
        {"b/badrlebis.bmp", decodes},
        {"b/badrleter.bmp", decodes},
        {"b/badwidth.bmp", invalid},
        {"b/pal8badindex.bmp", decodes},      // indices beyond the table are black
        {"b/reallybig.bmp", "System Error.  Code: 12.\nCannot allocate memory"},
        {"b/rgb16-880.bmp", decodes},         // a mask of no bits gives 0
        {"b/rletopdown.bmp", invalid},
        {"b/shortfile.bmp", decodes},         // cut pixel data
        // Questionable files: what the format allows is read.
        {"q/pal1huffmsb.bmp", invalid},       // Huffman coding
        {"q/pal1p1.bmp", decodes},
        {"q/pal2.bmp", invalid},              // 2 bits per pixel
        {"q/pal2color.bmp", invalid},
        {"q/pal4rlecut.bmp", decodes},
        {"q/pal4rletrns.bmp", decodes},       // skipped pixels are black
        {"q/pal8offs.bmp", decodes},
        {"q/pal8os2-hs.bmp", decodes},
        {"q/pal8os2-sz.bmp", decodes},
        {"q/pal8os2sp.bmp", decodes},
        {"q/pal8os2v2-16.bmp", invalid},      // 16-byte header
        {"q/pal8os2v2-40sz.bmp", decodes},
        {"q/pal8os2v2-sz.bmp", decodes},
        {"q/pal8os2v2.bmp", decodes},
        {"q/pal8oversizepal.bmp", decodes},
        {"q/pal8rlecut.bmp", decodes},
        {"q/pal8rletrns.bmp", decodes},
        {"q/rgb16-231.bmp", decodes},
        {"q/rgb16-3103.bmp", decodes},
        {"q/rgb16faketrns.bmp", decodes},
        {"q/rgb24jpeg.bmp", invalid},         // embedded JPEG
        {"q/rgb24largepal.bmp", decodes},
        {"q/rgb24lprof.bmp", decodes},
        {"q/rgb24png.bmp", invalid},          // embedded PNG
        {"q/rgb24prof.bmp", decodes},
        {"q/rgb24prof2.bmp", decodes},
        {"q/rgb24rle24.bmp", invalid},        // 24-bit run-length coding
        {"q/rgb32-111110.bmp", decodes},
        {"q/rgb32-7187.bmp", decodes},
        {"q/rgb32-xbgr.bmp", decodes},
        {"q/rgb32fakealpha.bmp", decodes},
        {"q/rgb32h52.bmp", decodes},
        {"q/rgba16-1924.bmp", decodes},
        {"q/rgba16-4444.bmp", decodes},
        {"q/rgba16-5551.bmp", decodes},
        {"q/rgba32-1.bmp", decodes},
        {"q/rgba32-1010102.bmp", decodes},
        {"q/rgba32-2.bmp", decodes},
        {"q/rgba32-61754.bmp", decodes},
        {"q/rgba32-81284.bmp", decodes},
        {"q/rgba32abf.bmp", decodes},         // alpha bit fields: the alpha is ignored
        {"q/rgba32h56.bmp", decodes},
        {"q/rgba64.bmp", invalid},            // 64 bits per pixel
        {"x/ba-bm.bmp", invalid},             // a bitmap array, not a bitmap
    };
    std::size_t seen = 0;
    for (const std::string folder : {"b", "q", "x"}) {
        for (const auto& name : test::bmpsuiteFiles(folder)) {
            const std::string key = folder + "/" + name;
            SCOPED_TRACE(key);
            const auto answer = answers.find(key);
            ASSERT_NE(answer, answers.end()) << "no answer decided";
            ++seen;
            std::string got;
            try {
                const Bitmap b = decodeBmp(test::readFile(test::bmpsuiteDir(folder) + "/" + name));
                got = std::to_string(b.width()) + " x " + std::to_string(b.height());
            } catch (const std::exception& e) {
                got = e.what();
            }
            EXPECT_EQ(got, answer->second);
        }
    }
    EXPECT_EQ(seen, answers.size());
}

}  // namespace
}  // namespace kelmorite
