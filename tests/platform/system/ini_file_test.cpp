// The INI file on disk: reads at every call, atomic writes and their refusals.
#include "platform/system/ini_file.h"

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

std::string writeError(IniFile& ini, const std::string& value = "v")
{
    try {
        ini.writeString("Setup", "Key", value);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(IniFile, CreatingTouchesNothingAndEveryCallGoesToTheFile)
{
    TempDir dir;
    const std::string path = dir.file("Kelmor.ini");
    IniFile ini(path);
    EXPECT_TRUE(test::listNames(dir.path()).empty());
    EXPECT_EQ(ini.readString("Setup", "Key", "default"), "default");
    EXPECT_TRUE(ini.readBool("Setup", "Save_With_Background", true));
    EXPECT_TRUE(test::listNames(dir.path()).empty());

    ini.writeBool("Setup", "Save_With_Background", false);
    EXPECT_EQ(test::readText(path), "[Setup]\r\nSave_With_Background=0\r\n");
    test::writeFile(path, std::string("[setup]\nsave_with_background=$10\nDir= /x \n"));  // another program's edit
    EXPECT_TRUE(ini.readBool("Setup", "Save_With_Background", false));
    EXPECT_EQ(ini.readString("SETUP", "dir", ""), "/x");
    EXPECT_EQ(ini.readInteger("Setup", "Dir", -5), -5);
}

TEST(IniFile, AWriteKeepsThePermissionBitsAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.file("Kelmor.ini");
    test::writeFile(path, std::string("[Setup]\r\nKey=old\r\n"));
    ::chmod(path.c_str(), 0640);
    IniFile ini(path);
    ini.writeString("Setup", "Key", "new");
    EXPECT_EQ(test::readText(path), "[Setup]\r\nKey=new\r\n");
    EXPECT_EQ(test::permissions(path), 0640);
    EXPECT_EQ(test::listNames(dir.path()), std::vector<std::string>{"Kelmor.ini"});
}

TEST(IniFile, ARefusedWriteNamesTheFileAndChangesNothing)
{
    TempDir dir;
    const std::string readOnly = dir.file("ro.ini");
    test::writeFile(readOnly, std::string("[Setup]\r\nKey=old\r\n"));
    ::chmod(readOnly.c_str(), 0444);  // refused also for root
    test::writeFile(dir.file("plain"), std::string("a file"));
    // "plain/x.ini": no file may be created where a file stands for the directory.
    for (const std::string& path : {readOnly, dir.file("missing/Kelmor.ini"), dir.file("plain/Kelmor.ini")}) {
        IniFile ini(path);
        EXPECT_EQ(writeError(ini), "Unable to write to " + path);
    }
    EXPECT_EQ(test::readText(readOnly), "[Setup]\r\nKey=old\r\n");
    ::chmod(readOnly.c_str(), 0644);
    // A value with a line break would forge other keys: refused, the file whole.
    IniFile forged(readOnly);
    EXPECT_EQ(writeError(forged, "/a\r\n[Setup]\r\nSave_With_Background=0"), "Unable to write to " + readOnly);
    EXPECT_EQ(test::readText(readOnly), "[Setup]\r\nKey=old\r\n");
    IniFile again(readOnly);
    EXPECT_EQ(writeError(again), "no error");
}

TEST(IniFile, APipeInTheFilesPlaceGivesTheDefaultsAtOnceAndIsNotReplaced)
{
    TempDir dir;
    const std::string path = dir.file("Kelmor.ini");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    // In a child with an alarm, so that a read that blocks fails the test
    // instead of hanging it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(5);
        IniFile ini(path);
        const bool defaults = ini.readBool("Setup", "Save_With_Background", true) &&
                              ini.readString("Setup", "Key", "default") == "default";
        ::_exit(defaults && writeError(ini) == "Unable to write to " + path ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "blocked or wrong result";
    struct stat info {};
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(IniFile, AFullDiskLeavesTheFileAsItWas)
{
    TempDir dir;
    const std::string path = dir.file("Kelmor.ini");
    const std::string before = "[Setup]\r\nKey=old\r\n";
    test::writeFile(path, before);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};  // a file size limit stands in for a full disk
        ::setrlimit(RLIMIT_FSIZE, &limit);
        IniFile ini(path);
        ::_exit(writeError(ini, std::string(100, 'v')) == "Unable to write to " + path ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(test::readText(path), before);
    EXPECT_EQ(test::listNames(dir.path()), std::vector<std::string>{"Kelmor.ini"});
}

}  // namespace
}  // namespace kelmorite
