// A click on a source picture: load it, draw the 205 x 205 source preview and
// compose one tile. The sampled reader against the full decode and against
// Qt's QImage load with its fast (nearest-neighbour) scaling.
//
//   build/bench/preview_bench              the timings
//   build/bench/preview_bench --memory     the peak memory of each, per file
#include "bench/bench_files.h"
#include "bench/peak_memory.h"
#include "platform/picture/picture_file.h"
#include "platform/picture/sampled_picture.h"
#include "platform/picture/stretch_draw.h"
#include "tile/compose_tile.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

using namespace kelmorite;

const char* kFiles[] = {"rgb24_1000", "rgb24_4000", "rgb24_8000", "rle8_4000"};

std::size_t click(const PixelSource& source)
{
    Bitmap preview(205, 205);
    stretchDraw(preview, {0, 0, 205, 205}, source);
    const Bitmap tile = ComposeTile(source, 0, Background::On);
    return std::size_t(preview.pixel(100, 100) ^ tile.pixel(30, 30));
}

std::size_t sampled(const std::string& path)
{
    const auto grids = standardGrids();
    return click(loadSampledPicture(path, grids));
}

std::size_t full(const std::string& path) { return click(loadPicture(path)); }

std::size_t qt(const std::string& path)
{
    const QImage image(QString::fromStdString(path));
    const QImage preview = image.scaled(205, 205, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage tile(139, 139, QImage::Format_RGB32);
    tile.fill(QColor(255, 0, 255));
    QPainter(&tile).drawImage(0, 0, image.scaled(68, 68, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return std::size_t(preview.pixel(100, 100) ^ tile.pixel(30, 30));
}

const std::pair<const char*, std::function<std::size_t(const std::string&)>> kPaths[] = {
    {"sampled", sampled}, {"full", full}, {"qt", qt}};

}  // namespace

int main(int argc, char** argv)
{
    QImageReader::setAllocationLimit(0);
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) {
        std::printf("%-12s %12s %12s %12s\n", "file", "sampled MB", "full MB", "qt MB");
        for (const char* name : kFiles) {
            const auto file = bench::benchFile(name);
            std::printf("%-12s", name);
            for (const auto& [path, run] : kPaths) std::printf(" %12.1f", double(bench::peakGrowthKiB([&] { benchmark::DoNotOptimize(run(file.path)); })) / 1024.0);
            std::printf("\n");
        }
        return 0;
    }
    for (const char* name : kFiles) {
        const auto file = bench::benchFile(name);
        for (const auto& [path, run] : kPaths)
            benchmark::RegisterBenchmark((std::string("click/") + name + "/" + path).c_str(),
                                         [path = file.path, run = run](benchmark::State& state) {
                                             for (auto _ : state) benchmark::DoNotOptimize(run(path));
                                         })
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
