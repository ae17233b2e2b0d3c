// The sampled reader against the full decode: the same pixels wherever drawing
// samples, the same errors, and samples that outlive the file.
#include "platform/picture/sampled_picture.h"

#include "bench/bench_files.h"
#include "platform/picture/bmp_reader.h"
#include "platform/picture/stretch_draw.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace kelmorite {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string outcome(const std::function<void()>& read)
{
    try {
        read();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "read";
}

Bitmap drawn(const PixelSource& source, const SampleGrid& grid)
{
    Bitmap out(grid.width, grid.height, kWhite);
    stretchDraw(out, {0, 0, grid.width, grid.height}, source);
    return out;
}

// Every grid, at two display scales, drawn from both readers.
void expectSameDrawing(const Bytes& bytes, const std::string& name)
{
    const Bitmap full = decodeBmp(bytes);
    for (const double ratio : {1.0, 2.0}) {
        const auto grids = standardGrids(ratio);
        MemoryByteSource source(bytes);
        const SampledPicture sampled = SampledPicture::read(source, grids);
        ASSERT_EQ(sampled.width(), full.width()) << name;
        ASSERT_EQ(sampled.height(), full.height()) << name;
        for (const auto& grid : grids)
            ASSERT_TRUE(drawn(sampled, grid) == drawn(full, grid)) << name << " at " << grid.width << " x " << grid.height;
    }
}

TEST(SampledPicture, DrawsLikeTheFullDecodeForEverySuiteFileThatDecodes)
{
    int compared = 0;
    for (const std::string folder : {"g", "q", "b"}) {
        for (const auto& name : test::bmpsuiteFiles(folder)) {
            const Bytes bytes = test::readFile(test::bmpsuiteDir(folder) + "/" + name);
            if (outcome([&] { decodeBmp(bytes); }) != "read") continue;
            expectSameDrawing(bytes, folder + "/" + name);
            ++compared;
        }
    }
    EXPECT_GE(compared, 70);
}

TEST(SampledPicture, DrawsLikeTheFullDecodeForTheGeneratedFiles)
{
    for (const char* name : {"rgb24_1000", "pal8_4000", "rle8_4000", "bf32_4000"}) expectSameDrawing(bench::makeBenchBmp(name), name);
}

TEST(SampledPicture, DrawsLikeTheFullDecodeForCutAndOddFiles)
{
    // Every length of a cut file, for small pictures of each depth and coding.
    for (const char* name : {"g/pal1.bmp", "g/pal4.bmp", "g/pal4rle.bmp", "g/pal8rle.bmp", "g/rgb16.bmp", "g/rgb24.bmp",
                             "g/rgb32bf.bmp", "g/pal8topdown.bmp"}) {
        const Bytes whole = test::readFile(std::string(KELMORITE_TEST_DATA) + "/bmpsuite/" + name);
        for (std::size_t length = 1; length < whole.size(); length += 97) {
            const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(length));
            const std::string full = outcome([&] { decodeBmp(cut); });
            MemoryByteSource source(cut);
            const auto grids = standardGrids();
            ASSERT_EQ(outcome([&] { SampledPicture::read(source, grids); }), full) << name << " cut at " << length;
            if (full == "read") expectSameDrawing(cut, std::string(name) + " cut at " + std::to_string(length));
        }
    }
}

TEST(SampledPicture, RaisesWhatTheFullDecodeRaises)
{
    for (const std::string folder : {"b", "q", "x"}) {
        for (const auto& name : test::bmpsuiteFiles(folder)) {
            const Bytes bytes = test::readFile(test::bmpsuiteDir(folder) + "/" + name);
            MemoryByteSource source(bytes);
            const auto grids = standardGrids();
            EXPECT_EQ(outcome([&] { SampledPicture::read(source, grids); }), outcome([&] { decodeBmp(bytes); }))
                << folder << "/" << name;
        }
    }
    MemoryByteSource empty(std::span<const std::uint8_t>{});
    EXPECT_TRUE(SampledPicture::read(empty, standardGrids()).empty());
}

TEST(SampledPicture, HoldsItsSamplesWhenTheFileChangesOrGoes)
{
    test::TempDir dir;
    const std::string path = dir.file("Photo.bmp");
    const Bytes bytes = bench::makeBenchBmp("rgb24_1000");
    test::writeFile(path, bytes);
    const auto grids = standardGrids();
    const SampledPicture picture = loadSampledPicture(path, grids);
    test::writeFile(path, Bytes(bytes.size(), 0));  // rewritten in place
    ::unlink(path.c_str());                          // then gone
    const Bitmap full = decodeBmp(bytes);
    for (const auto& grid : grids) EXPECT_TRUE(drawn(picture, grid) == drawn(full, grid));
    EXPECT_EQ(outcome([&] { loadSampledPicture(path, grids); }),
              "Cannot open file \"" + path + "\". No such file or directory");
    EXPECT_EQ(outcome([&] { loadSampledPicture(dir.file("x.png"), grids); }), "Unknown picture file extension (.png)");
}

}  // namespace
}  // namespace kelmorite
