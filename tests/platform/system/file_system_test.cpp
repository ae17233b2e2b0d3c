// File existence and deletion.
#include "platform/system/file_system.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace kelmorite {
namespace {

TEST(FileSystem, OnlyFilesExistAsFiles)
{
    test::TempDir dir;
    test::writeFile(dir.file("f.bmp"), std::string("x"));
    ::symlink("f.bmp", dir.file("link").c_str());
    EXPECT_TRUE(fileExists(dir.file("f.bmp")));
    EXPECT_TRUE(fileExists(dir.file("link")));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_FALSE(fileExists(dir.file("missing")));
    EXPECT_FALSE(fileExists(""));
}

TEST(FileSystem, DeletesFilesButNotReadOnlyOnesOrDirectories)
{
    test::TempDir dir;
    test::writeFile(dir.file("f.bmp"), std::string("x"));
    test::writeFile(dir.file("ro.bmp"), std::string("x"));
    ::chmod(dir.file("ro.bmp").c_str(), 0444);
    ::mkdir(dir.file("d").c_str(), 0755);
    EXPECT_TRUE(deleteFile(dir.file("f.bmp")));
    EXPECT_FALSE(deleteFile(dir.file("ro.bmp")));  // also for root
    EXPECT_FALSE(deleteFile(dir.file("d")));
    EXPECT_FALSE(deleteFile(dir.file("missing")));
    EXPECT_EQ(test::listNames(dir.path()), (std::vector<std::string>{"d", "ro.bmp"}));
}

}  // namespace
}  // namespace kelmorite
