// The generated pictures the benchmarks measure, written once into a folder.
#pragma once

#include <string>
#include <vector>

namespace kelmorite::bench {

struct BenchFile {
    std::string name;  // as the benchmarks report it, e.g. "rgb24_8000"
    std::string path;
    int width = 0;
    int height = 0;
};

// Writes (when not already there) and lists the benchmark pictures:
// 24-bit 1000, 4000 and 8000 square, 8-bit palette 4000, RLE8 4000 with
// both encoded and literal runs, 32-bit bit fields 4000 with the red and blue
// masks swapped. The folder is $KELMORITE_BENCH_DIR, or /tmp/kelmorite-bench.
std::vector<BenchFile> benchFiles();
BenchFile benchFile(const std::string& name);

// The bytes of one of those files, made in memory (for tests).
std::vector<unsigned char> makeBenchBmp(const std::string& name);

}  // namespace kelmorite::bench
