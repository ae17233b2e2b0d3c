// kelmorite-tile: tiles for many pictures in one command.
#include "cli/batch.h"
#include "cli/options.h"

#include <csignal>
#include <iostream>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Past a file size limit, writes fail with an error instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    using namespace kelmorite::cli;
    try {
        const Options options = parseOptions({argv + 1, argv + argc}, std::thread::hardware_concurrency());
        if (options.help) {
            std::cout << kUsage;
            return 0;
        }
        // A counting line only for a person watching: never into a pipe or a file.
        return runBatch(options, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
    } catch (const UsageError& e) {
        std::cerr << "kelmorite-tile: " << e.what() << "\n\n" << kUsage;
        return 2;
    }
}
