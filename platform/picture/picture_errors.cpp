// Picture error texts, in one place.
#include "platform/picture/picture_errors.h"

namespace kelmorite {

Error invalidBitmap() { return Error("Bitmap image is not valid"); }

Error streamReadError() { return Error("Stream read error"); }

Error streamWriteError() { return Error("Stream write error"); }

Error cannotOpenFile(const std::string& path, int error)
{
    return Error("Cannot open file \"" + path + "\". " + systemReason(error));
}

Error cannotCreateFile(const std::string& path, int error)
{
    return Error("Cannot create file \"" + path + "\". " + systemReason(error));
}

Error unknownExtension(const std::string& extension)
{
    return Error("Unknown picture file extension (." + extension + ")");
}

}  // namespace kelmorite
