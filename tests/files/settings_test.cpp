// Restoring and saving the settings through fake controls.
#include "files/settings.h"

#include "platform/system/directories.h"
#include "platform/system/errors.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kelmorite {
namespace {

// Controls that record what is done to them, in order.
struct FakeControls : SettingsControls {
    bool background = true, resizedName = true;
    std::string source = "/start", target = "/start";
    std::string refused;  // a directory that "cannot be entered"
    std::vector<std::string> log;

    bool backgroundOption() const override { return background; }
    void setBackgroundOption(bool on) override { log.push_back("background " + std::to_string(on)); background = on; }
    bool resizedNameOption() const override { return resizedName; }
    void setResizedNameOption(bool on) override { log.push_back("name " + std::to_string(on)); resizedName = on; }
    std::string sourceDirectory() const override { return source; }
    void setSourceDirectory(const std::string& d) override { enter(d); log.push_back("from " + d); source = d; }
    std::string targetDirectory() const override { return target; }
    void setTargetDirectory(const std::string& d) override { enter(d); log.push_back("to " + d); target = d; }
    void setSourceDrive(const std::string& v) override { log.push_back("drive from " + v); }
    void setTargetDrive(const std::string& v) override { log.push_back("drive to " + v); }
    void enter(const std::string& d) const
    {
        if (d == refused) throw Error("File access denied");
    }
};

using Log = std::vector<std::string>;

struct Settings : ::testing::Test {
    test::TempDir dir;
    std::string path = dir.file("Kelmor.ini");
    std::string from = dir.file("from"), to = dir.file("to");
    FakeControls controls;
    void SetUp() override
    {
        ::mkdir(from.c_str(), 0755);
        ::mkdir(to.c_str(), 0755);
    }
};

TEST_F(Settings, WithoutAFileEverythingKeepsItsStateAndASaveWritesTheFourKeys)
{
    restoreSettings(IniFile(path), controls);
    EXPECT_EQ(controls.log, (Log{"background 1", "name 1", "drive from /", "drive to /"}));
    auto settings = std::make_unique<IniFile>(path);
    saveSettings(settings, controls);
    EXPECT_EQ(settings, nullptr);
    EXPECT_EQ(test::readText(path),
              "[Setup]\r\nSave_With_Background=1\r\nSave_With_Resized_Name=1\r\nDirectory_From=/start\r\nDirectory_To=/start\r\n");
}

TEST_F(Settings, RestoresStoredValuesInOrder)
{
    test::writeFile(path, "[setup]\r\nSAVE_WITH_BACKGROUND=0\r\nSave_With_Resized_Name=true\r\nDirectory_From=  " + from +
                              "  \r\nDirectory_To=" + to + "\r\n");
    restoreSettings(IniFile(path), controls);
    EXPECT_EQ(controls.log, (Log{"background 0", "name 1", "from " + from, "to " + to, "drive from " + volumeOf(from),
                                 "drive to " + volumeOf(to)}));
}

TEST_F(Settings, IgnoresDirectoriesThatAreGoneOrFilesAndKeepsTheRoot)
{
    test::writeFile(dir.file("file"), std::string("x"));
    test::writeFile(path, "[Setup]\r\nDirectory_From=" + dir.file("vanished") + "\r\nDirectory_To=/\r\n");
    restoreSettings(IniFile(path), controls);
    EXPECT_EQ(controls.source, "/start");
    EXPECT_EQ(controls.target, "/");
    test::writeFile(path, "[Setup]\r\nDirectory_From=" + dir.file("file") + "\r\n");
    restoreSettings(IniFile(path), controls);
    EXPECT_EQ(controls.source, "/start");
    auto settings = std::make_unique<IniFile>(path);
    saveSettings(settings, controls);
    EXPECT_NE(test::readText(path).find("Directory_To=/\r\n"), std::string::npos);
}

TEST_F(Settings, GivesTheListsStoredDirectoriesAsFullPathsInTheirOwnForm)
{
    ::mkdir(dir.file("from/deeper").c_str(), 0755);
    struct Case { std::string stored; std::string source; };
    const Case cases[] = {
        {from + "/", from},
        {"  " + from + "//  ", from},
        {dir.path() + "//from", from},
        {dir.file("from/deeper/.."), from},
        {dir.file("to/../from/./deeper"), dir.file("from/deeper")},
        {"//", "/"},
        {".", "/start"},  // relative: no full path, ignored
        {"from", "/start"},
    };
    for (const auto& c : cases) {
        test::writeFile(path, "[Setup]\r\nDirectory_From=" + c.stored + "\r\n");
        controls.source = "/start";
        restoreSettings(IniFile(path), controls);
        EXPECT_EQ(controls.source, c.source) << c.stored;
    }
}

TEST_F(Settings, AnErrorOfAStepEndsRestoringThere)
{
    test::writeFile(path, "[Setup]\r\nSave_With_Background=0\r\nDirectory_From=" + from + "\r\nDirectory_To=" + to + "\r\n");
    controls.refused = from;
    try {
        restoreSettings(IniFile(path), controls);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(controls.log, (Log{"background 0", "name 1"}));  // no target directory, no drive boxes
}

TEST_F(Settings, AReadOnlyFileRestoresButEverySaveStopsAtTheFirstKeyUntilItIsWritable)
{
    const std::string stored = "[Setup]\r\nSave_With_Background=0\r\n";
    test::writeFile(path, stored);
    ::chmod(path.c_str(), 0444);
    restoreSettings(IniFile(path), controls);
    EXPECT_FALSE(controls.background);
    auto settings = std::make_unique<IniFile>(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_THROW(
            {
                try {
                    saveSettings(settings, controls);
                } catch (const Error& e) {
                    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
                    throw;
                }
            },
            Error);
        EXPECT_NE(settings, nullptr);  // alive for the next close
        EXPECT_EQ(test::readText(path), stored);
    }
    ::chmod(path.c_str(), 0644);
    saveSettings(settings, controls);
    EXPECT_EQ(settings, nullptr);
    EXPECT_NE(test::readText(path).find("Directory_To=/start"), std::string::npos);
}

TEST_F(Settings, AWriteRefusedAtTheThirdKeyLeavesTheFirstTwoWrittenAndTheFileWhole)
{
    // Controls whose source directory turns the settings file read-only the
    // moment it is read, as another program might.
    struct Racing : FakeControls {
        std::string file;
        std::string sourceDirectory() const override
        {
            ::chmod(file.c_str(), 0444);
            return source;
        }
    } racing;
    racing.file = path;
    racing.background = false;
    test::writeFile(path, std::string("[Setup]\r\n"));
    auto settings = std::make_unique<IniFile>(path);
    EXPECT_THROW(saveSettings(settings, racing), Error);
    EXPECT_EQ(test::readText(path), "[Setup]\r\nSave_With_Background=0\r\nSave_With_Resized_Name=1\r\n");
    EXPECT_NE(settings, nullptr);
}

TEST(SettingsFile, LiesBesideTheExecutable)
{
    const std::string path = settingsFilePath();
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "Kelmor.ini");
    EXPECT_TRUE(directoryExists(path.substr(0, path.rfind('/'))));
}

}  // namespace
}  // namespace kelmorite
