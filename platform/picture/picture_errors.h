// The texts of the errors that loading and saving pictures raise.
#pragma once

#include "platform/system/errors.h"

#include <string>

namespace kelmorite {

Error invalidBitmap();                                       // "Bitmap image is not valid"
Error streamReadError();                                     // "Stream read error"
Error streamWriteError();                                    // "Stream write error"
Error cannotOpenFile(const std::string& path, int error);    // "Cannot open file "%s". %s"
Error cannotCreateFile(const std::string& path, int error);  // "Cannot create file "%s". %s"
Error unknownExtension(const std::string& extension);        // "Unknown picture file extension (.%s)"

}  // namespace kelmorite
