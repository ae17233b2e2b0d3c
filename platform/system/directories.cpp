// Directory listings and volumes, on POSIX calls.
#include "platform/system/directories.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace kelmorite {
namespace {

std::string folded(std::string text)
{
    for (auto& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool endsWithBmp(const std::string& name)
{
    return name.size() >= 4 && folded(name.substr(name.size() - 4)) == ".bmp";
}

enum class Kind { File, Directory, Other };

Kind kindOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return Kind::Other;  // links are followed
    if (S_ISREG(info.st_mode)) return Kind::File;
    if (S_ISDIR(info.st_mode)) return Kind::Directory;
    return Kind::Other;
}

std::string join(const std::string& directory, const std::string& name)
{
    return directory.empty() || directory.back() == '/' ? directory + name : directory + "/" + name;
}

// The non-hidden names in a directory that are of the kind.
std::vector<std::string> namesOfKind(const std::string& directory, Kind kind)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), ::closedir);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.') continue;
        if (kind == Kind::File && !endsWithBmp(name)) continue;
        if (kindOf(join(directory, name)) == kind) names.push_back(name);
    }
    return names;
}

// /proc/self/mounts escapes blanks and other bytes as \ooo.
std::string unescapeMountPath(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
            out += char(std::stoi(text.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

bool directoryExists(const std::string& path) { return !path.empty() && kindOf(path) == Kind::Directory; }

bool canEnterDirectory(const std::string& path)
{
    // A directory whose permission bits let no one enter it is closed also to
    // root, as a read-only file is never written.
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || (info.st_mode & 0111) == 0) return false;
    if (::access(path.c_str(), R_OK | X_OK) != 0) return false;
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) return false;
    ::closedir(dir);
    return true;
}

std::vector<std::string> listBitmapFiles(const std::string& directory)
{
    auto names = namesOfKind(directory, Kind::File);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto fa = folded(a), fb = folded(b);
        return fa != fb ? fa < fb : a < b;
    });
    return names;
}

std::vector<std::string> listSubdirectories(const std::string& directory)
{
    auto names = namesOfKind(directory, Kind::Directory);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> pathFromRoot(const std::string& directory)
{
    std::vector<std::string> path{"/"};
    std::string walked;
    std::stringstream parts(directory);
    for (std::string part; std::getline(parts, part, '/');) {
        if (part.empty()) continue;
        walked += "/" + part;
        path.push_back(walked);
    }
    return path;
}

std::string currentDirectory()
{
    std::unique_ptr<char, void (*)(void*)> cwd(::getcwd(nullptr, 0), std::free);
    return cwd ? std::string(cwd.get()) : std::string("/");
}

std::vector<std::string> mountedVolumes()
{
    std::vector<std::string> volumes{"/"};
    std::ifstream mounts("/proc/self/mounts");
    for (std::string line; std::getline(mounts, line);) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (fields >> device >> mountPoint) volumes.push_back(unescapeMountPath(mountPoint));
    }
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
    return volumes;
}

std::string volumeOf(const std::string& directory)
{
    std::string best = "/";
    for (const auto& volume : mountedVolumes()) {
        const bool holds = volume == "/" || directory == volume ||
                           (directory.size() > volume.size() && directory.compare(0, volume.size(), volume) == 0 &&
                            directory[volume.size()] == '/');
        if (holds && volume.size() > best.size()) best = volume;
    }
    return best;
}

}  // namespace kelmorite
