// Test helpers for real files: a temporary directory and whole-file reads and writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelmorite::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it (read-only entries included) when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void writeFile(const std::string& path, const std::string& text);
std::vector<std::uint8_t> readFile(const std::string& path);
std::string readText(const std::string& path);
// The names in a directory, sorted, hidden ones included.
std::vector<std::string> listNames(const std::string& directory);
// The permission bits of a file, or -1 when it does not exist.
int permissions(const std::string& path);

// The bmpsuite folder ("g", "q", "b" or "x") and its file names, sorted.
std::string bmpsuiteDir(const std::string& folder);
std::vector<std::string> bmpsuiteFiles(const std::string& folder);

}  // namespace kelmorite::test
