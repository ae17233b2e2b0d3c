// File existence and deletion on POSIX calls.
#include "platform/system/file_system.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kelmorite {

bool fileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool deleteFile(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return false;
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (!S_ISLNK(info.st_mode) && (info.st_mode & 0222) == 0) {
        errno = EACCES;
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}

}  // namespace kelmorite
