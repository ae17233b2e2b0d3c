// Directory listings, paths and volumes.
#include "platform/system/directories.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace kelmorite {
namespace {

using Names = std::vector<std::string>;

TEST(Directories, ListsThePicturesAsTheFileListShowsThem)
{
    test::TempDir dir;
    for (const char* name : {"c.Bmp", "a.bmp", "B.BMP", "d.png", ".h.bmp", "b.bmp", "x.bmpx", "r.bmp"})
        test::writeFile(dir.file(name), std::string("x"));
    ::chmod(dir.file("r.bmp").c_str(), 0444);  // read-only files are listed
    ::mkdir(dir.file("e.bmp").c_str(), 0755);  // directories are not
    ::symlink("a.bmp", dir.file("link.bmp").c_str());     // a link to a file is a file
    ::symlink("nowhere", dir.file("broken.bmp").c_str());  // a broken link is nothing
    EXPECT_EQ(listBitmapFiles(dir.path()), (Names{"a.bmp", "B.BMP", "b.bmp", "c.Bmp", "link.bmp", "r.bmp"}));
    EXPECT_TRUE(listBitmapFiles(dir.file("missing")).empty());
}

TEST(Directories, ListsTheSubdirectoriesInNameOrderWithoutHiddenOnes)
{
    test::TempDir dir;
    for (const char* name : {"b", "A", ".hidden", "c.bmp"}) ::mkdir(dir.file(name).c_str(), 0755);
    test::writeFile(dir.file("file"), std::string("x"));
    EXPECT_EQ(listSubdirectories(dir.path()), (Names{"A", "b", "c.bmp"}));
}

TEST(Directories, TellsDirectoriesFromFilesAndNothing)
{
    test::TempDir dir;
    test::writeFile(dir.file("f"), std::string("x"));
    EXPECT_TRUE(directoryExists(dir.path()));
    EXPECT_TRUE(canEnterDirectory(dir.path()));
    ::mkdir(dir.file("closed").c_str(), 0);  // closed also when the tests run as root
    EXPECT_TRUE(directoryExists(dir.file("closed")));
    EXPECT_FALSE(canEnterDirectory(dir.file("closed")));
    for (const std::string& path : {dir.file("f"), dir.file("missing"), std::string()}) {
        EXPECT_FALSE(directoryExists(path)) << path;
        EXPECT_FALSE(canEnterDirectory(path)) << path;
    }
}

TEST(Directories, GivesThePathFromTheRootDown)
{
    EXPECT_EQ(pathFromRoot("/"), Names{"/"});
    EXPECT_EQ(pathFromRoot("/home/u/Pictures"), (Names{"/", "/home", "/home/u", "/home/u/Pictures"}));
}

TEST(Directories, KnowsTheVolumesAndWhichHoldsADirectory)
{
    const auto volumes = mountedVolumes();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front(), "/");
    EXPECT_EQ(volumeOf("/"), "/");
    for (const auto& volume : volumes) {
        EXPECT_EQ(volumeOf(volume), volume);
        if (volume != "/") {
            EXPECT_EQ(volumeOf(volume + "/some/deeper/place"), volume);
        }
    }
    EXPECT_EQ(volumeOf("/proc/self"), "/proc");
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(currentDirectory(), cwd);
}

}  // namespace
}  // namespace kelmorite
