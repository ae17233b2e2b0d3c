// Start-up and closing: the settings restored and written back.
#include "tests/app/window_fixture.h"

#include "platform/system/directories.h"
#include "platform/system/file_system.h"
#include "platform/ui/image_view.h"
#include "platform/ui/button.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/drive_combo_box.h"

#include <QCheckBox>
#include <sys/stat.h>

namespace kelmorite::app {
namespace {

const char* const kNoFileKeys = "[Setup]\r\nSave_With_Background=1\r\nSave_With_Resized_Name=1\r\n";

TEST_F(WindowTest, WithoutASettingsFileBothOptionsAreOnAndClosingWritesTheFourKeys)
{
    open();
    EXPECT_TRUE(window->TeCheckBoxBG->isChecked());
    EXPECT_TRUE(window->TeCheckBoxFilename->isChecked());
    EXPECT_EQ(window->TeDirectoryListBoxFrom->directory(), currentDirectory());
    EXPECT_EQ(window->TeDirectoryListBoxTo->directory(), currentDirectory());
    EXPECT_FALSE(fileExists(settings));
    QTest::mouseClick(window->TeButtonClose, Qt::LeftButton);
    EXPECT_TRUE(window->closed());
    EXPECT_EQ(test::readText(settings), std::string(kNoFileKeys) + "Directory_From=" + currentDirectory() +
                                            "\r\nDirectory_To=" + currentDirectory() + "\r\n");
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(WindowTest, EveryKindOfCloseWritesTheSameKeys)
{
    // The close box, the system menu and Alt+F4 all reach the window as the
    // window manager's close request.
    for (const char* how : {"Close by Space", "close request"}) {
        ::unlink(settings.c_str());
        open();
        if (std::string(how) == "Close by Space")
            QTest::keyClick(window->TeButtonClose, Qt::Key_Space);
        else
            window->close();
        EXPECT_TRUE(window->closed()) << how;
        EXPECT_EQ(test::readText(settings).rfind(kNoFileKeys, 0), 0u) << how;
    }
}

TEST_F(WindowTest, RestoresStoredOptionsAndDirectoriesQuietly)
{
    const std::string from = dir.file("from"), to = dir.file("to");
    ::mkdir(from.c_str(), 0755);
    ::mkdir(to.c_str(), 0755);
    test::writeFile(settings, "[Setup]\r\nSave_With_Background=0\r\nSave_With_Resized_Name=0\r\nDirectory_From=" + from +
                                  "\r\nDirectory_To=" + to + "\r\n");
    open();
    EXPECT_FALSE(window->TeCheckBoxBG->isChecked());  // its click ran and ended silently
    EXPECT_FALSE(window->TeCheckBoxFilename->isChecked());
    EXPECT_EQ(window->TeDirectoryListBoxFrom->directory(), from);
    EXPECT_EQ(window->TeDirectoryListBoxTo->directory(), to);
    EXPECT_EQ(window->TeFileListBoxFrom->directory(), from);
    EXPECT_EQ(window->TeDriveComboBoxTo->drive(), volumeOf(to));
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(window->ImageTo->empty());
}

TEST_F(WindowTest, ADriveChangeMovesOnlyItsOwnSide)
{
    test::writeFile(settings, "[Setup]\r\nDirectory_From=" + dir.path() + "\r\nDirectory_To=" + dir.path() + "\r\n");
    open();
    const int root = window->TeDriveComboBoxFrom->findText("/");
    ASSERT_GE(root, 0);
    window->TeDriveComboBoxFrom->setCurrentIndex(root);
    emit window->TeDriveComboBoxFrom->activated(root);  // the user's choice
    EXPECT_EQ(window->TeDirectoryListBoxFrom->directory(), "/");
    EXPECT_EQ(window->TeFileListBoxFrom->directory(), "/");
    EXPECT_EQ(window->TeDirectoryListBoxTo->directory(), dir.path());
    EXPECT_EQ(window->TeFileListBoxTo->directory(), dir.path());
}

TEST_F(WindowTest, ADirectoryThatCannotBeEnteredShowsAndLeavesTheLaterStepsUndone)
{
    const std::string closed = dir.file("closed"), to = dir.file("to");
    ::mkdir(closed.c_str(), 0);
    ::mkdir(to.c_str(), 0755);
    test::writeFile(settings, "[Setup]\r\nSave_With_Background=0\r\nDirectory_From=" + closed + "\r\nDirectory_To=" + to + "\r\n");
    open();
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"File access denied"});
    EXPECT_FALSE(window->TeCheckBoxBG->isChecked());  // the steps before it are done
    EXPECT_EQ(window->TeDirectoryListBoxFrom->directory(), currentDirectory());
    EXPECT_EQ(window->TeDirectoryListBoxTo->directory(), currentDirectory());  // not restored
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, AVanishedDirectoryIsIgnored)
{
    test::writeFile(settings, "[Setup]\r\nDirectory_From=" + dir.file("gone") + "\r\nDirectory_To=/\r\n");
    open();
    EXPECT_EQ(window->TeDirectoryListBoxFrom->directory(), currentDirectory());
    EXPECT_EQ(window->TeDirectoryListBoxTo->directory(), "/");
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(WindowTest, AReadOnlySettingsFileKeepsTheWindowOpenUntilItIsWritable)
{
    test::writeFile(settings, std::string("[Setup]\r\nSave_With_Background=1\r\n"));
    ::chmod(settings.c_str(), 0444);
    open();
    for (int attempt = 0; attempt < 2; ++attempt) {
        window->close();
        EXPECT_FALSE(window->closed());
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(dialogs.errors, std::vector<std::string>(2, "Unable to write to " + settings));
    EXPECT_EQ(errorBoxText(dialogs.errors[0]), "Unable to write to " + settings + ".");
    EXPECT_EQ(frmKelmor, window.get());
    ::chmod(settings.c_str(), 0644);
    window->close();
    EXPECT_TRUE(window->closed());
    EXPECT_EQ(frmKelmor, nullptr);
}

}  // namespace
}  // namespace kelmorite::app
