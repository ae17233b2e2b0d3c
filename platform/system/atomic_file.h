// Replacing a file's whole content so that a failure never leaves a torn file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kelmorite {

// Where a replacement stopped, with the system's error number.
struct ReplaceOutcome {
    enum class Stage {
        Done,    // the file holds the new bytes
        Create,  // the file could not be created or may not be replaced
        Write,   // writing the new bytes failed part way (a full disk, a size limit)
    };
    Stage stage = Stage::Done;
    int error = 0;

    bool done() const { return stage == Stage::Done; }
};

// Writes the bytes to a hidden temporary file in the same directory, flushes it
// to disk and renames it over the path. A file already there keeps its
// permission bits; a new file gets the usual ones (0666 less the umask).
// A file whose permission bits grant no write access at all counts as
// read-only and is never replaced, also for root. On any failure the path
// holds what it held before and no temporary file is left behind.
ReplaceOutcome replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace kelmorite
