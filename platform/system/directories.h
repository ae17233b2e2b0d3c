// Directories as the browsers and the batch tool see them: listings, paths
// and mounted volumes.
#pragma once

#include <string>
#include <vector>

namespace kelmorite {

// True when a directory is found under the path (a link to one counts).
bool directoryExists(const std::string& path);

// True when the directory can be entered and listed. One whose permission
// bits grant no one entry counts as closed, also for root.
bool canEnterDirectory(const std::string& path);

// The pictures of a directory: non-hidden regular files (or links to them)
// whose names end in ".bmp" in any letter case, sorted alphabetically without
// regard to letter case (names equal but for case in byte order). A name
// that starts with "." is hidden.
std::vector<std::string> listBitmapFiles(const std::string& directory);

// The non-hidden subdirectories of a directory, in name order.
std::vector<std::string> listSubdirectories(const std::string& directory);

// "/" and every directory down to the given one: "/", "/home", "/home/x".
std::vector<std::string> pathFromRoot(const std::string& directory);

// The process's current directory.
std::string currentDirectory();

// The mount points of the machine's volumes, "/" always among them, sorted.
std::vector<std::string> mountedVolumes();

// The mount point of the volume that holds the directory.
std::string volumeOf(const std::string& directory);

}  // namespace kelmorite
