// Loading a picture from a file and saving one to a file.
#pragma once

#include "platform/picture/bitmap.h"

#include <string>

namespace kelmorite {

// The extension of a path's file name without its dot ("" when the name has
// no dot): the text after the last dot that follows the last "/".
std::string fileExtension(const std::string& path);

// Raises "Unknown picture file extension (.%s)" unless the path's extension
// is "bmp" in any letter case: the only kind of picture read.
void checkPictureExtension(const std::string& path);

// Reads the picture in the file. The reader is chosen by the extension,
// without regard to letter case: "bmp" is the only kind read, any other
// raises "Unknown picture file extension (.%s)". A file that cannot be opened
// raises "Cannot open file "%s". %s"; then the reader's own errors.
Bitmap loadPicture(const std::string& path);

// Writes the bitmap as a 32-bit BMP file, atomically: the file holds either
// its old content or the whole new one. An empty bitmap writes nothing and
// creates nothing. Raises "Cannot create file "%s". %s" when the file cannot
// be created or replaced (a missing directory, a directory of that name, a
// read-only file, no permission), and "Stream write error" when writing fails
// part way (a full disk).
void savePicture(const Bitmap& bitmap, const std::string& path);

}  // namespace kelmorite
