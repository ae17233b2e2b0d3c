// Where the BMP reader takes its bytes from: a buffer in memory or an open file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kelmorite {

// Positioned access to a sequence of bytes. The reader asks only for the
// ranges it needs, so a file is read once, range by range, and never whole.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // The number of bytes, fixed when the source was opened.
    virtual std::uint64_t size() const = 0;

    // The bytes from offset on, at most count of them: fewer when the data
    // ends first. The view stays valid until the next call.
    virtual std::span<const std::uint8_t> view(std::uint64_t offset, std::size_t count) = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint64_t size() const override { return bytes_.size(); }
    std::span<const std::uint8_t> view(std::uint64_t offset, std::size_t count) override;

private:
    std::span<const std::uint8_t> bytes_;
};

// An open file, read by positioned reads. A file that shrinks after it was
// opened ends early; one that grows is read to its size at opening.
class FileByteSource final : public ByteSource {
public:
    // Raises "Cannot open file "%s". %s" with the path and the system's reason.
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    std::uint64_t size() const override { return size_; }
    // Raises "Stream read error" when the system reports a read error.
    std::span<const std::uint8_t> view(std::uint64_t offset, std::size_t count) override;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace kelmorite
