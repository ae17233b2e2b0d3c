// Writes benchmark pictures: make_pictures DIR COUNT SIDE writes COUNT 24-bit
// pictures of SIDE x SIDE pixels into DIR as pic000.bmp, pic001.bmp, ...
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_pictures DIR COUNT SIDE\n");
        return 2;
    }
    const std::string dir = argv[1];
    const int count = std::atoi(argv[2]), side = std::atoi(argv[3]);
    const std::size_t stride = (std::size_t(side) * 3 + 3) / 4 * 4;
    std::vector<unsigned char> file(54 + stride * std::size_t(side), 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, std::uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(side));
    put32(22, std::uint32_t(side));
    file[26] = 1;
    file[28] = 24;
    put32(34, std::uint32_t(stride * std::size_t(side)));
    for (int n = 0; n < count; ++n) {
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                unsigned char* p = file.data() + 54 + std::size_t(y) * stride + std::size_t(x) * 3;
                p[0] = std::uint8_t(x + n);
                p[1] = std::uint8_t(y * 3);
                p[2] = std::uint8_t((x ^ y) + n);
            }
        char name[32];
        std::snprintf(name, sizeof name, "/pic%03d.bmp", n);
        std::ofstream(dir + name, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    }
    return 0;
}
