// Our reader and writer against Qt's QImage, as a second opinion.
#include "platform/picture/bmp_reader.h"
#include "platform/picture/bmp_writer.h"

#include "bench/bench_files.h"
#include "tests/support/temp_dir.h"

#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace kelmorite {
namespace {

QImage qtDecode(const std::vector<std::uint8_t>& bytes)
{
    QImage image;
    image.loadFromData(bytes.data(), int(bytes.size()), "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

// The first pixel that differs, or "" when the pictures are the same.
std::string firstDifference(const Bitmap& ours, const QImage& qt)
{
    if (ours.width() != qt.width() || ours.height() != qt.height())
        return "size " + std::to_string(ours.width()) + " x " + std::to_string(ours.height()) + " against " +
               std::to_string(qt.width()) + " x " + std::to_string(qt.height());
    for (int y = 0; y < qt.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(qt.constScanLine(y));
        for (int x = 0; x < qt.width(); ++x)
            if (ours.pixel(x, y) != (line[x] & 0x00FFFFFF))
                return "pixel " + std::to_string(x) + ", " + std::to_string(y);
    }
    return "";
}

TEST(BmpReaderAgainstQt, EveryGoodSuiteFileGivesQtsPixels)
{
    QImageReader::setAllocationLimit(0);
    const auto names = test::bmpsuiteFiles("g");
    ASSERT_GE(names.size(), 27u);
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const auto bytes = test::readFile(test::bmpsuiteDir("g") + "/" + name);
        const QImage qt = qtDecode(bytes);
        ASSERT_FALSE(qt.isNull());
        EXPECT_EQ(firstDifference(decodeBmp(bytes), qt), "");
    }
}

// Large files cross every read window of the reader, and the RLE file mixes
// encoded and literal runs.
TEST(BmpReaderAgainstQt, TheGeneratedBenchmarkFilesGiveQtsPixels)
{
    QImageReader::setAllocationLimit(0);
    for (const char* name : {"rgb24_1000", "pal8_4000", "rle8_4000", "bf32_4000"}) {
        SCOPED_TRACE(name);
        const auto bytes = bench::makeBenchBmp(name);
        const QImage qt = qtDecode(bytes);
        ASSERT_FALSE(qt.isNull());
        EXPECT_EQ(firstDifference(decodeBmp(bytes), qt), "");
    }
}

TEST(BmpWriterAgainstQt, QtReadsBackTheSamePixels)
{
    Bitmap gradient(139, 68);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x) gradient.setPixel(x, y, rgb(std::uint8_t(x * 255 / 138), std::uint8_t(y * 3), std::uint8_t(x ^ y)));
    const QImage qt = qtDecode(encodeBmp32(gradient));
    ASSERT_FALSE(qt.isNull());
    EXPECT_EQ(firstDifference(gradient, qt), "");
}

}  // namespace
}  // namespace kelmorite
