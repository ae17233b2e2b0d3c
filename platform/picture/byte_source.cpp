// Byte sources over memory and over files.
#include "platform/picture/byte_source.h"

#include "platform/picture/picture_errors.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelmorite {

std::span<const std::uint8_t> MemoryByteSource::view(std::uint64_t offset, std::size_t count)
{
    if (offset >= bytes_.size()) return {};
    const std::size_t available = bytes_.size() - std::size_t(offset);
    return bytes_.subspan(std::size_t(offset), std::min(count, available));
}

FileByteSource::FileByteSource(const std::string& path)
{
    // Without O_NONBLOCK, opening a named pipe would wait for a writer forever.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) throw cannotOpenFile(path, errno);
    struct stat info {};
    int error = 0;
    if (::fstat(fd_, &info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    if (error != 0) {
        ::close(fd_);
        throw cannotOpenFile(path, error);
    }
    // Only a regular file has bytes to read; anything else reads as no bytes.
    size_ = S_ISREG(info.st_mode) ? std::uint64_t(info.st_size) : 0;
}

FileByteSource::~FileByteSource()
{
    if (fd_ >= 0) ::close(fd_);
}

std::span<const std::uint8_t> FileByteSource::view(std::uint64_t offset, std::size_t count)
{
    if (offset >= size_) return {};
    count = std::size_t(std::min<std::uint64_t>(count, size_ - offset));
    if (buffer_.size() < count) buffer_.resize(count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, buffer_.data() + done, count - done, off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw streamReadError();
        }
        if (n == 0) break;  // the file was cut short since it was opened
        done += std::size_t(n);
    }
    return {buffer_.data(), done};
}

}  // namespace kelmorite
