// Full decode of large BMP files: ours against Qt's QImage reader and against
// a read-only baseline (read the file into memory, touch every byte).
//
//   build/bench/decode_bench                 the timings
//   build/bench/decode_bench --memory        the peak memory of each, per file
#include "bench/bench_files.h"
#include "bench/peak_memory.h"
#include "platform/picture/picture_file.h"

#include <QImage>
#include <QImageReader>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

using kelmorite::bench::BenchFile;

const char* kFiles[] = {"rgb24_4000", "rgb24_8000", "pal8_4000", "rle8_4000", "bf32_4000"};

std::size_t baseline(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::vector<unsigned char> bytes(std::size_t(::lseek(fd, 0, SEEK_END)));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n <= 0) break;
        done += std::size_t(n);
    }
    ::close(fd);
    std::size_t sum = 0;
    for (const unsigned char b : bytes) sum += b;
    return sum;
}

std::size_t ours(const std::string& path)
{
    const auto bitmap = kelmorite::loadPicture(path);
    return std::size_t(bitmap.pixel(bitmap.width() / 2, bitmap.height() / 2));
}

std::size_t qt(const std::string& path)
{
    QImage image(QString::fromStdString(path));
    if (image.isNull()) throw std::runtime_error("Qt could not read " + path);
    return std::size_t(image.pixel(image.width() / 2, image.height() / 2));
}

// Qt keeps palette pictures as 8-bit indices; drawing a tile needs the
// 32-bit pixels that ours gives, so this is Qt doing the same work.
std::size_t qtRgb32(const std::string& path)
{
    QImage image = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) throw std::runtime_error("Qt could not read " + path);
    return std::size_t(image.pixel(image.width() / 2, image.height() / 2));
}

const std::pair<const char*, std::function<std::size_t(const std::string&)>> kReaders[] = {
    {"ours", ours}, {"qt", qt}, {"qt_rgb32", qtRgb32}, {"baseline", baseline}};

void registerTimings()
{
    for (const char* name : kFiles) {
        for (const auto& [reader, run] : kReaders) {
            benchmark::RegisterBenchmark((std::string("decode/") + name + "/" + reader).c_str(),
                                         [name = std::string(name), run = run](benchmark::State& state) {
                                             const BenchFile file = kelmorite::bench::benchFile(name);
                                             for (auto _ : state) benchmark::DoNotOptimize(run(file.path));
                                             state.SetBytesProcessed(std::int64_t(state.iterations()) *
                                                                     std::int64_t(std::filesystem::file_size(file.path)));
                                         })
                ->Unit(benchmark::kMillisecond)
                ->MinTime(1.0);
        }
    }
}

void printMemory()
{
    std::printf("%-12s %10s %10s %10s %10s %10s %10s\n", "file", "file MB", "pixels MB", "ours MB", "qt MB", "qt32 MB",
                "base MB");
    for (const char* name : kFiles) {
        const BenchFile file = kelmorite::bench::benchFile(name);
        const double mb = 1024.0 * 1024.0;
        std::printf("%-12s %10.1f %10.1f", name, double(std::filesystem::file_size(file.path)) / mb,
                    double(file.width) * file.height * 4 / mb);
        for (const auto& [reader, run] : kReaders) std::printf(" %10.1f", double(kelmorite::bench::peakGrowthKiB([&] { benchmark::DoNotOptimize(run(file.path)); })) / 1024.0);
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QImageReader::setAllocationLimit(0);  // Qt refuses pictures over 128 MB by default
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) {
        printMemory();
        return 0;
    }
    kelmorite::bench::benchFiles();  // generate outside the timings
    registerTimings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
