// Atomic replacement of a file: temporary file, flush, rename.
#include "platform/system/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kelmorite {
namespace {

using Stage = ReplaceOutcome::Stage;

ReplaceOutcome failed(Stage stage, int error) { return ReplaceOutcome{stage, error}; }

std::string directoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link to an existing file is followed, so that the link stays a link and
// its target gets the new content, as writing through the link would do.
std::string resolveLink(const std::string& path)
{
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

// Opens a new, hidden, uniquely named file beside the target.
int createTemporary(const std::string& target, std::string& temporaryPath)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string stem = directoryOf(target) + "/." + nameOf(target) + ".tmp-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = stem + std::to_string(random() % 1000000000ULL);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

void syncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename is done either way
    ::close(fd);
}

}  // namespace

ReplaceOutcome replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const std::string target = resolveLink(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return failed(Stage::Create, EISDIR);
        if ((existing.st_mode & 0222) == 0) return failed(Stage::Create, EACCES);
        if (::access(target.c_str(), W_OK) != 0) return failed(Stage::Create, errno);
    }

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return failed(Stage::Create, errno);

    auto abandon = [&](Stage stage, int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return failed(stage, error);
    };
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0) return abandon(Stage::Create, errno);
    if (!writeAll(fd, bytes)) return abandon(Stage::Write, errno);
    if (::fsync(fd) != 0) return abandon(Stage::Write, errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failed(Stage::Write, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failed(Stage::Create, error);
    }
    syncDirectory(directoryOf(target));
    return {};
}

}  // namespace kelmorite
