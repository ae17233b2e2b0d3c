// Files: existence and deletion.
#pragma once

#include <string>

namespace kelmorite {

// True when a file, not a directory, is found under the path (a link to a
// file counts); the empty path gives false.
bool fileExists(const std::string& path);

// Deletes the file at once (no recycle bin). A read-only file, one whose
// permission bits grant no write access at all, is refused as on Windows,
// also for root. Gives whether it was deleted; errno tells why not.
bool deleteFile(const std::string& path);

}  // namespace kelmorite
