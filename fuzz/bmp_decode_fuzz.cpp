// libFuzzer target: the BMP reader on arbitrary bytes must give a picture or
// one of its errors, and never crash, hang or read out of bounds.
#include "platform/picture/bmp_reader.h"

#include <cstddef>
#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        // A small cap keeps the fuzzer's memory in bounds; the cap itself is
        // checked like any other header field.
        const auto bitmap = kelmorite::decodeBmp({data, size}, {.maxPixels = 1 << 20});
        volatile std::uint32_t sink = 0;
        for (const auto pixel : bitmap.pixels()) sink = sink + pixel;  // every pixel was written
    } catch (const std::exception&) {
    }
    return 0;
}
