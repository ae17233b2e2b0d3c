// kelmorite-tile as a process: options, exit codes, directories, bad files, jobs.
#include "platform/picture/bmp_writer.h"
#include "platform/picture/picture_file.h"
#include "tests/support/temp_dir.h"
#include "tile/compose_tile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelmorite {
namespace {

using test::TempDir;

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs the tool with the arguments, in the directory given, stdin closed;
// arguments starting with "-c" run the rest through the shell instead.
ToolRun run(const std::vector<std::string>& arguments, const std::string& workingDirectory)
{
    TempDir capture;
    const std::string outPath = capture.file("out"), errPath = capture.file("err");
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (::chdir(workingDirectory.c_str()) != 0) ::_exit(127);
        const bool shell = !arguments.empty() && arguments[0] == "-c";
        std::vector<char*> argv{const_cast<char*>(shell ? "/bin/sh" : KELMORITE_TILE_BINARY)};
        for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::readText(outPath), test::readText(errPath)};
}

Bitmap picture(int w, int h, std::uint8_t seed)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, rgb(std::uint8_t(x * seed), std::uint8_t(y + seed), seed));
    return b;
}

void writePicture(const std::string& path, const Bitmap& b) { test::writeFile(path, encodeBmp32(b)); }

TEST(KelmoriteTile, HelpAndUsageErrors)
{
    TempDir dir;
    const ToolRun help = run({"--help"}, dir.path());
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: kelmorite-tile", 0), 0u);

    struct Case { std::vector<std::string> arguments; const char* message; };
    const Case cases[] = {
        {{"--frobnicate", "a.bmp"}, "kelmorite-tile: unknown option --frobnicate"},
        {{"--size", "3x3", "a.bmp"}, "kelmorite-tile: bad size \"3x3\""},
        {{"--size"}, "kelmorite-tile: --size needs a value"},
        {{}, "kelmorite-tile: no picture given"},
        {{"--to", "nowhere", "a.bmp"}, "kelmorite-tile: --to nowhere: not a directory"},
        {{"--jobs", "0", "a.bmp"}, "kelmorite-tile: bad job count \"0\""},
        {{"--no-background=yes", "a.bmp"}, "kelmorite-tile: --no-background takes no value"},
    };
    for (const auto& c : cases) {
        const ToolRun r = run(c.arguments, dir.path());
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
        EXPECT_NE(r.err.find("usage: kelmorite-tile"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_TRUE(test::listNames(dir.path()).empty());
}

TEST(KelmoriteTile, ADirectoryStandsForItsPicturesAndBadFilesDoNotStopTheRun)
{
    TempDir dir;
    const std::string src = dir.file("src");
    ::mkdir(src.c_str(), 0755);
    writePicture(src + "/a.bmp", picture(200, 100, 1));
    writePicture(src + "/B.BMP", picture(30, 30, 2));
    writePicture(src + "/c.Bmp", picture(68, 68, 3));
    writePicture(src + "/d.png", picture(5, 5, 4));          // not listed
    writePicture(src + "/.hidden.bmp", picture(5, 5, 5));    // not listed
    ::mkdir((src + "/e.bmp").c_str(), 0755);                // a directory: not listed
    test::writeFile(src + "/bad.bmp", std::string("not a bitmap at all"));

    const ToolRun r = run({"src", "missing.bmp"}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "src/a.bmp -> ./a_1x1.Bmp\nsrc/B.BMP -> ./B_1x1.Bmp\nsrc/c.Bmp -> ./c_1x1.Bmp\n");
    EXPECT_EQ(r.err, "kelmorite-tile: src/bad.bmp: Bitmap image is not valid\n"
                     "kelmorite-tile: missing.bmp: Cannot open file \"missing.bmp\". No such file or directory\n");
    EXPECT_EQ(loadPicture(dir.file("a_1x1.Bmp")), ComposeTile(picture(200, 100, 1), 0, Background::On));
    EXPECT_EQ(loadPicture(dir.file("B_1x1.Bmp")), ComposeTile(picture(30, 30, 2), 0, Background::On));
    EXPECT_EQ(test::listNames(dir.path()), (std::vector<std::string>{"B_1x1.Bmp", "a_1x1.Bmp", "c_1x1.Bmp", "src"}));
}

TEST(KelmoriteTile, OptionsChooseSizeBackgroundNameAndTarget)
{
    TempDir dir;
    writePicture(dir.file("Photo.bmp"), picture(200, 100, 7));
    ::mkdir(dir.file("out").c_str(), 0755);
    const ToolRun r = run({"--size", "2x1", "--no-background", "--plain-name", "--to", "out", "Photo.bmp"}, dir.path());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Photo.bmp -> out/Photo.Bmp\n");
    EXPECT_EQ(loadPicture(dir.file("out/Photo.Bmp")), ComposeTile(picture(200, 100, 7), 2, Background::Off));

    const ToolRun equals = run({"--size=2x2", "--to=out", "Photo.bmp"}, dir.path());
    EXPECT_EQ(equals.out, "Photo.bmp -> out/Photo_2x2.Bmp\n");
}

TEST(KelmoriteTile, SharedTileNamesAndTheSourceItselfAreRefused)
{
    TempDir dir;
    ::mkdir(dir.file("one").c_str(), 0755);
    ::mkdir(dir.file("two").c_str(), 0755);
    writePicture(dir.file("one/x.bmp"), picture(10, 10, 1));
    writePicture(dir.file("two/x.bmp"), picture(10, 10, 2));
    writePicture(dir.file("Self.Bmp"), picture(10, 10, 3));
    const auto self = test::readFile(dir.file("Self.Bmp"));

    const ToolRun r = run({"one/x.bmp", "two/x.bmp"}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "one/x.bmp -> ./x_1x1.Bmp\n");
    EXPECT_EQ(r.err, "kelmorite-tile: two/x.bmp: Cannot create file \"./x_1x1.Bmp\". "
                     "An earlier source of this run has the same tile name\n");
    EXPECT_EQ(loadPicture(dir.file("x_1x1.Bmp")), ComposeTile(picture(10, 10, 1), 0, Background::On));

    const ToolRun guard = run({"--plain-name", "Self.Bmp"}, dir.path());
    EXPECT_EQ(guard.status, 1);
    EXPECT_EQ(guard.err, "kelmorite-tile: Self.Bmp: Cannot create file \"./Self.Bmp\". The file is the tile's own source picture\n");
    EXPECT_EQ(test::readFile(dir.file("Self.Bmp")), self);
}

TEST(KelmoriteTile, ACountingLineShowsOnATerminalOnlyForMoreThanAFewSources)
{
    TempDir dir;
    ::mkdir(dir.file("src").c_str(), 0755);
    for (int i = 0; i < 5; ++i) writePicture(dir.file("src/p" + std::to_string(i) + ".bmp"), picture(20, 20, std::uint8_t(i)));
    // script(1) gives the tool a terminal and copies what it shows to standard output.
    auto onTerminal = [&](const std::string& arguments) {
        return run({"-c", std::string("script -qec '") + KELMORITE_TILE_BINARY + " " + arguments + "' /dev/null"}, dir.path());
    };
    const ToolRun many = onTerminal("--jobs 2 src");
    EXPECT_EQ(many.status, 0);
    for (int n = 1; n <= 5; ++n) EXPECT_NE(many.out.find("kelmorite-tile: " + std::to_string(n) + " of 5"), std::string::npos) << n;
    const ToolRun few = onTerminal("src/p0.bmp src/p1.bmp src/p2.bmp");
    EXPECT_EQ(few.out.find(" of 3"), std::string::npos);
    // Into a file or a pipe, never.
    const ToolRun piped = run({"src"}, dir.path());
    EXPECT_EQ(piped.err, "");
}

TEST(KelmoriteTile, OutputIsTheSameForEveryJobCount)
{
    TempDir dir;
    ::mkdir(dir.file("src").c_str(), 0755);
    for (int i = 0; i < 24; ++i) {
        const std::string name = dir.file("src/p" + std::to_string(100 + i) + ".bmp");
        if (i % 7 == 3)
            test::writeFile(name, std::string("broken"));
        else
            writePicture(name, picture(40 + i * 9, 30 + i * 5, std::uint8_t(i)));
    }
    ToolRun previous;
    std::vector<std::uint8_t> previousTile;
    for (const char* jobs : {"1", "4"}) {
        const std::string out = dir.file(std::string("out") + jobs);
        ::mkdir(out.c_str(), 0755);
        ToolRun r = run({"--jobs", jobs, "--to", out, "src"}, dir.path());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 21);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 3);
        for (auto* text : {&r.out, &r.err})  // the target folder differs; the rest must not
            for (std::size_t at; (at = text->find(out)) != std::string::npos;) text->replace(at, out.size(), "OUT");
        const auto tile = test::readFile(out + "/p118_1x1.Bmp");
        if (previous.status != -1) {
            EXPECT_EQ(r.out, previous.out);
            EXPECT_EQ(r.err, previous.err);
            EXPECT_EQ(tile, previousTile);
        }
        previous = r;
        previousTile = tile;
    }
}

}  // namespace
}  // namespace kelmorite
