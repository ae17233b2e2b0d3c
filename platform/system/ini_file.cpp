// The INI file on disk.
#include "platform/system/ini_file.h"

#include "platform/system/atomic_file.h"
#include "platform/system/errors.h"
#include "platform/system/ini_text.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace kelmorite {
namespace {

// A settings file is small; anything beyond this is not one.
constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

// The whole text; nothing when the file is missing, error set otherwise.
std::optional<std::string> readText(const std::string& path, int& error)
{
    error = 0;
    // Opened without blocking and read only when it is a regular file, so
    // that a pipe or a device in the file's place cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = errno == ENOENT ? 0 : errno;
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return std::nullopt;
    }
    std::string text;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        text.append(buffer, std::size_t(n));
        if (text.size() > kMaxFileSize) {
            error = EFBIG;
            break;
        }
    }
    ::close(fd);
    if (error != 0) return std::nullopt;
    return text;
}

}  // namespace

std::string IniFile::readString(const std::string& section, const std::string& key, const std::string& fallback) const
{
    int error = 0;
    const auto text = readText(path_, error);
    if (!text) return fallback;
    return findIniValue(*text, section, key).value_or(fallback);
}

int IniFile::readInteger(const std::string& section, const std::string& key, int fallback) const
{
    return parseIniInteger(readString(section, key, "")).value_or(fallback);
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    // A line break would end the line early and let the rest pose as other
    // keys or sections: such a value cannot be stored.
    for (const std::string* text : {&section, &key, &value})
        if (text->find_first_of("\r\n") != std::string::npos) throw Error("Unable to write to " + path_);
    int error = 0;
    const auto text = readText(path_, error);
    if (error != 0) throw Error("Unable to write to " + path_);  // a file that cannot be read is not rewritten
    const std::string updated = withIniValue(text.value_or(""), section, key, value);
    const auto outcome = replaceFileAtomically(
        path_, {reinterpret_cast<const std::uint8_t*>(updated.data()), updated.size()});
    if (!outcome.done()) throw Error("Unable to write to " + path_);
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

}  // namespace kelmorite
