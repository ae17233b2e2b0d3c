// Loading pictures from files and saving them atomically.
#include "platform/picture/picture_file.h"

#include "platform/picture/bmp_writer.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelmorite {
namespace {

using test::TempDir;

std::string loadError(const std::string& path)
{
    try {
        loadPicture(path);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

std::string saveError(const Bitmap& bitmap, const std::string& path)
{
    try {
        savePicture(bitmap, path);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

Bitmap sample(Pixel colour = rgb(10, 20, 30)) { return Bitmap(68, 68, colour); }

TEST(LoadPicture, ChoosesTheReaderByExtensionWithoutRegardToCase)
{
    TempDir dir;
    const auto bytes = encodeBmp32(sample());
    for (const char* name : {"a.bmp", "b.BMP", "c.Bmp", "d.e.bMp"}) {
        test::writeFile(dir.file(name), bytes);
        EXPECT_EQ(loadPicture(dir.file(name)), sample()) << name;
    }
    struct Case { const char* name; const char* expected; };
    for (const auto& c : {Case{"photo.png", "Unknown picture file extension (.png)"},
                          Case{"photo.Jpeg", "Unknown picture file extension (.Jpeg)"},
                          Case{"photo", "Unknown picture file extension (.)"},
                          Case{"photo.bmp.txt", "Unknown picture file extension (.txt)"}}) {
        test::writeFile(dir.file(c.name), bytes);
        EXPECT_EQ(loadError(dir.file(c.name)), c.expected) << c.name;
    }
    // A dot in a directory name is not the file's extension.
    ::mkdir(dir.file("folder.bmp").c_str(), 0755);
    test::writeFile(dir.file("folder.bmp/photo"), bytes);
    EXPECT_EQ(loadError(dir.file("folder.bmp/photo")), "Unknown picture file extension (.)");
}

TEST(LoadPicture, ReportsFilesThatCannotBeOpened)
{
    TempDir dir;
    EXPECT_EQ(loadError(dir.file("gone.bmp")), "Cannot open file \"" + dir.file("gone.bmp") + "\". No such file or directory");
    ::mkdir(dir.file("folder.bmp").c_str(), 0755);
    EXPECT_EQ(loadError(dir.file("folder.bmp")), "Cannot open file \"" + dir.file("folder.bmp") + "\". Is a directory");
}

TEST(LoadPicture, AnEmptyFileIsAnEmptyPictureAndOtherBytesAreNotABitmap)
{
    TempDir dir;
    test::writeFile(dir.file("empty.bmp"), std::string());
    EXPECT_TRUE(loadPicture(dir.file("empty.bmp")).empty());
    test::writeFile(dir.file("text.bmp"), std::string("this is not a picture at all"));
    EXPECT_EQ(loadError(dir.file("text.bmp")), "Bitmap image is not valid");
    test::writeFile(dir.file("short.bmp"), std::string("BM"));
    EXPECT_EQ(loadError(dir.file("short.bmp")), "Stream read error");
}

TEST(LoadPicture, ANamedPipeOrDeviceIsNoPictureAndNeverWaits)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe.bmp").c_str(), 0644), 0);
    EXPECT_TRUE(loadPicture(dir.file("pipe.bmp")).empty());
    ASSERT_EQ(::symlink("/dev/zero", dir.file("zero.bmp").c_str()), 0);
    EXPECT_TRUE(loadPicture(dir.file("zero.bmp")).empty());
}

TEST(SavePicture, WritesTheFileAndReplacesAnOldOneKeepingItsPermissions)
{
    TempDir dir;
    const std::string path = dir.file("Photo_1x1.Bmp");
    savePicture(sample(), path);
    EXPECT_EQ(test::readFile(path), encodeBmp32(sample()));
    EXPECT_EQ(test::permissions(path), 0666 & ~[] { const mode_t m = ::umask(0); ::umask(m); return int(m); }());

    ::chmod(path.c_str(), 0640);
    savePicture(sample(kMagenta), path);
    EXPECT_EQ(test::readFile(path), encodeBmp32(sample(kMagenta)));
    EXPECT_EQ(test::permissions(path), 0640);
    EXPECT_EQ(test::listNames(dir.path()), std::vector<std::string>{"Photo_1x1.Bmp"});  // no temporary left
}

TEST(SavePicture, AnEmptyPictureWritesNothing)
{
    TempDir dir;
    savePicture(Bitmap(), dir.file("x.Bmp"));
    EXPECT_TRUE(test::listNames(dir.path()).empty());
}

TEST(SavePicture, RefusalsLeaveTheOldFileAsItWas)
{
    TempDir dir;
    const std::string old = "old content";
    const std::string readOnly = dir.file("ro.Bmp");
    test::writeFile(readOnly, old);
    ::chmod(readOnly.c_str(), 0444);  // refused also when the tests run as root
    ::mkdir(dir.file("folder.Bmp").c_str(), 0755);

    struct Case { std::string path, expected; };
    for (const auto& c : {Case{readOnly, "Cannot create file \"" + readOnly + "\". Permission denied"},
                          Case{dir.file("missing/x.Bmp"), "Cannot create file \"" + dir.file("missing/x.Bmp") + "\". No such file or directory"},
                          Case{dir.file("folder.Bmp"), "Cannot create file \"" + dir.file("folder.Bmp") + "\". Is a directory"},
                          Case{dir.file("ro.Bmp/x.Bmp"), "Cannot create file \"" + dir.file("ro.Bmp/x.Bmp") + "\". Not a directory"}}) {
        EXPECT_EQ(saveError(sample(), c.path), c.expected);
    }
    EXPECT_EQ(test::readText(readOnly), old);
    EXPECT_EQ(test::listNames(dir.path()), (std::vector<std::string>{"folder.Bmp", "ro.Bmp"}));
}

TEST(SavePicture, AFullDiskIsAStreamWriteErrorAndKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("tile.Bmp");
    test::writeFile(path, std::string("old content"));
    // A file size limit stands in for a full disk; it applies to a child
    // process only, which reports through its exit code.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(saveError(sample(), path) == "Stream write error" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(test::readText(path), "old content");
    EXPECT_EQ(test::listNames(dir.path()), std::vector<std::string>{"tile.Bmp"});
}

TEST(SavePicture, WritesThroughALinkAndKeepsTheLink)
{
    TempDir dir;
    test::writeFile(dir.file("real.Bmp"), std::string("old"));
    ASSERT_EQ(::symlink("real.Bmp", dir.file("link.Bmp").c_str()), 0);
    savePicture(sample(), dir.file("link.Bmp"));
    struct stat info {};
    ASSERT_EQ(::lstat(dir.file("link.Bmp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(test::readFile(dir.file("real.Bmp")), encodeBmp32(sample()));
}

}  // namespace
}  // namespace kelmorite
