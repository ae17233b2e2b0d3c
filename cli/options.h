// The command line of kelmorite-tile.
#pragma once

#include "tile/compose_tile.h"
#include "tile/tile_file_name.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace kelmorite::cli {

struct Options {
    int sizeChoice = 0;  // as the window starts: 1 x 1,
    Background background = Background::On;  // with the background,
    TileName name = TileName::Resized;       // and the resized name
    std::string targetDirectory = ".";
    unsigned jobs = 1;
    bool help = false;
    std::vector<std::string> sources;  // FILE or DIR arguments, in order
};

// A command line that cannot be run; what() says why, in one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

extern const char* const kUsage;

// Reads the arguments after the program name. Raises UsageError for an
// unknown option, a bad size or job count, no source, or a --to that is not
// a directory. jobs defaults to defaultJobs.
Options parseOptions(const std::vector<std::string>& arguments, unsigned defaultJobs);

}  // namespace kelmorite::cli
