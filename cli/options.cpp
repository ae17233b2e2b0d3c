// Command-line parsing for kelmorite-tile.
#include "cli/options.h"

#include "platform/system/directories.h"

#include <charconv>

namespace kelmorite::cli {

const char* const kUsage =
    "usage: kelmorite-tile [--size 1x1|1x2|2x1|2x2] [--no-background] [--plain-name]\n"
    "                      [--to DIR] [--jobs N] FILE|DIR...\n"
    "\n"
    "Makes a tile of each BMP picture, as the Kelmorite window does, and saves it\n"
    "into DIR (default: the current directory) as NAME_1x1.Bmp and so on.\n"
    "A DIR argument stands for its .bmp files, in alphabetical order.\n"
    "\n"
    "  --size S         the tile size in units of 68 pixels (two units: 139); default 1x1\n"
    "  --no-background  the tile alone, without the 139 x 139 magenta canvas\n"
    "  --plain-name     name the tile NAME.Bmp instead of NAME_1x1.Bmp\n"
    "  --to DIR         the directory the tiles go into\n"
    "  --jobs N         work on N pictures at once; default: the number of cores\n"
    "  --help           this text\n"
    "\n"
    "Exit status: 0 when every picture made its tile, 1 when any failed, 2 for a\n"
    "bad command line.\n";

namespace {

int sizeChoiceOf(const std::string& text)
{
    static const char* const sizes[] = {"1x1", "1x2", "2x1", "2x2"};
    for (int i = 0; i < 4; ++i)
        if (text == sizes[i]) return i;
    throw UsageError("bad size \"" + text + "\": give 1x1, 1x2, 2x1 or 2x2");
}

unsigned jobsOf(const std::string& text)
{
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    if (error != std::errc() || end != text.data() + text.size() || jobs == 0 || jobs > 1024)
        throw UsageError("bad job count \"" + text + "\": give a number from 1 to 1024");
    return jobs;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments, unsigned defaultJobs)
{
    Options options;
    options.jobs = defaultJobs == 0 ? 1 : defaultJobs;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (optionsEnd || argument.empty() || argument[0] != '-' || argument == "-") {
            options.sources.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnd = true;
            continue;
        }
        // "--name value" and "--name=value" alike.
        std::string value;
        bool hasValue = false;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
            hasValue = true;
        }
        auto takeValue = [&] {
            if (hasValue) return value;
            if (i + 1 >= arguments.size()) throw UsageError(argument + " needs a value");
            return arguments[++i];
        };
        auto noValue = [&] {
            if (hasValue) throw UsageError(argument + " takes no value");
        };
        if (argument == "--size") {
            options.sizeChoice = sizeChoiceOf(takeValue());
        } else if (argument == "--to") {
            options.targetDirectory = takeValue();
        } else if (argument == "--jobs") {
            options.jobs = jobsOf(takeValue());
        } else if (argument == "--no-background") {
            noValue();
            options.background = Background::Off;
        } else if (argument == "--plain-name") {
            noValue();
            options.name = TileName::Plain;
        } else if (argument == "--help" || argument == "-h") {
            noValue();
            options.help = true;
        } else {
            throw UsageError("unknown option " + argument);
        }
    }
    if (options.help) return options;
    if (options.sources.empty()) throw UsageError("no picture given");
    if (!directoryExists(options.targetDirectory)) throw UsageError("--to " + options.targetDirectory + ": not a directory");
    return options;
}

}  // namespace kelmorite::cli
