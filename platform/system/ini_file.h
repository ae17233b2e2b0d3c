// The settings file: an INI file read and written at every call.
#pragma once

#include <string>

namespace kelmorite {

// Bound to a file's full path. Creating the object touches no file; every
// read and every write goes to the file at that moment and nothing is held.
class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& fileName() const { return path_; }

    // A missing or unreadable file, section or key gives the default.
    std::string readString(const std::string& section, const std::string& key, const std::string& fallback) const;
    // A value that is not a 32-bit integer gives the default.
    int readInteger(const std::string& section, const std::string& key, int fallback) const;
    // An integer: non-zero is true.
    bool readBool(const std::string& section, const std::string& key, bool fallback) const;

    // Replaces the value in place, keeping every other line, atomically: on
    // failure the file is as it was and "Unable to write to %s" is raised with
    // the file's full path. The file keeps its permission bits. A text with a
    // line break cannot be stored and is refused the same way.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    // Writes "1" or "0".
    void writeBool(const std::string& section, const std::string& key, bool value);

private:
    std::string path_;
};

}  // namespace kelmorite
