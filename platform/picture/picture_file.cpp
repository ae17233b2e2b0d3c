// Picture files: the extension check, the BMP reader and the atomic save.
#include "platform/picture/picture_file.h"

#include "platform/picture/bmp_reader.h"
#include "platform/picture/bmp_writer.h"
#include "platform/picture/picture_errors.h"
#include "platform/system/atomic_file.h"

#include <algorithm>
#include <cctype>

namespace kelmorite {

std::string fileExtension(const std::string& path)
{
    const auto dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') return {};
    return path.substr(dot + 1);
}

void checkPictureExtension(const std::string& path)
{
    const std::string extension = fileExtension(path);
    std::string lower = extension;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower != "bmp") throw unknownExtension(extension);
}

Bitmap loadPicture(const std::string& path)
{
    checkPictureExtension(path);
    FileByteSource file(path);
    return decodeBmp(file);
}

void savePicture(const Bitmap& bitmap, const std::string& path)
{
    if (bitmap.empty()) return;
    const auto outcome = replaceFileAtomically(path, encodeBmp32(bitmap));
    switch (outcome.stage) {
    case ReplaceOutcome::Stage::Done: return;
    case ReplaceOutcome::Stage::Create: throw cannotCreateFile(path, outcome.error);
    case ReplaceOutcome::Stage::Write: throw streamWriteError();
    }
}

}  // namespace kelmorite
